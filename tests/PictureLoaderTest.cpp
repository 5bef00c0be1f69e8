#include "platform/PictureLoader.h"
#include "BmpCorpus.h"
#include "DecodeCheck.h"
#include "TestPictures.h"
#include "platform/BmpWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <string>
#include <tuple>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace bmp;

namespace {

// An odd width, so rows need padding at every depth.
constexpr int kW = 37, kH = 23;
const QSize kPictureSize(600, 375);

const Masks k555{0x7c00, 0x03e0, 0x001f, 0}, k565{0xf800, 0x07e0, 0x001f, 0},
    k1555{0x7c00, 0x03e0, 0x001f, 0x8000}, k888{0xff0000, 0xff00, 0xff, 0},
    k8888{0xff0000, 0xff00, 0xff, 0xff000000}, k101010{0x3ff00000, 0xffc00, 0x3ff, 0},
    k2101010{0x3ff00000, 0xffc00, 0x3ff, 0xc0000000};

// Names its pixel within 5 bits a channel.
QRgb Coordinate16(int x, int y) {
    return qRgb(x << 3, y << 3, ((x + 2 * y) & 31) << 3);
}

Fields Paletted(int bits, int colours, int width = kW, int height = kH) {
    Fields f;
    f.width = width;
    f.height = height;
    f.bitCount = std::uint16_t(bits);
    f.palette = Palette(colours);
    f.coloursUsed = colours == 1 << bits ? 0 : std::uint32_t(colours);
    f.pixels = PackRows(
        width, std::abs(height), bits,
        [colours](int x, int y) { return PaletteIndex(x, y, colours); }, height < 0);
    return f;
}
Colours PaletteCoordinates(int colours) {
    return [colours](int x, int y) { return PaletteColour(PaletteIndex(x, y, colours)); };
}

Fields Direct(int bits, std::uint32_t compression, const Masks& masks, const Colours& colour,
              int width = kW, int height = kH) {
    return bmp::DirectFields(bits, compression, masks, colour, width, height);
}
Colours Unpacked(const Masks& masks, const Colours& colour) {
    return [=](int x, int y) { return UnpackColour(PackColour(colour(x, y), masks), masks); };
}

Fields WithHeader(Fields f, std::uint32_t headerSize) {
    f.headerSize = headerSize;
    return f;
}

// Refused with a reason that names the file and contains `why`.
::testing::AssertionResult RefusedBecause(const QByteArray& file, const char* why,
                                          const QString& name = QStringLiteral("broken.bmp")) {
    const LoadedPicture picture = LoadPictureData(file, name, kPictureSize);
    const std::string reason = picture.reason.toStdString();
    if (picture.Ok() || !picture.image.isNull())
        return ::testing::AssertionFailure() << "accepted";
    if (!picture.reason.contains(name) || !picture.reason.contains(QLatin1String(why)))
        return ::testing::AssertionFailure() << "the reason was: " << reason;
    return ::testing::AssertionSuccess() << reason;
}

QByteArray Chopped(QByteArray file, qsizetype bytes) {
    file.chop(bytes);
    return file;
}
QByteArray Patched32(QByteArray file, qsizetype at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = char((value >> (8 * i)) & 0xff);
    return file;
}

QImage CoordinateImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Coordinate(x, y));
    return image;
}

// Freed blocks of many sizes full of 0xAB: memory an image gets next is
// leftover, not fresh zeros.
void DirtyTheHeap() {
    std::vector<QByteArray> blocks;
    for (qsizetype size = 8; size < (qsizetype(1) << 19); size += size < 4096 ? 8 : size / 8)
        for (int copy = 0; copy < 3; ++copy)
            blocks.emplace_back(size, char(0xAB));
}

// Loaded twice with the heap dirtied before each load; both must agree.
QImage LoadTwice(const QByteArray& file, QSize size) {
    DirtyTheHeap();
    const LoadedPicture first = LoadPictureData(file, QStringLiteral("first.bmp"), size);
    DirtyTheHeap();
    const LoadedPicture second = LoadPictureData(file, QStringLiteral("second.bmp"), size);
    EXPECT_TRUE(first.Ok()) << first.reason.toStdString();
    EXPECT_TRUE(second.Ok()) << second.reason.toStdString();
    EXPECT_EQ(first.image, second.image);
    return first.image;
}

} // namespace

// The corpus itself: a 24-bit file from the builder is the writer's file.
TEST(PictureLoaderCorpus, BuilderMakesWhatTheWriterWrites) {
    EXPECT_EQ(Build(Direct(24, kRgb, k888, Coordinate)), EncodeBmp24(CoordinateImage(kW, kH)));
    EXPECT_EQ(PackColour(qRgb(255, 128, 1), k565), (31u << 11) | (32u << 5) | 0u);
    EXPECT_EQ(PackColour(qRgb(255, 128, 1), k101010), (1023u << 20) | (514u << 10) | 4u);
}

