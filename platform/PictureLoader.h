#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// A picture read from a file, ready to be shown at the size asked for, or the
// reason it cannot be shown.
struct LoadedPicture {
    QImage image; // Format_RGB32, exactly the size asked for; null on failure
    QString reason;

    bool Ok() const { return !image.isNull(); }
};

// Reads any image format Qt knows. Transparency is flattened onto white; a
// picture of exactly `size` is used pixel for pixel, any other is stretched
// smoothly to it.
LoadedPicture LoadPicture(const QString& file, QSize size);

// The same for a picture held in memory; `name` names it in the reason.
LoadedPicture LoadPictureData(const QByteArray& data, const QString& name, QSize size);
