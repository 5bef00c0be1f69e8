#include "platform/BmpCheck.h"

#include "platform/LittleEndian.h"

#include <QImageReader>

#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kCoreHeaderSize = 12;
constexpr int kInfoHeaderSize = 40;
constexpr int kV4HeaderSize = 108;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

std::uint32_t U32(const QByteArray& b, qsizetype at) {
    return ReadLittleEndian32(b.constData() + at);
}
std::uint16_t U16(const QByteArray& b, qsizetype at) {
    return ReadLittleEndian16(b.constData() + at);
}
void Put32(QByteArray& b, qsizetype at, std::uint32_t v) {
    WriteLittleEndian32(v, b.data() + at);
}

struct Layout {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows run top down
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::array<std::uint32_t, 4> masks{}; // red, green, blue, alpha
    std::uint32_t pixelOffset = 0;
    std::int64_t RowBytes() const { return (width * bitCount + 31) / 32 * 4; }
    std::int64_t Rows() const { return height < 0 ? -height : height; }
};

bool Contiguous(std::uint32_t mask) {
    const std::uint32_t low = mask >> std::countr_zero(mask);
    return (low & (low + 1)) == 0;
}

QString CheckMasks(const Layout& layout) {
    const auto& m = layout.masks;
    for (int i = 0; i < 3; ++i)
        if (m[i] == 0)
            return QStringLiteral("a colour mask is empty");
    for (int i = 0; i < 4; ++i) {
        if (m[i] == 0)
            continue;
        if (!Contiguous(m[i]))
            return QStringLiteral("a colour mask is not one run of bits");
        if (layout.bitCount < 32 && (m[i] >> layout.bitCount) != 0)
            return QStringLiteral("a colour mask lies outside the %1 bits of a pixel")
                .arg(layout.bitCount);
        for (int j = i + 1; j < 4; ++j)
            if (m[i] & m[j])
                return QStringLiteral("two colour masks overlap");
    }
    return {};
}

// The reader zeroes channels wider than 8 bits and leaves narrower ones
// short of full intensity (31 of 31 becomes 248, a 1-bit alpha half opaque).
bool NeedsRescale(const Layout& layout) {
    for (std::uint32_t mask : layout.masks)
        if (mask != 0 && std::popcount(mask) != 8)
            return true;
    return false;
}

// A 108-byte header after the file header: the reader takes masks, alpha
// included, from it.
QByteArray V4Header(const QByteArray& file, const Layout& layout, std::uint32_t compression,
                    int bitCount, const std::array<std::uint32_t, 4>& masks) {
    QByteArray header = file.mid(kFileHeaderSize, kInfoHeaderSize);
    if (layout.headerSize == kCoreHeaderSize) // its fields are laid out otherwise
        header = QByteArray(kInfoHeaderSize, '\0');
    Put32(header, 0, kV4HeaderSize);
    Put32(header, 4, std::uint32_t(layout.width));
    Put32(header, 8, std::uint32_t(layout.height));
    header[12] = 1;
    header[13] = 0;
    header[14] = char(bitCount);
    header[15] = 0;
    Put32(header, 16, compression);
    Put32(header, 20, 0); // the image size: the reader works it out
    for (std::uint32_t mask : masks)
        AppendLittleEndian32(header, mask);
    AppendLittleEndian32(header, 0x73524742); // sRGB
    header.append(QByteArray(kV4HeaderSize - header.size(), '\0'));
    return header;
}

QByteArray FileHeader(const QByteArray& file, qsizetype total, std::uint32_t pixelOffset) {
    QByteArray header = file.left(kFileHeaderSize);
    Put32(header, 2, std::uint32_t(total));
    Put32(header, 10, pixelOffset);
    return header;
}