// ---- Every valid variant, pixel for pixel at its own size ----

TEST(PictureLoaderValid, PalettedAtOneFourAndEightBitsWithFullAndShortPalettes) {
    // 229 wide, so all 256 indices of the 8-bit palette turn up.
    for (auto [bits, colours, width] : {std::tuple{1, 2, kW},
                                        {1, 1, kW},
                                        {4, 16, kW},
                                        {4, 11, kW},
                                        {8, 256, 229},
                                        {8, 100, kW}}) {
        SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(colours) + " colours");
        EXPECT_TRUE(Decodes(Paletted(bits, colours, width), PaletteCoordinates(colours)));
    }
}

TEST(PictureLoaderValid, CoreHeaderWithThreeBytePaletteEntries) {
    for (auto [bits, colours] : {std::pair{1, 2}, {4, 16}, {8, 256}}) {
        SCOPED_TRACE(std::to_string(bits) + " bits");
        EXPECT_TRUE(Decodes(WithHeader(Paletted(bits, colours), 12), PaletteCoordinates(colours)));
    }
    EXPECT_TRUE(Decodes(WithHeader(Direct(24, kRgb, k888, Coordinate), 12), Coordinate));
    // Rescaled 16-bit pixels get a new header built from the core one's fields.
    EXPECT_TRUE(Decodes(WithHeader(Direct(16, kRgb, k555, Coordinate16, 29), 12),
                        Unpacked(k555, Coordinate16)));
}

TEST(PictureLoaderValid, SixteenBitsAsFiveFiveFiveAndFiveSixFive) {
    constexpr int w = 29; // x stays below 32
    EXPECT_TRUE(Decodes(Direct(16, kRgb, k555, Coordinate16, w), Unpacked(k555, Coordinate16)));
    EXPECT_TRUE(
        Decodes(Direct(16, kBitfields, k565, Coordinate16, w), Unpacked(k565, Coordinate16)));
    EXPECT_TRUE(
        Decodes(Direct(16, kBitfields, k555, Coordinate16, w), Unpacked(k555, Coordinate16)));
    // The top of each range is full intensity: white stays white.
    EXPECT_TRUE(Decodes(Direct(16, kBitfields, k565, [](int, int) { return qRgb(255, 255, 255); }),
                        [](int, int) { return qRgb(255, 255, 255); }));
}

TEST(PictureLoaderValid, TwentyFourBits) {
    EXPECT_TRUE(Decodes(EncodeBmp24(CoordinateImage(kW, kH)), QSize(kW, kH), Coordinate));
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, Coordinate, 256, 3), Coordinate));
}

TEST(PictureLoaderValid, ThirtyTwoBitsPlainAndWithMasksInAnyPlace) {
    Fields plain = Direct(32, kRgb, k888, Coordinate);
    // The fourth byte of a BI_RGB pixel means nothing.
    plain.pixels = PackRows(kW, kH, 32, [](int x, int y) {
        return (Coordinate(x, y) & 0xffffff) | std::uint32_t((x * 7 + y) & 0xff) << 24;
    });
    EXPECT_TRUE(Decodes(plain, Coordinate));
    for (const Masks& masks :
         {k888, Masks{0xff, 0xff00, 0xff0000, 0}, Masks{0xff000000, 0xff0000, 0xff00, 0}}) {
        SCOPED_TRACE("red mask " + Hex(masks[0]));
        EXPECT_TRUE(Decodes(Direct(32, kBitfields, masks, Coordinate), Coordinate));
    }
}

TEST(PictureLoaderValid, MasksWiderThanEightBitsReducedToEightBits) {
    EXPECT_TRUE(Decodes(Direct(32, kBitfields, k101010, Coordinate), Coordinate));
    EXPECT_TRUE(
        Decodes(Direct(32, kBitfields, {0xfff00000, 0xfff00, 0xff, 0}, Coordinate), Coordinate));
    // Opaque 2-bit alpha beside 10-bit colours.
    EXPECT_TRUE(Decodes(WithHeader(Direct(32, kBitfields, k2101010, Coordinate), 124), Coordinate));
    // A 10-bit channel beside 3-bit ones in 16 bits.
    const Masks mixed{0xffc0, 0x38, 0x07, 0};
    EXPECT_TRUE(Decodes(Direct(16, kBitfields, mixed, Coordinate), Unpacked(mixed, Coordinate)));
}

