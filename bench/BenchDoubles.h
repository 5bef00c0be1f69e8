#pragma once

// What the benchmarks that drive the real main window share: settings that
// are never kept, and pictures that tell themselves apart.
#include "packs/PackFormat.h"
#include "platform/ProfileStore.h"

#include <QImage>

class NoProfile : public ProfileStore {
  public:
    std::int32_t GetProfileInt(const QString&, const QString&, std::int32_t fallback) override {
        return fallback;
    }
    void WriteProfileInt(const QString&, const QString&, std::int32_t) override {}
};

// A full-size picture with detail everywhere, different for every seed.
inline QImage Gradient(int seed) {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x + seed * 40) & 0xff, y & 0xff, (x ^ y ^ seed) & 0xff));
    return image;
}
