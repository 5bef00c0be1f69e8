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
    for (int row = 0; row < h; ++row) {
        auto* out = reinterpret_cast<QRgb*>(image_.scanLine(dy + row)) + dx;
        const int y = sy + row;
        if (y < 0 || y >= picture.height()) {
            std::fill(out, out + w, kWhite);
            continue;
        }
        // Columns of the source rectangle that lie inside the picture.
        const int first = std::clamp(-sx, 0, w);
        const int last = std::clamp(picture.width() - sx, first, w);
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

void ClientSurface::Plot(int x, int y, QRgb colour) {
    if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
        reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour;
}

void ClientSurface::Line(QPoint from, QPoint to, QRgb colour) {
    // Bresenham; the end point itself is left out.
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int stepX = x < to.x() ? 1 : -1, stepY = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        Plot(x, y, colour);
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