TEST(PictureLoaderValid, EveryInfoHeaderSize) {
    for (std::uint32_t size : {40u, 52u, 56u, 64u, 108u, 124u}) {
        SCOPED_TRACE(std::to_string(size) + "-byte header");
        EXPECT_TRUE(Decodes(WithHeader(Direct(24, kRgb, k888, Coordinate), size), Coordinate));
        EXPECT_TRUE(Decodes(WithHeader(Paletted(8, 200), size), PaletteCoordinates(200)));
        EXPECT_TRUE(Decodes(WithHeader(Paletted(4, 16), size), PaletteCoordinates(16)));
        if (size == 64)
            continue; // OS/2 headers have no colour masks
        EXPECT_TRUE(Decodes(WithHeader(Direct(16, kBitfields, k565, Coordinate16, 29), size),
                            Unpacked(k565, Coordinate16)));
        EXPECT_TRUE(
            Decodes(WithHeader(Direct(32, kBitfields, k888, Coordinate), size), Coordinate));
    }
}

TEST(PictureLoaderValid, BiRgbHasNoAlphaWhateverTheHeaderSays) {
    // Writers fill in the masks and leave the fourth byte zero.
    for (int bits : {24, 32})
        for (std::uint32_t size : {56u, 108u, 124u}) {
            SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(size) + "-byte header");
            Fields f = WithHeader(Direct(bits, kRgb, k888, Coordinate), size);
            f.masks = k8888;
            EXPECT_TRUE(Decodes(f, Coordinate));
        }
}

TEST(PictureLoaderValid, TopDownRows) {
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, Coordinate, kW, -kH), Coordinate));
    EXPECT_TRUE(Decodes(Direct(32, kBitfields, k101010, Coordinate, kW, -kH), Coordinate));
    EXPECT_TRUE(
        Decodes(Direct(16, kBitfields, k565, Coordinate16, 29, -kH), Unpacked(k565, Coordinate16)));
    EXPECT_TRUE(
        Decodes(Direct(16, kRgb, k555, Coordinate16, 29, -kH), Unpacked(k555, Coordinate16)));
    EXPECT_TRUE(Decodes(WithHeader(Direct(24, kRgb, k888, Coordinate, kW, -kH), 52), Coordinate));
    for (auto [bits, colours] : {std::pair{1, 2}, {4, 16}, {8, 256}, {8, 7}}) {
        SCOPED_TRACE(std::to_string(bits) + " bits");
        EXPECT_TRUE(Decodes(Paletted(bits, colours, kW, -kH), PaletteCoordinates(colours)));
    }
}

TEST(PictureLoaderValid, CompleteRunLengthStreams) {
    // Runs at the left, absolute runs of varying length at the right.
    const auto index = [](int colours) {
        return [colours](int x, int y) {
            return std::uint32_t(x < 8 + y % 5 ? y % colours : PaletteIndex(x, y, colours));
        };
    };
    for (auto [bits, colours] : {std::pair{8, 256}, {8, 60}, {4, 16}, {4, 9}}) {
        SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(colours) + " colours");
        Fields f = Paletted(bits, colours);
        f.compression = bits == 8 ? kRle8 : kRle4;
        f.pixels = EncodeRle(kW, kH, bits, index(colours));
        const auto expected = index(colours);
        EXPECT_TRUE(Decodes(f, [&](int x, int y) { return PaletteColour(int(expected(x, y))); }));
    }
}

// ---- Sizes ----

TEST(PictureLoaderSize, PictureAtTheAskedSizeComesBackByteForByte) {
    const QImage picture = CoordinatePicture();
    const LoadedPicture loaded =
        LoadPictureData(EncodeBmp24(picture), QStringLiteral("exact.bmp"), kPictureSize);
    ASSERT_TRUE(loaded.Ok()) << loaded.reason.toStdString();
    EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(loaded.image, picture);
}

TEST(PictureLoaderSize, OtherSizesAreStretchedToTheAskedSize) {
    // Left half red, right half blue: far from the seam the colours stay exact.
    QImage halves(60, 30, QImage::Format_RGB32);
    halves.fill(qRgb(200, 0, 0));
    for (int y = 0; y < 30; ++y)
        for (int x = 30; x < 60; ++x)
            halves.setPixel(x, y, qRgb(0, 0, 200));
    for (QSize size : {kPictureSize, QSize(120, 45)}) {
        const LoadedPicture loaded =
            LoadPictureData(EncodeBmp24(halves), QStringLiteral("small.bmp"), size);
        ASSERT_TRUE(loaded.Ok()) << loaded.reason.toStdString();
        ASSERT_EQ(loaded.image.size(), size);
        EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
        EXPECT_EQ(loaded.image.pixel(2, 2), qRgb(200, 0, 0));
        EXPECT_EQ(loaded.image.pixel(size.width() - 3, size.height() - 3), qRgb(0, 0, 200));
    }
    const LoadedPicture smaller = LoadPictureData(EncodeBmp24(CoordinatePicture()),
                                                  QStringLiteral("big.bmp"), QSize(300, 200));
    ASSERT_TRUE(smaller.Ok());
    EXPECT_EQ(smaller.image.size(), QSize(300, 200));
    EXPECT_EQ(smaller.image.format(), QImage::Format_RGB32);
}

