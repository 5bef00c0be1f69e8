// Writes a seed corpus for the picture loader fuzzer: BMP files of every
// kind the tests make, broken ones too, and one file of each other format.
#include "tests/BmpCorpus.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <string>

namespace {

int written = 0;

bool Write(const QString& directory, const QString& name, const QByteArray& bytes) {
    QFile file(directory + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    ++written;
    return true;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-directory\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    constexpr int w = 7, h = 5;
    bool ok = true;
    const auto write = [&](const std::string& name, const bmp::Fields& fields) {
        ok = Write(dir, QString::fromStdString(name + ".bmp"), bmp::Build(fields)) && ok;
    };

    // Paletted, at every bit count, plain and run-length encoded.
    for (int bits : {1, 4, 8}) {
        const int colours = 1 << bits;
        bmp::Fields f;
        f.width = w;
        f.height = h;
        f.bitCount = std::uint16_t(bits);
        f.palette = bmp::Palette(colours);
        f.pixels = bmp::PackRows(w, h, bits, [&](int x, int y) {
            return std::uint32_t(bmp::PaletteIndex(x, y, colours));
        });
        write("paletted-" + std::to_string(bits), f);
        f.headerSize = 12;
        write("core-" + std::to_string(bits), f);
        if (bits != 1) {
            bmp::Fields rle = f;
            rle.headerSize = 40;
            rle.compression = bits == 8 ? bmp::kRle8 : bmp::kRle4;
            rle.pixels = bmp::EncodeRle(w, h, bits, [&](int x, int y) {
                return std::uint32_t(bmp::PaletteIndex(x, y, colours));
            });
            write("rle-" + std::to_string(bits), rle);
        }
    }
    // Direct colour, with masks and without, in every header size.
    const bmp::Masks m565 = {0xf800, 0x07e0, 0x001f, 0};
    const bmp::Masks m888 = {0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000};
    const bmp::Masks m101010 = {0x3ff00000, 0x000ffc00, 0x000003ff, 0};
    struct Direct {
        const char* name;
        int bits;
        std::uint32_t compression;
        bmp::Masks masks;
        std::uint32_t header;
    };
    for (const Direct& d : {Direct{"rgb-16", 16, bmp::kRgb, {0x7c00, 0x03e0, 0x001f, 0}, 40},
                            Direct{"rgb-24", 24, bmp::kRgb, {0xff0000, 0xff00, 0xff, 0}, 40},
                            Direct{"rgb-32", 32, bmp::kRgb, {0xff0000, 0xff00, 0xff, 0}, 40},
                            Direct{"bitfields-565", 16, bmp::kBitfields, m565, 40},
                            Direct{"bitfields-v3-alpha", 32, bmp::kBitfields, m888, 56},
                            Direct{"bitfields-v4", 32, bmp::kBitfields, m888, 108},
                            Direct{"bitfields-v5-wide", 32, bmp::kBitfields, m101010, 124},
                            Direct{"bitfields-52", 16, bmp::kBitfields, m565, 52}}) {
        bmp::Fields f;
        f.width = w;
        f.height = h;
        f.bitCount = std::uint16_t(d.bits);
        f.compression = d.compression;
        f.masks = d.masks;
        f.headerSize = d.header;
        f.pixels = bmp::PackRows(w, h, d.bits, [&](int x, int y) {
            return bmp::PackColour(bmp::Coordinate(x, y), d.masks);
        });
        write(d.name, f);
        bmp::Fields topDown = f;
        topDown.height = -h;
        write(std::string(d.name) + "-top-down", topDown);
        bmp::Fields cut = f;
        cut.pixels.chop(3);
        write(std::string(d.name) + "-cut", cut);
    }

    // Other formats, through Qt's own decoders.
    QImage picture(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y, qRgba(x * 30, y * 40, 90, 128 + x * 10));
    for (const char* format : {"png", "jpg", "gif", "ppm", "xpm", "webp", "tiff"}) {
        const QByteArray bytes = Encoded(picture, format);
        if (!bytes.isEmpty())
            ok = Write(dir, QStringLiteral("picture.") + QLatin1String(format), bytes) && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "could not write the corpus into %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %d pictures\n", written);
    return 0;
}
