#pragma once

#include <QImage>

// A picture whose every pixel names its own coordinates and is never white,
// so a test can tell where each drawn pixel came from.
inline QRgb CoordinatePixel(int x, int y) {
    return 0xff000000u | (unsigned(x) << 9) | unsigned(y);
}

inline QImage CoordinatePicture(int width = 600, int height = 375) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, CoordinatePixel(x, y));
    return picture;
}