// ---- Harmless mistakes real files make ----

TEST(PictureLoaderLenient, WrongSizeFieldsAndJunkAfterThePixels) {
    const QByteArray good = EncodeBmp24(CoordinateImage(kW, kH));
    for (std::uint32_t fileSize : {0u, 54u, 0xffffffffu})
        EXPECT_TRUE(Decodes(Patched32(good, 2, fileSize), QSize(kW, kH), Coordinate));
    for (std::uint32_t imageSize : {0u, 1u, 0x7fffffffu})
        EXPECT_TRUE(Decodes(Patched32(good, 34, imageSize), QSize(kW, kH), Coordinate));
    EXPECT_TRUE(Decodes(good + QByteArray(1000, char(0xAB)), QSize(kW, kH), Coordinate));

    Fields paletted = Paletted(8, 256);
    paletted.imageSize = 0;
    paletted.junk = QByteArray(77, 'j');
    EXPECT_TRUE(Decodes(paletted, PaletteCoordinates(256)));
    Fields rle = Paletted(8, 256);
    rle.compression = kRle8;
    rle.pixels = EncodeRle(kW, kH, 8, [](int x, int y) { return PaletteIndex(x, y, 256); });
    rle.imageSize = 0;
    rle.fileSize = 12;
    rle.junk = QByteArray(9, char(0xAB));
    EXPECT_TRUE(Decodes(rle, PaletteCoordinates(256)));
}

TEST(PictureLoaderLenient, GapBetweenHeadersAndPixels) {
    Fields f = Paletted(4, 16);
    f.pixels = QByteArray(13, 'g') + f.pixels;
    f.pixelOffset = 14 + 40 + 16 * 4 + 13;
    EXPECT_TRUE(Decodes(f, PaletteCoordinates(16)));
}

// ---- Truly broken files: refused, naming the file and why ----