// Masks of other than 8 bits: every pixel re-encoded as 8 bits per channel.
QByteArray WithNarrowMasks(const QByteArray& file, const Layout& layout) {
    const bool alpha = layout.masks[3] != 0;
    const std::array<std::uint32_t, 4> masks = {0x00ff0000, 0x0000ff00, 0x000000ff,
                                                alpha ? 0xff000000u : 0u};
    const QByteArray info = V4Header(file, layout, kBitfields, 32, masks);
    const std::uint32_t offset = kFileHeaderSize + kV4HeaderSize;
    const std::int64_t outRow = layout.width * 4;
    QByteArray out = FileHeader(file, offset + outRow * layout.Rows(), offset) + info;
    out.reserve(qsizetype(offset + outRow * layout.Rows()));

    std::array<int, 4> shift{}, bits{};
    for (int c = 0; c < 4; ++c) {
        shift[c] = layout.masks[c] ? std::countr_zero(layout.masks[c]) : 0;
        bits[c] = std::popcount(layout.masks[c]);
    }
    const auto channel = [&](std::uint32_t value, int c) -> std::uint32_t {
        if (bits[c] == 0)
            return c == 3 ? 0xff : 0;
        const std::uint64_t v = (value & layout.masks[c]) >> shift[c];
        const std::uint64_t max = (std::uint64_t(1) << bits[c]) - 1;
        return std::uint32_t((v * 255 + max / 2) / max);
    };
    const int bytesPerPixel = layout.bitCount / 8;
    for (std::int64_t row = 0; row < layout.Rows(); ++row) {
        const qsizetype in = qsizetype(layout.pixelOffset + row * layout.RowBytes());
        for (std::int64_t x = 0; x < layout.width; ++x) {
            const qsizetype at = in + qsizetype(x * bytesPerPixel);
            const std::uint32_t value = bytesPerPixel == 4 ? U32(file, at) : U16(file, at);
            AppendLittleEndian32(out, channel(value, 2) | channel(value, 1) << 8 |
                                          channel(value, 0) << 16 | channel(value, 3) << 24);
        }
    }
    return out;
}

// 52- and 56-byte headers become 108-byte ones; palette and pixels follow
// unchanged.
QByteArray WithV4Header(const QByteArray& file, const Layout& layout) {
    const QByteArray info =
        V4Header(file, layout, layout.compression, layout.bitCount, layout.masks);
    const QByteArray rest = file.mid(kFileHeaderSize + layout.headerSize);
    const std::uint32_t grown = kV4HeaderSize - layout.headerSize;
    return FileHeader(file, kFileHeaderSize + info.size() + rest.size(),
                      layout.pixelOffset + grown) +
           info + rest;
}

QImage::Format DecodedFormat(const Layout& layout, bool transparent) {
    if (layout.bitCount == 1)
        return QImage::Format_Mono;
    if (layout.bitCount <= 8)
        return QImage::Format_Indexed8;
    return transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

BmpPreparation Refuse(const QString& why) {
    return {why, {}, {}, QImage::Format_Invalid};
}

} // namespace

bool LooksLikeBmp(const QByteArray& file) {
    return file.startsWith("BM");
}

