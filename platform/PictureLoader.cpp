#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

LoadedPicture Refuse(const QString& name, const QString& why) {
    return {QImage(), QStringLiteral("%1 is not a picture Quadrillo can show: %2.").arg(name, why)};
}

QImage FlattenOntoWhite(const QImage& decoded) {
    if (!decoded.hasAlphaChannel())
        return decoded.convertToFormat(QImage::Format_RGB32);
    QImage flat(decoded.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, decoded);
    return flat;
}

LoadedPicture Decode(QIODevice& device, const QString& name, QSize size) {
    QImageReader reader(&device);
    reader.setAutoTransform(false);
    QImage decoded;
    if (!reader.read(&decoded))
        return Refuse(name, reader.errorString().toLower());

    QImage flat = FlattenOntoWhite(decoded);
    if (flat.size() != size)
        flat = flat.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
    return {flat, QString()};
}

} // namespace

LoadedPicture LoadPicture(const QString& file, QSize size) {
    const QString name = QFileInfo(file).fileName();
    QFile device(file);
    if (!QFileInfo(file).isFile() || !device.open(QIODevice::ReadOnly))
        return Refuse(name, QStringLiteral("the file cannot be opened"));
    return Decode(device, name, size);
}

LoadedPicture LoadPictureData(const QByteArray& data, const QString& name, QSize size) {
    QBuffer device;
    device.setData(data);
    device.open(QIODevice::ReadOnly);
    return Decode(device, name, size);
}
