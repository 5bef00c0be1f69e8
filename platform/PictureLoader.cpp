#include "platform/PictureLoader.h"

#include "platform/BmpCheck.h"
#include "platform/FileLayer.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace {

// Larger files are no pictures anyone plays.
constexpr qint64 kLargestFile = qint64(512) << 20;

LoadedPicture Refuse(const QString& name, const QString& why) {
    return {QImage(), QStringLiteral("%1 is not a picture Quadrillo can show: %2.").arg(name, why)};
}

QImage FlattenOntoWhite(QImage decoded) {
    // Palette entries the file never gave are black, not whatever the table
    // held (or, at 1 bit, white).
    const int entries = decoded.format() == QImage::Format_Indexed8 ? 256
                        : decoded.format() == QImage::Format_Mono   ? 2
                                                                    : 0;
    if (decoded.colorCount() < entries) {
        const int given = decoded.colorCount();
        decoded.setColorCount(entries);
        for (int i = given; i < entries; ++i)
            decoded.setColor(i, qRgb(0, 0, 0));
    }
    if (!decoded.hasAlphaChannel())
        return decoded.convertToFormat(QImage::Format_RGB32);
    QImage flat(decoded.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, decoded);
    return flat;
}

QString ReaderReason(const QImageReader& reader) {
    switch (reader.error()) {
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("it is in no picture format Quadrillo knows");
    case QImageReader::InvalidDataError:
        return QStringLiteral("its picture data is damaged");
    default:
        return QStringLiteral("it cannot be read");
    }
}

} // namespace

LoadedPicture LoadPicture(const QString& file, QSize size) {
    const QString name = QFileInfo(file).fileName();
    QByteArray data;
    try {
        // Never waits on a pipe or reads a device put in a picture's place.
        InputFile in(QFile::encodeName(file).toStdString());
        const std::uint64_t length = in.Size();
        if (length > std::uint64_t(kLargestFile))
            return Refuse(name, QStringLiteral("the file is too large"));
        data.resize(qsizetype(length));
        data.resize(qsizetype(in.Read(data.data(), std::size_t(length))));
    } catch (const FileError& error) {
        return Refuse(name, error.Reason() == kNotARegularFile
                                ? QStringLiteral("it is not a regular file")
                                : QStringLiteral("the file cannot be opened"));
    }
    return LoadPictureData(data, name, size);
}

LoadedPicture LoadPictureData(const QByteArray& data, const QString& name, QSize size) {
    QByteArray bytes = data;
    QImage decoded;
    if (LooksLikeBmp(data)) {
        BmpPreparation bmp = PrepareBmp(data);
        if (bmp.Refused())
            return Refuse(name, bmp.refusal);
        bytes = std::move(bmp.bytes);
        // Decoded into zeros, so pixels a run-length encoded file skips come
        // out the same every time; other files set every pixel.
        decoded = QImage(bmp.size, bmp.format);
        if (decoded.isNull())
            return Refuse(name, QStringLiteral("there is not enough memory for it"));
        if (bmp.runLengthEncoded)
            decoded.fill(0);
    }

    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device);
    reader.setAutoTransform(false);
    if (!reader.read(&decoded))
        return Refuse(name, ReaderReason(reader));

    QImage flat = FlattenOntoWhite(std::move(decoded));
    if (!flat.isNull() && flat.size() != size)
        flat = flat.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
    // A decode that yields nothing usable, or a picture too large to
    // flatten or stretch, is no picture either.
    if (flat.isNull() || flat.size() != size)
        return Refuse(name, QStringLiteral("its picture data comes out empty or too large"));
    return {flat, QString()};
}
