#pragma once

#include "platform/ClientSurface.h"
#include "puzzle/Board.h"

#include <QWidget>

class MessageBoxService;
struct PuzzleState;

// The main window's client area: turns left-button presses into board moves
// and shows the board drawn on its client surface.
class BoardWidget : public QWidget {
    Q_OBJECT

  public:
    BoardWidget(PuzzleState& state, MessageBoxService& messages, QWidget* parent = nullptr);

    // Shows what a click or a board command did: a repaint, then for a
    // completing swap the congratulations, and only then the swap ends.
    void Show(BoardChange change);
    // The program's own synchronous repaint.
    void PaintBoard();
    // A fresh white surface of the new client size.
    void SetClientSize(QSize size);

    const ClientSurface& Surface() const { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    PuzzleState& state_;
    MessageBoxService& messages_;
    ClientSurface surface_;
    bool surfaceCurrent_ = false;
};
