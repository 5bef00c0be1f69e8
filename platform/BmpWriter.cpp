#include "platform/BmpWriter.h"

#include <cstdint>

namespace {

void Put16(QByteArray& out, std::uint16_t value) {
    out.append(char(value & 0xff)).append(char(value >> 8));
}

void Put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

} // namespace

QByteArray EncodeBmp24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width(), height = rgb.height();
    const std::uint32_t rowBytes = (std::uint32_t(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * std::uint32_t(height);
    constexpr std::uint32_t headers = 14 + 40;

    QByteArray out;
    out.reserve(qsizetype(headers + pixelBytes));
    out.append("BM");
    Put32(out, headers + pixelBytes);
    Put32(out, 0);
    Put32(out, headers);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0); // BI_RGB
    Put32(out, pixelBytes);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out.append(char(qBlue(line[x])))
                .append(char(qGreen(line[x])))
                .append(char(qRed(line[x])));
        for (std::uint32_t pad = std::uint32_t(width) * 3; pad < rowBytes; ++pad)
            out.append('\0');
    }
    return out;
}
