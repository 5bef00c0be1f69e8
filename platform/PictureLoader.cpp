#include "platform/PictureLoader.h"

#include <QColor>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

LoadedPicture Refuse(const QString& file, const QString& why) {
    return {QImage(), QStringLiteral("%1 is not a picture Quadrillo can show: %2.")
                          .arg(QFileInfo(file).fileName(), why)};
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

} // namespace

LoadedPicture LoadPicture(const QString& file, QSize size) {
    if (!QFileInfo(file).isFile())
        return Refuse(file, QStringLiteral("the file does not exist"));
    QImageReader reader(file);
    reader.setAutoTransform(false);
    QImage decoded;
    if (!reader.read(&decoded))
        return Refuse(file, reader.errorString().toLower());

    QImage flat = FlattenOntoWhite(decoded);
    if (flat.size() != size)
        flat = flat.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
    return {flat, QString()};
}
