#pragma once

#include <QByteArray>
#include <QImage>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// BMP files made byte by byte, so a test can set every header field, broken
// ones included, and pixels that name their own coordinates.
namespace bmp {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

using Masks = std::array<std::uint32_t, 4>; // red, green, blue, alpha

struct Fields {
    std::optional<std::uint32_t> fileSize;    // bfSize; unset: the true size
    std::optional<std::uint32_t> pixelOffset; // bfOffBits; unset: right after the palette
    std::uint32_t headerSize = 40;            // 12 is the core header; others are cut or padded
    std::int32_t width = 0, height = 0;       // a negative height runs top down
    std::uint16_t planes = 1, bitCount = 24;
    std::uint32_t compression = kRgb;
    std::optional<std::uint32_t> imageSize; // biSizeImage; unset: the pixel bytes
    std::uint32_t coloursUsed = 0;
    // Red, green, blue, alpha: inside headers of 52 bytes and more, after a
    // 40-byte one (without alpha) when the compression is BI_BITFIELDS.
    Masks masks{};
    std::vector<QRgb> palette; // 3 bytes an entry after a core header, else 4
    QByteArray pixels;
    QByteArray junk; // after the pixels
};

QByteArray Build(const Fields& fields);

using PixelValue = std::function<std::uint32_t(int x, int y)>;

// Raw values packed at `bitCount` bits a pixel into rows padded to 4 bytes,
// bottom row first unless top down.
QByteArray PackRows(int width, int height, int bitCount, const PixelValue& value,
                    bool topDown = false);

// A direct-colour bitmap of width x height: each pixel's colour packed by
// `masks`, which go into the header only for BI_BITFIELDS.
Fields DirectFields(int bits, std::uint32_t compression, const Masks& masks,
                    const std::function<QRgb(int x, int y)>& colour, int width, int height);

// A complete RLE8 or RLE4 stream (bitCount 8 or 4) of palette indices:
// repeated runs and absolute runs, every line ended, the bitmap ended.
QByteArray EncodeRle(int width, int height, int bitCount, const PixelValue& index);

// Colours that name their pixel: red = x, green = y (both below 256).
inline QRgb Coordinate(int x, int y) {
    return qRgb(x, y, (x * 5 + y * 3 + 7) & 0xff);
}

// Every entry distinct, none black or white.
inline QRgb PaletteColour(int i) {
    return qRgb(i, (i * 53 + 17) & 0xff, (254 - i) & 0xff);
}
std::vector<QRgb> Palette(int colours);
inline int PaletteIndex(int x, int y, int colours) {
    return (x + y) % colours;
}

// A colour put into masks: a narrower mask keeps a channel's high bits, a
// wider one repeats them, so any sane reduction to 8 bits gives it back.
std::uint32_t PackColour(QRgb colour, const Masks& masks);

// What a faithful decoder makes of a packed value: each channel scaled to
// 0..255 and rounded; opaque without an alpha mask.
QRgb UnpackColour(std::uint32_t value, const Masks& masks);

} // namespace bmp
