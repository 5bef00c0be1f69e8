#include "BmpCorpus.h"

#include "platform/LittleEndian.h"

#include <algorithm>
#include <bit>

namespace bmp {

namespace {

void Put16(QByteArray& out, std::uint32_t v) {
    AppendLittleEndian16(out, std::uint16_t(v));
}
void Put32(QByteArray& out, std::uint32_t v) {
    AppendLittleEndian32(out, v);
}

QByteArray InfoHeader(const Fields& f) {
    QByteArray info;
    Put32(info, f.headerSize);
    if (f.headerSize == 12) {
        Put16(info, std::uint16_t(f.width));
        Put16(info, std::uint16_t(f.height));
        Put16(info, f.planes);
        Put16(info, f.bitCount);
        return info;
    }
    Put32(info, std::uint32_t(f.width));
    Put32(info, std::uint32_t(f.height));
    Put16(info, f.planes);
    Put16(info, f.bitCount);
    Put32(info, f.compression);
    Put32(info, f.imageSize.value_or(std::uint32_t(f.pixels.size())));
    Put32(info, 2835); // 72 dpi
    Put32(info, 2835);
    Put32(info, f.coloursUsed);
    Put32(info, 0);
    for (std::uint32_t mask : f.masks)
        Put32(info, mask);
    Put32(info, 0x73524742);                                 // sRGB
    info.append(QByteArray(36 + 12, '\0'));                  // end points, gamma
    Put32(info, 4);                                          // rendering intent: pictures
    info.append(QByteArray(12, '\0'));                       // no profile
    info.resize(std::max<qsizetype>(f.headerSize, 4), '\0'); // keep the size field
    if (f.headerSize == 40 && f.compression == kBitfields)
        for (int i = 0; i < 3; ++i)
            Put32(info, f.masks[i]);
    return info;
}

} // namespace

QByteArray Build(const Fields& f) {
    QByteArray headers = InfoHeader(f);
    for (QRgb colour : f.palette) {
        headers.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour)));
        if (f.headerSize != 12)
            headers.append('\0');
    }
    const qsizetype total = 14 + headers.size() + f.pixels.size() + f.junk.size();
    QByteArray out("BM");
    Put32(out, f.fileSize.value_or(std::uint32_t(total)));
    Put32(out, 0);
    Put32(out, f.pixelOffset.value_or(std::uint32_t(14 + headers.size())));
    return out + headers + f.pixels + f.junk;
}

QByteArray PackRows(int width, int height, int bitCount, const PixelValue& value, bool topDown) {
    const int rowBytes = (width * bitCount + 31) / 32 * 4;
    QByteArray out(qsizetype(rowBytes) * height, '\0');
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        char* line = out.data() + qsizetype(row) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bitCount >= 8) {
                for (int b = 0; b < bitCount / 8; ++b)
                    line[x * bitCount / 8 + b] = char((v >> (8 * b)) & 0xff);
            } else {
                const int bit = x * bitCount, shift = 8 - bitCount - bit % 8;
                line[bit / 8] = char(line[bit / 8] | ((v & ((1u << bitCount) - 1)) << shift));
            }
        }
    }
    return out;
}

Fields DirectFields(int bits, std::uint32_t compression, const Masks& masks,
                    const std::function<QRgb(int x, int y)>& colour, int width, int height) {
    Fields f;
    f.width = width;
    f.height = height;
    f.bitCount = std::uint16_t(bits);
    f.compression = compression;
    if (compression == kBitfields)
        f.masks = masks;
    f.pixels = PackRows(
        width, std::abs(height), bits,
        [&](int x, int y) { return PackColour(colour(x, y), masks); }, height < 0);
    return f;
}

QByteArray EncodeRle(int width, int height, int bitCount, const PixelValue& index) {
    QByteArray out;
    // Two pixels a byte at 4 bits: a run repeats the pair.
    const auto pair = [&](int a, int b) {
        return bitCount == 8 ? char(a) : char((a << 4) | (b & 0x0f));
    };
    for (int y = height - 1; y >= 0; --y) {
        int x = 0;
        while (x < width) {
            int same = 1;
            while (x + same < width && same < 255 && index(x + same, y) == index(x, y))
                ++same;
            if (same >= 3 || width - x < 3) {
                const int n = same >= 3 ? same : 1;
                out.append(char(n)).append(pair(index(x, y), index(x, y)));
                x += n;
                continue;
            }
            // Absolute: up to the next run of three, at least three pixels.
            int n = 3;
            while (x + n < width && n < 255 &&
                   !(x + n + 2 < width && index(x + n, y) == index(x + n + 1, y) &&
                     index(x + n, y) == index(x + n + 2, y)))
                ++n;
            QByteArray literal;
            for (int i = 0; i < n; i += bitCount == 8 ? 1 : 2)
                literal.append(pair(index(x + i, y), i + 1 < n ? index(x + i + 1, y) : 0));
            if (literal.size() % 2)
                literal.append('\0');
            out.append('\0').append(char(n)).append(literal);
            x += n;
        }
        out.append('\0').append(y == 0 ? '\1' : '\0');
    }
    return out;
}

std::uint32_t PackColour(QRgb colour, const Masks& masks) {
    const int channels[4] = {qRed(colour), qGreen(colour), qBlue(colour), qAlpha(colour)};
    std::uint32_t value = 0;
    for (int c = 0; c < 4; ++c) {
        if (masks[c] == 0)
            continue;
        const int bits = std::popcount(masks[c]);
        std::uint64_t repeated = 0;
        int filled = 0;
        for (; filled < bits; filled += 8)
            repeated = repeated << 8 | std::uint64_t(channels[c]);
        value |= std::uint32_t(repeated >> (filled - bits)) << std::countr_zero(masks[c]);
    }
    return value;
}

QRgb UnpackColour(std::uint32_t value, const Masks& masks) {
    int channels[4] = {0, 0, 0, 255};
    for (int c = 0; c < 4; ++c) {
        if (masks[c] == 0)
            continue;
        const std::uint64_t max = (std::uint64_t(1) << std::popcount(masks[c])) - 1;
        const std::uint64_t v = (value & masks[c]) >> std::countr_zero(masks[c]);
        channels[c] = int((v * 255 + max / 2) / max);
    }
    return qRgba(channels[0], channels[1], channels[2], channels[3]);
}

std::vector<QRgb> Palette(int colours) {
    std::vector<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette.push_back(PaletteColour(i));
    return palette;
}

} // namespace bmp
