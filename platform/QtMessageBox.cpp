#include "platform/QtMessageBox.h"

#include <QMessageBox>

void QtMessageBox::Show(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner_);
    box.exec();
}