TEST(PictureLoaderRefused, BrokenFilesSayWhy) {
    const QByteArray good24 = EncodeBmp24(CoordinateImage(kW, kH));
    const auto with = [](Fields f, auto change) {
        change(f);
        return Build(f);
    };
    const Fields bits16 = Direct(16, kBitfields, k565, Coordinate16, 29);
    const Fields bits32 = Direct(32, kBitfields, k888, Coordinate);
    const Fields bits8 = Paletted(8, 256);
    Fields rle = Paletted(8, 256);
    rle.compression = kRle8;
    rle.pixels = EncodeRle(kW, kH, 8, [](int x, int y) { return PaletteIndex(x, y, 256); });

    const std::vector<std::tuple<const char*, QByteArray, const char*>> cases = {
        {"24-bit rows cut short", Chopped(good24, 5), "ends early"},
        {"16-bit BITFIELDS rows cut short", Chopped(Build(bits16), 1), "ends early"},
        {"32-bit BITFIELDS rows cut short", Chopped(Build(bits32), 40), "ends early"},
        {"8-bit rows cut short", Chopped(Build(bits8), 40), "ends early"},
        {"1-bit missing its last row", Chopped(Build(Paletted(1, 2)), 8), "ends early"},
        {"offset inside the info header", Patched32(good24, 10, 50), "inside its headers"},
        {"offset inside the palette", with(bits8, [](Fields& f) { f.pixelOffset = 14 + 40 + 100; }),
         "inside its headers"},
        {"offset inside the masks", with(bits16, [](Fields& f) { f.pixelOffset = 14 + 40 + 4; }),
         "inside its headers"},
        {"offset at the end", Patched32(good24, 10, std::uint32_t(good24.size())), "past the end"},
        {"offset past the end", Patched32(good24, 10, 0x7fffffff), "past the end"},
        {"RLE offset past the end", with(rle, [](Fields& f) { f.pixelOffset = 1u << 30; }),
         "past the end"},
        {"red mask zero", with(bits16, [](Fields& f) { f.masks[0] = 0; }), "empty"},
        {"all masks zero", with(bits32, [](Fields& f) { f.masks = {}; }), "empty"},
        {"masks overlap", with(bits16, [](Fields& f) { f.masks[1] = 0x0fe0; }), "overlap"},
        {"alpha overlaps blue",
         with(WithHeader(bits32, 108), [](Fields& f) { f.masks[3] = 0xff0000ff; }), "overlap"},
        {"mask not contiguous", with(bits16, [](Fields& f) { f.masks[0] = 0xe800; }),
         "one run of bits"},
        {"alpha mask not contiguous",
         with(WithHeader(bits32, 124), [](Fields& f) { f.masks[3] = 0x81000000; }),
         "one run of bits"},
        {"mask outside 16 bits", with(bits16, [](Fields& f) { f.masks[0] = 0x1f0000; }),
         "outside the 16 bits"},
        {"1 bit, 3 colours", with(Paletted(1, 2), [](Fields& f) { f.coloursUsed = 3; }),
         "palette colours"},
        {"4 bits, 17 colours", with(Paletted(4, 16), [](Fields& f) { f.coloursUsed = 17; }),
         "palette colours"},
        {"8 bits, 257 colours", with(bits8, [](Fields& f) { f.coloursUsed = 257; }),
         "palette colours"},
        {"8 bits, 2^32-1 colours", with(bits8, [](Fields& f) { f.coloursUsed = 0xffffffff; }),
         "palette colours"},
        {"7 bits a pixel", with(bits8, [](Fields& f) { f.bitCount = 7; }), "bits a pixel"},
        {"0 bits a pixel", with(bits8, [](Fields& f) { f.bitCount = 0; }), "bits a pixel"},
        {"64 bits a pixel", with(bits32, [](Fields& f) { f.bitCount = 64; }), "bits a pixel"},
        {"width zero", with(bits8, [](Fields& f) { f.width = 0; }), "announces a size"},
        {"height zero", with(bits8, [](Fields& f) { f.height = 0; }), "announces a size"},
        {"width negative", with(bits8, [](Fields& f) { f.width = -kW; }), "announces a size"},
        {"core header height zero", with(WithHeader(bits8, 12), [](Fields& f) { f.height = 0; }),
         "announces a size"},
        {"two planes", with(bits8, [](Fields& f) { f.planes = 2; }), "colour planes"},
        {"RLE8 at 4 bits", with(Paletted(4, 16), [](Fields& f) { f.compression = kRle8; }),
         "compression"},
        {"BITFIELDS at 24 bits",
         with(Direct(24, kRgb, k888, Coordinate),
              [](Fields& f) {
                  f.compression = kBitfields;
                  f.masks = k888;
              }),
         "compression"},
        {"compression 9", with(bits32, [](Fields& f) { f.compression = 9; }), "compression"},
        {"header size 0", with(bits8, [](Fields& f) { f.headerSize = 0; }), "header size"},
        {"header size 20", with(bits8, [](Fields& f) { f.headerSize = 20; }), "header size"},
        {"header size 41", with(bits8, [](Fields& f) { f.headerSize = 41; }), "header size"},
        {"header size 200", with(bits8, [](Fields& f) { f.headerSize = 200; }), "header size"},
        {"ends inside the file header", good24.left(10), "ends inside its header"},
        {"ends inside the info header", good24.left(30), "ends inside its header"},
        {"ends inside a V5 header", Build(WithHeader(bits32, 124)).left(14 + 100),
         "ends inside its header"},
        {"ends before its masks", Build(bits16).left(14 + 40 + 6), "ends inside its header"},
        {"100000 x 100000 pixels",
         with(rle,
              [](Fields& f) {
                  f.width = 100000;
                  f.height = 100000;
              }),
         "too large"},
        {"100000 x 100000 pixels top down",
         with(bits32,
              [](Fields& f) {
                  f.width = 100000;
                  f.height = -100000;
              }),
         "too large"},
        {"20000 x 10000 RLE", // under Qt's ceiling, over the allocation limit
         with(rle,
              [](Fields& f) {
                  f.width = 20000;
                  f.height = 10000;
              }),
         "too large"},
    };
    for (const auto& [label, file, why] : cases) {
        SCOPED_TRACE(label);
        EXPECT_TRUE(RefusedBecause(file, why, QString::fromUtf8(label) + ".bmp"));
    }
}

TEST(PictureLoaderRefused, NotBmpAfterAll) {
    EXPECT_TRUE(RefusedBecause("BM", "ends inside its header"));
    EXPECT_TRUE(RefusedBecause(QByteArray(), "no picture format"));
    EXPECT_TRUE(RefusedBecause("plain words, not a picture at all\n", "no picture format",
                               QStringLiteral("notes.txt")));
}

