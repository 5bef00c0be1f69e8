#pragma once

#include "platform/ProgramDirectory.h"

#include <QDialog>

struct PuzzleState;

// The whole picture, reduced, in a small window beside the game. Modeless:
// the game stays playable while it is open.
class CSolutionDlg : public QDialog {
    Q_OBJECT

  public:
    CSolutionDlg(PuzzleState& state, ProgramDirectory directory, QWidget* owner);

    // Where the picture lands, in client pixels.
    static constexpr QPoint kPictureAt{13, 20};
    static constexpr QSize kPictureSize{300, 188};

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Enter, Esc and the close box all end it.
    void Close();

    PuzzleState& state_;
    ProgramDirectory directory_;
};
