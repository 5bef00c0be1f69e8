#include "BmpCorpus.h"
#include "DecodeCheck.h"
#include "platform/BmpCheck.h"
#include "platform/PictureLoader.h"

#include <QImageReader>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace bmp;

namespace {

const Masks k555{0x7c00, 0x03e0, 0x001f, 0}, k565{0xf800, 0x07e0, 0x001f, 0},
    k888{0xff0000, 0xff00, 0xff, 0};
const QRgb kBlack = qRgb(0, 0, 0);

// Never black; neighbours differ even in 5-bit channels, and no row or
// column matches its mirror image.
QRgb Distinct(int x, int y) {
    return qRgb((x * 40 + 20) & 0xff, (y * 40 + 20) & 0xff, 0x88);
}

Fields Direct(int bits, std::uint32_t compression, const Masks& masks, int width, int height) {
    return bmp::DirectFields(bits, compression, masks, Distinct, width, height);
}
Colours DirectColours(const Masks& masks) {
    return [masks](int x, int y) { return UnpackColour(PackColour(Distinct(x, y), masks), masks); };
}

// The bottom-right pixel takes the highest index the bit count allows; the
// others count up from 0 below it.
int EdgeIndex(int x, int y, int width, int height, int bits) {
    const int top = (1 << bits) - 1;
    return x == width - 1 && y == height - 1 ? top : (y * width + x) % top;
}
Fields Paletted(int bits, int paletteColours, std::uint32_t coloursUsed, int width, int height) {
    Fields f;
    f.width = width;
    f.height = height;
    f.bitCount = std::uint16_t(bits);
    f.palette = Palette(paletteColours);
    f.coloursUsed = coloursUsed;
    f.pixels = PackRows(width, std::abs(height), bits, [=](int x, int y) {
        return std::uint32_t(EdgeIndex(x, y, width, std::abs(height), bits));
    });
    return f;
}
// Indices the palette does not give come out black.
Colours PalettedColours(const Fields& f) {
    const int width = f.width, height = std::abs(f.height), bits = f.bitCount;
    const int given = int(f.palette.size());
    return [=](int x, int y) {
        const int index = EdgeIndex(x, y, width, height, bits);
        return index < given ? PaletteColour(index) : kBlack;
    };
}

// Refused, the reason naming the file and containing `why`.
::testing::AssertionResult RefusedBecause(const QByteArray& file, const QString& why) {
    const LoadedPicture picture =
        LoadPictureData(file, QStringLiteral("edge.bmp"), QSize(600, 375));
    if (picture.Ok())
        return ::testing::AssertionFailure() << "accepted";
    if (!picture.reason.startsWith(QLatin1String("edge.bmp ")) || !picture.reason.contains(why))
        return ::testing::AssertionFailure() << "the reason was: " << picture.reason.toStdString();
    return ::testing::AssertionSuccess();
}
::testing::AssertionResult RefusedBecause(const Fields& f, const QString& why) {
    return RefusedBecause(Build(f), why);
}

std::uint32_t PixelOffsetOf(const QByteArray& file) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | std::uint8_t(file[10 + i]);
    return value;
}
QByteArray WithPixelOffset(QByteArray file, std::uint32_t offset) {
    for (int i = 0; i < 4; ++i)
        file[10 + i] = char((offset >> (8 * i)) & 0xff);
    return file;
}

// Sets the reader's allocation limit for one test.
class AllocationLimit {
  public:
    explicit AllocationLimit(int megabytes) : saved_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(saved_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

  private:
    int saved_;
};

// A run-length file whose pixels are never checked against its size: only
// the header check stands between it and an allocation.
Fields RunLength(int width, int height) {
    Fields f;
    f.width = width;
    f.height = height;
    f.bitCount = 8;
    f.compression = kRle8;
    f.palette = Palette(1);
    f.coloursUsed = 1;
    f.pixels = QByteArray("\x00\x01", 2);
    return f;
}

} // namespace

