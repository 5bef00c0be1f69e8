#include "platform/FileChooser.h"

#include <QFileDialog>

QString OpenFileFilters() {
    // Each filter's name, then its patterns in parentheses; "*" is every file.
    return QStringLiteral("Bitmap files (.bmp) (*.bmp);;All files (*)");
}

QString QtFileChooser::ChooseFileToOpen(QWidget* owner) {
    return QFileDialog::getOpenFileName(owner, QString(), QString(), OpenFileFilters());
}
