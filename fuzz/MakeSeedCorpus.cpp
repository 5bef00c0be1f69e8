// Writes a seed corpus for the pack reader fuzzer: packs made by the pack
// writer, and a few packs broken on purpose by altering what it encoded.
#include "packs/PackFormat.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/FileLayer.h"
#include "platform/LittleEndian.h"

#include <QImage>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A small real bitmap, so the corpus holds what packs hold.
QByteArray Bitmap(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    return EncodeBmp24(image);
}

void WriteRaw(const fs::path& file, const QByteArray& bytes) {
    OutputFile out(file);
    out.Write(bytes.constData(), std::size_t(bytes.size()));
    out.Close();
}

// Puts a 32-bit length where the writer put the first picture's, whose
// title is `titleLength` bytes long.
QByteArray WithFirstLength(QByteArray pack, int titleLength, std::uint32_t length) {
    WriteLittleEndian32(length, pack.data() + kPackHeaderSize + 1 + titleLength);
    return pack;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-directory\n", argv[0]);
        return 2;
    }
    const fs::path directory = argv[1];
    try {
        fs::create_directories(directory);

        const PackPicture sunset{QStringLiteral("Sunset"), Bitmap(4, 3, qRgb(200, 90, 20))};
        const std::vector<PackPicture> three = {
            {QStringLiteral("A"), Bitmap(1, 1, qRgb(0, 0, 0))},
            {QString(), Bitmap(5, 2, qRgb(10, 200, 30))},
            {QStringLiteral("Third picture"), Bitmap(3, 7, qRgb(40, 40, 250))}};
        const std::vector<PackPicture> longTitles = {
            {QString(kMaxTitleLength, QChar('L')), Bitmap(2, 2, qRgb(1, 2, 3))},
            {QStringLiteral("0123456789").leftJustified(kMaxTitleLength, QChar('-')),
             Bitmap(2, 1, qRgb(4, 5, 6))}};
        const std::vector<PackPicture> most(kMaxPackPictures,
                                            {QStringLiteral("Tiny"), Bitmap(1, 1, qRgb(5, 5, 5))});
        const std::vector<PackPicture> accented = {
            {QStringLiteral("Caf\u00e9 \u20ac5"), Bitmap(2, 2, qRgb(9, 9, 9))},
            {QStringLiteral("\u201cQuoted\u201d \u2013 dash \u2122"), Bitmap(1, 2, qRgb(7, 7, 7))},
            {QStringLiteral("\u0152uvre \u00bd \u00ff \u0178"), Bitmap(2, 1, qRgb(8, 8, 8))}};

        struct Valid {
            const char* name;
            int category;
            std::vector<PackPicture> pictures;
        };
        const std::vector<Valid> valid = {{"empty.qdr", Cartoons, {}},
                                          {"one.qdr", Misc, {sunset}},
                                          {"three.qdr", Movies, three},
                                          {"long-titles.qdr", Music, longTitles},
                                          {"windows-1252.qdr", TvShows, accented},
                                          {"most.qdr", Misc, most}};
        for (const Valid& pack : valid) {
            const QString why = WritePack(directory / pack.name, pack.category, pack.pictures);
            if (!why.isEmpty()) {
                std::fprintf(stderr, "%s: %s\n", pack.name, qPrintable(why));
                return 1;
            }
        }

        const QByteArray one = EncodePack(Misc, {sunset});
        const QByteArray many = EncodePack(Movies, three);
        const int sunsetTitle = int(sunset.title.size());
        const std::vector<std::pair<const char*, QByteArray>> broken = {
            {"nothing.qdr", QByteArray()},
            {"bad-magic.qdr", QByteArray(one).replace(0, 1, "Y")},
            {"cut-header.qdr", one.left(2)},
            {"category-seven.qdr", QByteArray(one).replace(1, 1, "\x07")},
            {"negative-count.qdr", QByteArray(many).replace(2, 1, "\x80")},
            {"count-beyond-records.qdr", QByteArray(many).replace(2, 1, "\x05")},
            {"cut-record-header.qdr", one.left(kPackHeaderSize + 3)},
            {"cut-data.qdr", one.left(one.size() - 10)},
            {"huge-claim.qdr", WithFirstLength(one, sunsetTitle, kMaxPictureDataLength)},
            {"claim-over-limit.qdr", WithFirstLength(one, sunsetTitle, kMaxPictureDataLength + 1)},
            {"long-title-byte.qdr", QByteArray(one).replace(kPackHeaderSize, 1, "\x90")}};
        for (const auto& [name, bytes] : broken)
            WriteRaw(directory / name, bytes);
        std::printf("wrote %zu packs\n", valid.size() + broken.size());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