TEST(BmpLimits, PaletteOfTwoToTheBitsColoursAndNoMore) {
    for (int bits : {1, 4, 8}) {
        const int full = 1 << bits;
        const int width = bits == 8 ? 16 : 3;
        for (std::uint32_t used : {std::uint32_t(full - 1), std::uint32_t(full), 0u}) {
            SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(used) + " used");
            const int given = used ? int(used) : full;
            const Fields f = Paletted(bits, given, used, width, 2);
            EXPECT_TRUE(Decodes(f, PalettedColours(f)));
        }
        SCOPED_TRACE(std::to_string(bits) + " bits");
        EXPECT_TRUE(RefusedBecause(Paletted(bits, full + 1, full + 1, width, 2),
                                   QStringLiteral("claims %1 palette colours").arg(full + 1)));
        // 0 is the full palette: pixels right after one entry start inside it.
        EXPECT_TRUE(RefusedBecause(Paletted(bits, 1, 0, width, 2), "inside its headers"));
    }
}

TEST(BmpLimits, PixelOffsetAtTheEndOfTheHeadersAndNotBefore) {
    struct Case {
        const char* label;
        Fields f;
        std::uint32_t headersEnd; // counted by hand
        Colours expected;
    };
    Fields core = Paletted(8, 256, 0, 16, 2);
    core.headerSize = 12;
    Fields v5 = Paletted(1, 2, 0, 3, 2);
    v5.headerSize = 124;
    Fields v4 = Direct(32, kBitfields, k888, 3, 2);
    v4.headerSize = 108;
    const std::vector<Case> cases = {
        {"24 bits", Direct(24, kRgb, k888, 3, 2), 14 + 40, DirectColours(k888)},
        {"4 bits, 5 colours", Paletted(4, 5, 5, 3, 2), 14 + 40 + 5 * 4, {}},
        {"core header, 3-byte entries", core, 14 + 12 + 256 * 3, {}},
        {"1 bit, 124-byte header", v5, 14 + 124 + 2 * 4, {}},
        {"16-bit masks after the header", Direct(16, kBitfields, k565, 3, 2), 14 + 40 + 12,
         DirectColours(k565)},
        {"32-bit masks in the header", v4, 14 + 108, DirectColours(k888)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Colours expected = c.expected ? c.expected : PalettedColours(c.f);
        const QByteArray file = Build(c.f);
        ASSERT_EQ(PixelOffsetOf(file), c.headersEnd);
        EXPECT_TRUE(Decodes(c.f, expected));

        Fields gap = c.f;
        gap.pixels.prepend(char(0xAB));
        gap.pixelOffset = c.headersEnd + 1;
        EXPECT_TRUE(Decodes(gap, expected));

        EXPECT_TRUE(RefusedBecause(WithPixelOffset(file, c.headersEnd - 1), "inside its headers"));
        const auto size = std::uint32_t(file.size());
        EXPECT_TRUE(RefusedBecause(WithPixelOffset(file, size), "past the end"));
        EXPECT_TRUE(RefusedBecause(WithPixelOffset(file, size - 1), "ends early"));
    }
}

TEST(BmpLimits, PixelDataExactlyAsLongAsThePaddedRows) {
    struct Case {
        const char* label;
        Fields f;
        qsizetype rowBytes; // counted by hand
        Colours expected;
    };
    const std::vector<Case> cases = {
        {"24 bits, 3 wide", Direct(24, kRgb, k888, 3, 2), 12, DirectColours(k888)},
        {"24 bits, 3 wide, top down", Direct(24, kRgb, k888, 3, -2), 12, DirectColours(k888)},
        {"32 bits, 1 wide", Direct(32, kRgb, k888, 1, 3), 4, DirectColours(k888)},
        {"16-bit 5-5-5, 3 wide", Direct(16, kRgb, k555, 3, 2), 8, DirectColours(k555)},
        {"16-bit masks, 3 wide", Direct(16, kBitfields, k565, 3, 2), 8, DirectColours(k565)},
        {"32-bit masks, 1 wide", Direct(32, kBitfields, k888, 1, 3), 4, DirectColours(k888)},
        {"1 bit, 1 wide", Paletted(1, 2, 0, 1, 3), 4, {}},
        {"4 bits, 9 wide", Paletted(4, 16, 0, 9, 2), 8, {}},
        {"8 bits, 5 wide", Paletted(8, 256, 0, 5, 2), 8, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Colours expected = c.expected ? c.expected : PalettedColours(c.f);
        const QByteArray file = Build(c.f);
        ASSERT_EQ(file.size() - PixelOffsetOf(file), c.rowBytes * std::abs(c.f.height));
        EXPECT_TRUE(Decodes(c.f, expected));
        EXPECT_TRUE(RefusedBecause(file.left(file.size() - 1), "ends early"));
    }
}

TEST(BmpLimits, WidthAndHeightAtOneZeroAndBelow) {
    const Colours colours = DirectColours(k888);
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, 1, 1), colours));
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, 3, 1), colours));
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, 3, -1), colours));
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, 3, -2), colours));
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, 1, 2), colours));
    EXPECT_TRUE(Decodes(Paletted(1, 2, 0, 1, 1), [](int, int) { return PaletteColour(1); }));

    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    const struct {
        std::int32_t width, height;
        QString why;
    } refused[] = {
        {0, 2, "announces a size of 0 x 2 pixels"},
        {-1, 2, "announces a size of -1 x 2 pixels"},
        {kMin, 2, "announces a size of -2147483648 x 2 pixels"},
        {2, 0, "announces a size of 2 x 0 pixels"},
        {2, kMin, "announces a size of 2 x -2147483648 pixels"},
        // One row fewer than INT32_MIN is a size, if far too large.
        {2, kMin + 1, "at 2 x 2147483647 pixels it is too large"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(std::to_string(r.width) + " x " + std::to_string(r.height));
        Fields f = Direct(24, kRgb, k888, 2, 2);
        f.width = r.width;
        f.height = r.height;
        EXPECT_TRUE(RefusedBecause(f, r.why));
    }
}

