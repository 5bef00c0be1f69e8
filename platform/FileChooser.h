#pragma once

#include <QString>

class QWidget;

// Asks the player for a picture file to open. The game shows a file dialog;
// tests hand in their answer.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The chosen file's full path, or an empty string after Cancel.
    virtual QString ChooseFileToOpen(QWidget* owner) = 0;
};

// The two filters, bitmaps first: "Bitmap files (.bmp)" and "All files ".
QString OpenFileFilters();

class QtFileChooser : public FileChooser {
  public:
    QString ChooseFileToOpen(QWidget* owner) override;
};