// ---- Pixels a file does not supply: the same every time ----

namespace {

constexpr int kRleW = 16, kRleH = 8;

Fields RleFile(int bits, const QByteArray& stream) {
    Fields f = Paletted(bits, bits == 8 ? 256 : 16, kRleW, kRleH);
    f.compression = bits == 8 ? kRle8 : kRle4;
    f.pixels = stream;
    return f;
}

// The index a stream row `y` (bottom up) leaves at column x.
using Rows = std::vector<std::vector<int>>;
Colours FromRows(const Rows& rows) {
    return [rows](int x, int y) { return PaletteColour(rows[kRleH - 1 - y][x]); };
}
Rows Skipped() {
    return Rows(kRleH, std::vector<int>(kRleW, 0));
}

void ExpectSameTwice(const Fields& f, const Colours& expected) {
    const QImage image = LoadTwice(Build(f), QSize(f.width, std::abs(f.height)));
    ASSERT_FALSE(image.isNull());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(Hex(image.pixel(x, y)), Hex(expected(x, y)))
                << "at (" << x << ", " << y << ")";
}

} // namespace

TEST(PictureLoaderDeterminism, RunLengthDeltaSkipsComeOutAsIndexZero) {
    // Row 0 full, row 1 two pixels, a jump to (9, 3), three pixels, then row 7.
    const QByteArray rle8("\x10\x01\x00\x00"
                          "\x02\x02\x00\x02\x07\x02"
                          "\x03\x03\x00\x00"
                          "\x00\x02\x00\x03"
                          "\x10\x04\x00\x01",
                          22);
    Rows rows = Skipped();
    rows[0].assign(kRleW, 1);
    rows[1][0] = rows[1][1] = 2;
    rows[3][9] = rows[3][10] = rows[3][11] = 3;
    rows[7].assign(kRleW, 4);
    ExpectSameTwice(RleFile(8, rle8), FromRows(rows));

    // The same at 4 bits: runs repeat a pair of indices.
    const QByteArray rle4("\x10\x11\x00\x00"
                          "\x02\x22\x00\x02\x07\x02"
                          "\x03\x33\x00\x00"
                          "\x00\x02\x00\x03"
                          "\x10\x44\x00\x01",
                          22);
    ExpectSameTwice(RleFile(4, rle4), FromRows(rows));
}

TEST(PictureLoaderDeterminism, RunLengthEndingEarlyLeavesIndexZero) {
    // End of bitmap after row 0 and three pixels of row 1.
    const QByteArray rle8("\x10\x05\x00\x00\x03\x06\x00\x01", 8);
    Rows rows = Skipped();
    rows[0].assign(kRleW, 5);
    rows[1][0] = rows[1][1] = rows[1][2] = 6;
    ExpectSameTwice(RleFile(8, rle8), FromRows(rows));
    const QByteArray rle4("\x10\x55\x00\x00\x03\x66\x00\x01", 8);
    ExpectSameTwice(RleFile(4, rle4), FromRows(rows));
}

TEST(PictureLoaderDeterminism, RunLengthLineNeverEndedLeavesIndexZero) {
    // Row 0 runs past its end (clipped), row 1 stops after four pixels: no
    // end of line, no end of bitmap.
    const QByteArray rle8("\x10\x07\x05\x08\x00\x00\x04\x09", 8);
    Rows rows = Skipped();
    rows[0].assign(kRleW, 7);
    rows[1][0] = rows[1][1] = rows[1][2] = rows[1][3] = 9;
    ExpectSameTwice(RleFile(8, rle8), FromRows(rows));
    const QByteArray rle4("\x10\x77\x05\x88\x00\x00\x04\x99", 8);
    ExpectSameTwice(RleFile(4, rle4), FromRows(rows));
}

TEST(PictureLoaderDeterminism, PaletteIndicesPastThePaletteAreBlack) {
    const QRgb black = qRgb(0, 0, 0);
    for (auto [bits, colours, index] :
         {std::tuple{8, 4, 200}, {8, 1, 255}, {4, 3, 15}, {1, 1, 1}}) {
        SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(colours) + " colours");
        Fields f = Paletted(bits, colours, kRleW, kRleH);
        // Index 0 on the left half, one past the palette on the right.
        f.pixels = PackRows(kRleW, kRleH, bits, [index = index](int x, int) {
            return x < kRleW / 2 ? 0u : std::uint32_t(index);
        });
        ExpectSameTwice(f, [](int x, int) { return x < kRleW / 2 ? PaletteColour(0) : black; });
    }
    // RLE, too.
    const QByteArray rle8("\x08\x00\x08\xc8\x00\x01", 6);
    Fields f = Paletted(8, 4, kRleW, kRleH);
    f.compression = kRle8;
    f.pixels = rle8;
    ExpectSameTwice(f, [](int x, int y) {
        return y == kRleH - 1 && x >= kRleW / 2 ? black : PaletteColour(0);
    });
}