TEST(BmpLimits, OnlyTheKnownHeaderSizes) {
    for (std::uint32_t size : {11u, 12u, 13u, 39u, 40u, 41u, 107u, 108u, 109u, 123u, 124u, 125u}) {
        SCOPED_TRACE(size);
        Fields f = Direct(24, kRgb, k888, 3, 2);
        f.headerSize = size;
        if (size == 12 || size == 40 || size == 108 || size == 124) {
            EXPECT_TRUE(Decodes(f, DirectColours(k888)));
        } else {
            EXPECT_TRUE(RefusedBecause(
                f, QStringLiteral("its header size of %1 bytes is not one a BMP has").arg(size)));
        }
    }
}

TEST(BmpLimits, OnlyTheKnownBitCounts) {
    for (int bits : {1, 4, 8}) {
        SCOPED_TRACE(bits);
        const Fields f = Paletted(bits, 1 << bits, 0, 3, 2);
        EXPECT_TRUE(Decodes(f, PalettedColours(f)));
    }
    EXPECT_TRUE(Decodes(Direct(16, kRgb, k555, 3, 2), DirectColours(k555)));
    EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, 3, 2), DirectColours(k888)));
    EXPECT_TRUE(Decodes(Direct(32, kRgb, k888, 3, 2), DirectColours(k888)));
    for (int bits : {0, 2, 3, 7, 9, 15, 17, 23, 25, 31, 33, 0xffff}) {
        SCOPED_TRACE(bits);
        Fields f = Direct(24, kRgb, k888, 3, 2);
        f.bitCount = std::uint16_t(bits);
        EXPECT_TRUE(RefusedBecause(
            f, QStringLiteral("it claims %1 bits a pixel, which no BMP has").arg(bits)));
    }
}

