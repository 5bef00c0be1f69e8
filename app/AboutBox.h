#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Help > About: the game's picture, its version, its credits and its web
// address, laid out in dialog units so it keeps its proportions at any font.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

    static const QString& Text();

    QPushButton& OkButton() const { return *ok_; }
    QLabel& TextLabel() const { return *text_; }
    QLabel& Picture() const { return *picture_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void LayOut();

    QPushButton* ok_;
    QLabel* text_;
    QLabel* picture_;
};

// Runs the About box modally over owner.
void RunAboutBox(QWidget* owner);
