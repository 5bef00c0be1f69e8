#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// What the header check made of a BMP file: either why it is refused, or
// the bytes to hand to the image reader (rewritten where the reader would
// get them wrong), the size they announce and the format it decodes into.
struct BmpPreparation {
    QString refusal;
    QByteArray bytes;
    QSize size;
    QImage::Format format = QImage::Format_Invalid;
    bool runLengthEncoded = false; // may skip pixels, which then stay as they were

    bool Refused() const { return !refusal.isEmpty(); }
};

bool LooksLikeBmp(const QByteArray& file);

// Refuses what is truly broken (pixel data shorter than the rows need, a
// pixel-data offset inside the headers or past the end, bad colour masks,
// more palette colours than the bit count allows, a bit count or compression
// that does not exist, a size of zero or too large to allocate). Tolerates
// what real files get wrong harmlessly: the file-size and image-size fields,
// junk after the pixels, a top-down height. Rewrites 52- and 56-byte headers
// and colour channels of other than 8 bits into a form the reader decodes
// right; BI_RGB pixels have no alpha.
BmpPreparation PrepareBmp(const QByteArray& file);