TEST(BmpLimits, SixteenThousandThreeHundredAndEightyFourSquaredAtMost) {
    // No allocation limit, so only the pixel count decides; nothing this
    // large is decoded, only checked.
    const AllocationLimit unlimited(0);
    for (QSize size : {QSize(16384, 16384), QSize(1 << 28, 1), QSize(1, 1 << 28)}) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        const BmpPreparation prepared = PrepareBmp(Build(RunLength(size.width(), size.height())));
        EXPECT_EQ(prepared.refusal, QString());
        EXPECT_EQ(prepared.size, size);
    }
    // Past the size check, uncompressed rows are still measured.
    Fields rows = Direct(24, kRgb, k888, 2, 2);
    rows.width = rows.height = 16384;
    EXPECT_TRUE(RefusedBecause(rows, "the picture data ends early"));

    // 2^28 + 1 = 17 x 15790321: one pixel more.
    const struct {
        std::int32_t width, height;
        const char* shown;
    } over[] = {
        {16385, 16384, "16385 x 16384"},  {16384, 16385, "16384 x 16385"},
        {16384, -16385, "16384 x 16385"}, {17, 15790321, "17 x 15790321"},
        {15790321, 17, "15790321 x 17"},  {(1 << 28) + 1, 1, "268435457 x 1"},
    };
    for (const auto& o : over) {
        SCOPED_TRACE(o.shown);
        EXPECT_TRUE(RefusedBecause(
            RunLength(o.width, o.height),
            QStringLiteral("at %1 pixels it is too large to show.").arg(QLatin1String(o.shown))));
    }
}

TEST(BmpLimits, AllocationLimitHoldsAtFourBytesAPixel) {
    {
        // 512 x 512 at 4 bytes is exactly 1 MiB: the largest picture decoded.
        const AllocationLimit oneMegabyte(1);
        EXPECT_TRUE(Decodes(Direct(24, kRgb, k888, 512, 512), DirectColours(k888)));
        for (QSize size : {QSize(512, 513), QSize(513, 512), QSize(1024, 257)}) {
            SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
            EXPECT_TRUE(RefusedBecause(RunLength(size.width(), size.height()),
                                       QStringLiteral("at %1 x %2 pixels it is too large to show")
                                           .arg(size.width())
                                           .arg(size.height())));
        }
    }
    // 16384 x 16384 needs exactly 1 GiB: only checked, never decoded.
    for (int megabytes : {1023, 1024}) {
        SCOPED_TRACE(megabytes);
        const AllocationLimit limit(megabytes);
        const BmpPreparation prepared = PrepareBmp(Build(RunLength(16384, 16384)));
        if (megabytes == 1024) {
            EXPECT_EQ(prepared.refusal, QString());
        } else {
            EXPECT_EQ(prepared.refusal,
                      QStringLiteral("at 16384 x 16384 pixels it is too large to show"));
        }
    }
}

TEST(BmpLimits, SmoothStretchBlendsOnlyWhereColoursMeet) {
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    Fields halves;
    halves.width = 8;
    halves.height = 4;
    halves.pixels = PackRows(8, 4, 24, [&](int x, int) { return (x < 4 ? red : blue) & 0xffffff; });

    // At its own size the seam stays sharp.
    EXPECT_TRUE(Decodes(halves, [&](int x, int) { return x < 4 ? red : blue; }));

    for (QSize size : {QSize(80, 40), QSize(600, 375)}) {
        SCOPED_TRACE(std::to_string(size.width()) + " x " + std::to_string(size.height()));
        const LoadedPicture loaded = LoadPictureData(Build(halves), QStringLiteral("h.bmp"), size);
        ASSERT_TRUE(loaded.Ok()) << loaded.reason.toStdString();
        ASSERT_EQ(loaded.image.size(), size);
        const int w = size.width();
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb p = loaded.image.pixel(x, y);
                ASSERT_EQ(qGreen(p), 0) << x << ", " << y;
                if (x < w * 3 / 8) {
                    ASSERT_EQ(p, red) << x << ", " << y;
                }
                if (x >= w * 5 / 8) {
                    ASSERT_EQ(p, blue) << x << ", " << y;
                }
                // A ramp: red only falls, blue only rises.
                if (x > 0) {
                    const QRgb left = loaded.image.pixel(x - 1, y);
                    ASSERT_LE(qRed(p), qRed(left)) << x << ", " << y;
                    ASSERT_GE(qBlue(p), qBlue(left)) << x << ", " << y;
                }
            }
            for (int x : {w / 2 - 1, w / 2}) {
                const QRgb p = loaded.image.pixel(x, y);
                EXPECT_GT(qRed(p), 63) << x << ", " << y;
                EXPECT_LT(qRed(p), 192) << x << ", " << y;
                EXPECT_NEAR(qRed(p) + qBlue(p), 255, 2) << x << ", " << y;
            }
        }
    }
}
