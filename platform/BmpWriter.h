#pragma once

#include <QByteArray>
#include <QImage>

// A 24-bit, bottom-up, uncompressed BMP: the form every pack picture takes.
QByteArray EncodeBmp24(const QImage& image);
