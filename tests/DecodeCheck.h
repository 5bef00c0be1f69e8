#pragma once

// Whether a BMP decodes at a size into the pixels a test expects, naming the
// first pixel that differs.
#include "BmpCorpus.h"
#include "platform/PictureLoader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

using Colours = std::function<QRgb(int x, int y)>;

inline std::string Hex(QRgb value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

// Decoded at `size` with every pixel as `expected` says, else the first that is not.
inline ::testing::AssertionResult Decodes(const QByteArray& file, QSize size,
                                          const Colours& expected) {
    const LoadedPicture picture = LoadPictureData(file, QStringLiteral("corpus.bmp"), size);
    if (!picture.Ok())
        return ::testing::AssertionFailure() << "refused: " << picture.reason.toStdString();
    if (picture.image.size() != size || picture.image.format() != QImage::Format_RGB32)
        return ::testing::AssertionFailure()
               << "came back " << picture.image.width() << " x " << picture.image.height()
               << " in format " << int(picture.image.format());
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            if (picture.image.pixel(x, y) != expected(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << Hex(picture.image.pixel(x, y))
                       << ", not " << Hex(expected(x, y));
    return ::testing::AssertionSuccess();
}
inline ::testing::AssertionResult Decodes(const bmp::Fields& f, const Colours& expected) {
    return Decodes(bmp::Build(f), QSize(f.width, std::abs(f.height)), expected);
}
