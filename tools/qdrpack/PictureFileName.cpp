#include "PictureFileName.h"

QString TitleFromFileName(const std::filesystem::path& image) {
    return QString::fromStdString(image.stem().string());
}

std::filesystem::path DefaultPictureFileName(const QString& title, int number) {
    QString name = title;
    for (QChar& ch : name)
        if (ch == QLatin1Char('/') || ch.category() == QChar::Other_Control)
            ch = QLatin1Char('_');
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("picture-%1").arg(number);
    return std::filesystem::path((name + QStringLiteral(".bmp")).toStdString());
}
