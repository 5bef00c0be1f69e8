#include "platform/BmpWriter.h"

#include "platform/LittleEndian.h"

#include <cstdint>

QByteArray EncodeBmp24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width(), height = rgb.height();
    const std::uint32_t rowBytes = (std::uint32_t(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * std::uint32_t(height);
    constexpr std::uint32_t headers = 14 + 40;

    QByteArray out;
    out.reserve(qsizetype(headers + pixelBytes));
    out.append("BM");
    AppendLittleEndian32(out, headers + pixelBytes);
    AppendLittleEndian32(out, 0);
    AppendLittleEndian32(out, headers);
    AppendLittleEndian32(out, 40);
    AppendLittleEndian32(out, std::uint32_t(width));
    AppendLittleEndian32(out, std::uint32_t(height));
    AppendLittleEndian16(out, 1);
    AppendLittleEndian16(out, 24);
    AppendLittleEndian32(out, 0); // BI_RGB
    AppendLittleEndian32(out, pixelBytes);
    AppendLittleEndian32(out, 2835); // 72 dpi
    AppendLittleEndian32(out, 2835);
    AppendLittleEndian32(out, 0);
    AppendLittleEndian32(out, 0);
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
