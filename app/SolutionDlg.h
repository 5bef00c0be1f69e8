#pragma once

#include "platform/DialogUnits.h"
#include "platform/ProgramDirectory.h"

#include <QDialog>

struct PuzzleState;

// The whole picture, reduced, in a small window beside the game. Modeless:
// the game stays playable while it is open.
class CSolutionDlg : public QDialog {
    Q_OBJECT

  public:
    CSolutionDlg(PuzzleState& state, ProgramDirectory directory, QWidget* owner);

    static constexpr QSize kPictureSize{300, 188};

    struct Layout {
        QSize client;
        QRect frame;
        QRect picture;
    };
    // The window and its frame from the layout in dialog units, the picture
    // in the middle of the frame; a font too small for the picture grows the
    // frame and the window around it.
    static Layout LayOut(DialogBaseUnits base);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Enter, Esc and the close box all end it.
    void Close();

    PuzzleState& state_;
    ProgramDirectory directory_;
};