// ---- Transparency: flattened onto white ----

namespace {

QRgb OverWhite(QRgb colour) {
    const auto mix = [&](int c) {
        return (c * qAlpha(colour) + 255 * (255 - qAlpha(colour)) + 127) / 255;
    };
    return qRgb(mix(qRed(colour)), mix(qGreen(colour)), mix(qBlue(colour)));
}

// Fully transparent at x = 0, opaque from x = 2, alpha `middle` at x = 1.
Colours WithAlpha(int middle) {
    return [middle](int x, int y) {
        const QRgb c = Coordinate(x, y);
        return qRgba(qRed(c), qGreen(c), qBlue(c), x == 0 ? 0 : x == 1 ? middle : 255);
    };
}

::testing::AssertionResult FlattenedOntoWhite(const QImage& image, const Colours& opaque) {
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(0, y) != qRgb(255, 255, 255))
            return ::testing::AssertionFailure()
                   << "transparent (0, " << y << ") is " << Hex(image.pixel(0, y));
        for (int x = 2; x < image.width(); ++x)
            if (image.pixel(x, y) != opaque(x, y))
                return ::testing::AssertionFailure()
                       << "opaque (" << x << ", " << y << ") is " << Hex(image.pixel(x, y))
                       << ", not " << Hex(opaque(x, y));
    }
    return ::testing::AssertionSuccess();
}

QImage Loaded(const QByteArray& file, QSize size) {
    const LoadedPicture picture = LoadPictureData(file, QStringLiteral("alpha"), size);
    EXPECT_TRUE(picture.Ok()) << picture.reason.toStdString();
    return picture.image;
}

} // namespace

TEST(PictureLoaderTransparency, AlphaMasksAreFlattenedOntoWhite) {
    const QSize size(kW, kH);
    for (std::uint32_t header : {56u, 108u, 124u}) {
        SCOPED_TRACE(std::to_string(header) + "-byte header");
        const QImage image =
            Loaded(Build(WithHeader(Direct(32, kBitfields, k8888, WithAlpha(128)), header)), size);
        EXPECT_TRUE(FlattenedOntoWhite(image, Coordinate));
        for (int y = 0; y < kH; ++y) {
            const QRgb half = OverWhite(WithAlpha(128)(1, y)), got = image.pixel(1, y);
            EXPECT_NEAR(qRed(got), qRed(half), 2);
            EXPECT_NEAR(qGreen(got), qGreen(half), 2);
            EXPECT_NEAR(qBlue(got), qBlue(half), 2);
        }
    }
    // Two bits of alpha beside 10-bit colours: 0 transparent, 3 opaque.
    EXPECT_TRUE(FlattenedOntoWhite(
        Loaded(Build(WithHeader(Direct(32, kBitfields, k2101010, WithAlpha(255)), 108)), size),
        Coordinate));
    // One bit of alpha: set means opaque, not half transparent.
    const auto alpha16 = [](int x, int y) {
        const QRgb c = Coordinate16(x, y);
        return qRgba(qRed(c), qGreen(c), qBlue(c), x == 0 ? 0 : 255);
    };
    EXPECT_TRUE(FlattenedOntoWhite(
        Loaded(Build(WithHeader(Direct(16, kBitfields, k1555, alpha16, 29), 124)), {29, kH}),
        Unpacked(k555, Coordinate16)));
}

TEST(PictureLoaderTransparency, PngAlphaIsFlattenedOntoWhite) {
    QImage picture(kW, kH, QImage::Format_ARGB32);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            picture.setPixel(x, y, WithAlpha(100)(x, y));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("alpha.png"));
    ASSERT_TRUE(picture.save(file, "PNG"));
    const LoadedPicture loaded = LoadPicture(file, QSize(kW, kH));
    ASSERT_TRUE(loaded.Ok()) << loaded.reason.toStdString();
    EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(FlattenedOntoWhite(loaded.image, Coordinate));
}

// ---- Other formats and files ----

