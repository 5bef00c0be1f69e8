#pragma once

#include "platform/FileChooser.h"

#include <QStringList>

// Answers file dialogs from a script, one answer a dialog; "" is Cancel.
class ScriptedFileChooser : public FileChooser {
  public:
    QString ChooseFileToOpen(QWidget* owner) override {
        ++asked;
        owners.push_back(owner);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    int asked = 0;
    std::vector<QWidget*> owners;
};