BmpPreparation PrepareBmp(const QByteArray& file) {
    const qsizetype size = file.size();
    if (size < kFileHeaderSize + 4)
        return Refuse(QStringLiteral("the file ends inside its header"));
    Layout layout;
    layout.pixelOffset = U32(file, 10);
    layout.headerSize = U32(file, kFileHeaderSize);
    switch (layout.headerSize) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
        break;
    default:
        return Refuse(QStringLiteral("its header size of %1 bytes is not one a BMP has")
                          .arg(layout.headerSize));
    }
    if (size < kFileHeaderSize + qsizetype(layout.headerSize))
        return Refuse(QStringLiteral("the file ends inside its header"));

    const qsizetype info = kFileHeaderSize;
    int planes = 1;
    std::uint32_t coloursUsed = 0;
    int paletteEntry = 4;
    if (layout.headerSize == kCoreHeaderSize) {
        layout.width = std::int16_t(U16(file, info + 4));
        layout.height = std::int16_t(U16(file, info + 6));
        planes = U16(file, info + 8);
        layout.bitCount = U16(file, info + 10);
        paletteEntry = 3;
    } else {
        layout.width = std::int32_t(U32(file, info + 4));
        layout.height = std::int32_t(U32(file, info + 8));
        planes = U16(file, info + 12);
        layout.bitCount = U16(file, info + 14);
        layout.compression = U32(file, info + 16);
        coloursUsed = U32(file, info + 32);
    }

    if (layout.width <= 0 || layout.height == 0 ||
        layout.height == std::numeric_limits<std::int32_t>::min())
        return Refuse(QStringLiteral("it announces a size of %1 x %2 pixels")
                          .arg(layout.width)
                          .arg(layout.height));
    if (planes != 1)
        return Refuse(QStringLiteral("it claims %1 colour planes instead of one").arg(planes));
    switch (layout.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return Refuse(
            QStringLiteral("it claims %1 bits a pixel, which no BMP has").arg(layout.bitCount));
    }
    const std::uint32_t c = layout.compression;
    const bool os2 = layout.headerSize == 64;
    const bool compressionFits =
        c == kRgb || (c == kRle8 && layout.bitCount == 8) || (c == kRle4 && layout.bitCount == 4) ||
        (!os2 && c == kBitfields && (layout.bitCount == 16 || layout.bitCount == 32));
    if (!compressionFits)
        return Refuse(QStringLiteral("its compression (%1 at %2 bits a pixel) is not one "
                                     "Quadrillo reads")
                          .arg(c)
                          .arg(layout.bitCount));

    qsizetype headersEnd = kFileHeaderSize + layout.headerSize;
    if (c == kBitfields) {
        qsizetype masksAt = info + kInfoHeaderSize;
        if (layout.headerSize == kInfoHeaderSize) {
            headersEnd += 12;
            if (size < headersEnd)
                return Refuse(QStringLiteral("the file ends inside its header"));
        }
        for (int i = 0; i < 3; ++i)
            layout.masks[i] = U32(file, masksAt + 4 * i);
        if (layout.headerSize >= 56)
            layout.masks[3] = U32(file, masksAt + 12);
        if (QString why = CheckMasks(layout); !why.isEmpty())
            return Refuse(why);
    } else if (layout.bitCount == 16) {
        // BI_RGB's own 5-5-5; masks in a header mean nothing without BI_BITFIELDS.
        layout.masks = {0x7c00, 0x03e0, 0x001f, 0};
    }

    if (layout.bitCount <= 8) {
        const std::uint32_t most = 1u << layout.bitCount;
        if (coloursUsed > most)
            return Refuse(QStringLiteral("it claims %1 palette colours, more than %2 bits a "
                                         "pixel can choose from")
                              .arg(coloursUsed)
                              .arg(layout.bitCount));
        headersEnd += qsizetype(coloursUsed ? coloursUsed : most) * paletteEntry;
    }
    if (layout.pixelOffset >= std::uint64_t(size))
        return Refuse(QStringLiteral("its picture data would start past the end of the file"));
    if (qsizetype(layout.pixelOffset) < headersEnd)
        return Refuse(QStringLiteral("its picture data would start inside its headers"));

    // Qt's own ceiling, and the reader's allocation limit.
    const std::int64_t pixels = layout.width * layout.Rows();
    const std::int64_t limit = std::int64_t(QImageReader::allocationLimit()) << 20;
    if (pixels > std::int64_t(16384) * 16384 || (limit > 0 && pixels * 4 > limit))
        return Refuse(QStringLiteral("at %1 x %2 pixels it is too large to show")
                          .arg(layout.width)
                          .arg(layout.Rows()));
    if ((c == kRgb || c == kBitfields) &&
        std::int64_t(size) - layout.pixelOffset < layout.RowBytes() * layout.Rows())
        return Refuse(QStringLiteral("the picture data ends early"));

    BmpPreparation prepared;
    prepared.size = QSize(int(layout.width), int(layout.Rows()));
    prepared.runLengthEncoded = c == kRle8 || c == kRle4;
    if (NeedsRescale(layout)) {
        prepared.bytes = WithNarrowMasks(file, layout);
        prepared.format = DecodedFormat(layout, layout.masks[3] != 0);
    } else if (layout.headerSize == 52 || layout.headerSize == 56) {
        prepared.bytes = WithV4Header(file, layout);
        prepared.format = DecodedFormat(layout, c == kBitfields && layout.masks[3] != 0);
    } else {
        prepared.bytes = file;
        prepared.format = DecodedFormat(layout, c == kBitfields && layout.masks[3] != 0);
        // The reader takes an alpha mask even without BI_BITFIELDS, where
        // the fourth byte is usually zero: the picture would vanish.
        const qsizetype alphaAt = info + kInfoHeaderSize + 12;
        if (c != kBitfields && layout.headerSize >= kV4HeaderSize && U32(file, alphaAt) != 0)
            Put32(prepared.bytes, alphaAt, 0);
    }
    return prepared;
}
