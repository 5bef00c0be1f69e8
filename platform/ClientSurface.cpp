#include "platform/ClientSurface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

ClientSurface::ClientSurface(QSize size) {
    Reset(size);
}

void ClientSurface::Reset(QSize size) {
    image_ = QImage(size.expandedTo({0, 0}), QImage::Format_RGB32);
    image_.fill(kWhite);
}

void ClientSurface::CopyRect(const QImage& picture, int sx, int sy, int w, int h, int dx, int dy) {
    // Clip against the surface first; the source moves with the destination.
    if (dx < 0) {
        sx -= dx;
        w += dx;
        dx = 0;
    }
    if (dy < 0) {
        sy -= dy;
        h += dy;
        dy = 0;
    }
    w = std::min(w, image_.width() - dx);
    h = std::min(h, image_.height() - dy);
    if (w <= 0 || h <= 0)
        return;

    const bool direct =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    // Columns of the source rectangle that lie inside the picture.
    const int first = std::clamp(-sx, 0, w);
    const int last = std::clamp(picture.width() - sx, first, w);
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* out = reinterpret_cast<QRgb*>(image_.bits()) + dy * stride + dx;
    for (int row = 0; row < h; ++row, out += stride) {
        const int y = sy + row;
        if (y < 0 || y >= picture.height()) {
            std::fill(out, out + w, kWhite);
            continue;
        }
        std::fill(out, out + first, kWhite);
        if (direct) {
            const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y)) + sx;
            std::memcpy(out + first, in + first, sizeof(QRgb) * (last - first));
        } else {
            for (int col = first; col < last; ++col)
                out[col] = picture.pixel(sx + col, y) | 0xff000000;
        }
        std::fill(out + last, out + w, kWhite);
    }
}

void ClientSurface::CopyRects(const QImage& picture, std::span<RectCopy> copies) {
    const bool direct =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    const int pictureWidth = picture.width(), pictureHeight = picture.height();
    const int width = image_.width(), height = image_.height();
    const auto inside = [&](const RectCopy& c) {
        return direct && c.w > 0 && c.h > 0 && c.sx >= 0 && c.sy >= 0 && c.dx >= 0 && c.dy >= 0 &&
               c.sx + c.w <= pictureWidth && c.sy + c.h <= pictureHeight && c.dx + c.w <= width &&
               c.dy + c.h <= height;
    };
    // Anything that needs clipping goes the careful way.
    const auto clipped = std::partition(copies.begin(), copies.end(), inside);
    for (auto copy = clipped; copy != copies.end(); ++copy)
        CopyRect(picture, copy->sx, copy->sy, copy->w, copy->h, copy->dx, copy->dy);

    // The rest straight from scanline to scanline.
    if (copies.begin() == clipped)
        return;
    const qsizetype outStride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    const qsizetype inStride = picture.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* out = reinterpret_cast<QRgb*>(image_.bits());
    const QRgb* in = reinterpret_cast<const QRgb*>(picture.constBits());
    // Copies side by side on the same rows go a scanline at a time across all
    // of them, so the surface is written in order rather than in columns.
    for (auto band = copies.begin(); band != clipped;) {
        const auto end = std::find_if(
            band, clipped, [&](const RectCopy& c) { return c.dy != band->dy || c.h != band->h; });
        for (int row = 0; row < band->h; ++row) {
            QRgb* const line = out + (band->dy + row) * outStride;
            for (auto c = band; c != end; ++c)
                std::memcpy(line + c->dx, in + (c->sy + row) * inStride + c->sx,
                            sizeof(QRgb) * c->w);
        }
        band = end;
    }
}

namespace {

// std::fill stores 32-bit pixels one at a time; copying a block of them lets
// the compiler use its widest stores.
void FillSpan(QRgb* first, QRgb* last, QRgb colour) {
    constexpr int kBlock = 8;
    QRgb block[kBlock];
    std::fill_n(block, kBlock, colour);
    for (; last - first >= kBlock; first += kBlock)
        std::memcpy(first, block, sizeof block);
    std::fill(first, last, colour);
}

} // namespace

void ClientSurface::Line(QPoint from, QPoint to, QRgb colour) {
    QRgb* pixels = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    const int width = image_.width(), height = image_.height();
    const auto plot = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[y * stride + x] = colour;
    };

    // Grid lines and outlines are all straight: fill them as spans.
    if (from.y() == to.y() && from.y() >= 0 && from.y() < height) {
        const int step = from.x() < to.x() ? 1 : -1;
        const int a = std::clamp(step > 0 ? from.x() : to.x() + 1, 0, width);
        const int b = std::clamp(step > 0 ? to.x() : from.x() + 1, a, width);
        FillSpan(pixels + from.y() * stride + a, pixels + from.y() * stride + b, colour);
        return;
    }
    if (from.x() == to.x() && from.x() >= 0 && from.x() < width) {
        const int a = std::clamp(from.y() < to.y() ? from.y() : to.y() + 1, 0, height);
        const int b = std::clamp(from.y() < to.y() ? to.y() : from.y() + 1, a, height);
        for (QRgb* pixel = pixels + a * stride + from.x(); pixel < pixels + b * stride;
             pixel += stride)
            *pixel = colour;
        return;
    }

    // Bresenham; the end point itself is left out.
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int stepX = x < to.x() ? 1 : -1, stepY = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        plot(x, y);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}