TEST(PictureLoaderFormats, PngAndJpegLoad) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("coordinates.png"));
    ASSERT_TRUE(CoordinateImage(kW, kH).save(png, "PNG"));
    const LoadedPicture fromPng = LoadPicture(png, QSize(kW, kH));
    ASSERT_TRUE(fromPng.Ok()) << fromPng.reason.toStdString();
    EXPECT_EQ(fromPng.image, CoordinateImage(kW, kH));

    // JPEG is lossy: a flat colour comes back close.
    QImage flat(64, 48, QImage::Format_RGB32);
    flat.fill(qRgb(200, 100, 50));
    const QString jpeg = dir.filePath(QStringLiteral("flat.jpg"));
    ASSERT_TRUE(flat.save(jpeg, "JPEG", 100));
    for (QSize size : {QSize(64, 48), kPictureSize}) {
        const LoadedPicture fromJpeg = LoadPicture(jpeg, size);
        ASSERT_TRUE(fromJpeg.Ok()) << fromJpeg.reason.toStdString();
        ASSERT_EQ(fromJpeg.image.size(), size);
        EXPECT_EQ(fromJpeg.image.format(), QImage::Format_RGB32);
        for (QPoint at : {QPoint(0, 0), QPoint(size.width() / 2, size.height() / 2),
                          QPoint(size.width() - 1, size.height() - 1)}) {
            const QRgb got = fromJpeg.image.pixel(at);
            EXPECT_NEAR(qRed(got), 200, 4);
            EXPECT_NEAR(qGreen(got), 100, 4);
            EXPECT_NEAR(qBlue(got), 50, 4);
        }
    }
}

TEST(PictureLoaderFormats, FilesOnDiskAndFilesThatAreNoPictures) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const LoadedPicture bmp = LoadPicture(write("paletted.bmp", Build(Paletted(8, 256))), {kW, kH});
    ASSERT_TRUE(bmp.Ok()) << bmp.reason.toStdString();
    EXPECT_EQ(bmp.image.pixel(5, 7), PaletteColour(PaletteIndex(5, 7, 256)));

    const LoadedPicture text =
        LoadPicture(write("readme.txt", "no picture in here\n"), kPictureSize);
    EXPECT_FALSE(text.Ok());
    EXPECT_TRUE(text.reason.contains(QLatin1String("readme.txt"))) << text.reason.toStdString();
    EXPECT_TRUE(text.reason.contains(QLatin1String("no picture format")))
        << text.reason.toStdString();

    const LoadedPicture broken =
        LoadPicture(write("short.bmp", Chopped(Build(Paletted(8, 256)), 3)), kPictureSize);
    EXPECT_FALSE(broken.Ok());
    EXPECT_TRUE(broken.reason.contains(QLatin1String("short.bmp"))) << broken.reason.toStdString();

    const LoadedPicture none =
        LoadPicture(dir.filePath(QStringLiteral("missing.bmp")), kPictureSize);
    EXPECT_TRUE(none.image.isNull());
    EXPECT_EQ(none.reason,
              "missing.bmp is not a picture Quadrillo can show: the file cannot be opened.");

    // Nothing but a regular file is read, and nothing waits: a pipe would
    // wait for a writer, a device would never end.
    const QString pipe = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString device = dir.filePath(QStringLiteral("zero.bmp"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    for (const QString& odd : {pipe, device, dir.path()}) {
        auto loading =
            std::async(std::launch::async, [&] { return LoadPicture(odd, kPictureSize); });
        const bool finished =
            loading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
        if (!finished)
            ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
        ASSERT_TRUE(finished) << odd.toStdString();
        const LoadedPicture refused = loading.get();
        EXPECT_TRUE(refused.image.isNull());
        EXPECT_EQ(refused.reason,
                  QFileInfo(odd).fileName() +
                      " is not a picture Quadrillo can show: it is not a regular file.");
    }
}

// Found by the fuzzer: a broken MNG that a plugin decodes into no picture.
TEST(PictureLoaderFuzzFinds, APictureThatComesOutEmptyIsRefusedWithAReason) {
    const QByteArray bytes = QByteArray::fromHex(
        "8a4d4e470d0a1a0a0000000d49b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5"
        "b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5"
        "b5b5b5b5b5b5b5b5b5b5b5b5b5b5b5484452000000070000000508060000000900000005000000010010000000"
        "00004d000000130b0000130b03001b494441540899636460886a906360e0c2865918341870021a490200236102"
        "7c6e4ddfb70000000049454e44ae426082");
    const LoadedPicture picture = LoadPictureData(bytes, QStringLiteral("odd.mng"), kPictureSize);
    EXPECT_EQ(picture.Ok(), picture.reason.isEmpty());
    if (picture.Ok())
        EXPECT_EQ(picture.image.size(), kPictureSize);
    else
        EXPECT_TRUE(picture.reason.startsWith("odd.mng is not a picture Quadrillo can show"))
            << picture.reason.toStdString();
}
