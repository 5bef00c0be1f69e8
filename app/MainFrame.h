#pragma once

#include "platform/CommandTable.h"
#include "platform/ProgramDirectory.h"

#include <QMainWindow>

#include <functional>
#include <map>

class BoardWidget;
class MessageBoxService;
struct PuzzleState;

// The game's only top-level window. Its client area is exactly the board.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    struct Services {
        MessageBoxService& messages;
        ProgramDirectory programDirectory;
        std::function<void()> postQuit; // ends the message loop with status 0
    };

    CMainFrame(PuzzleState& state, Services services);
    ~CMainFrame() override;

    // The program's own synchronous repaint: draw, show, then the
    // completion message if one is due.
    void PaintBoard();
    void ResizeToBoard();
    // Replaces the puzzle picture; a file that cannot be shown leaves none.
    // Returns the reason in that case. A bare name is a file beside the
    // program. Does not repaint.
    QString LoadPuzzleBitmap(const QString& path);

    void OnClose();
    void OnJumble();
    void OnGrid();
    void OnSolve();

    void DispatchCommand(int id);
    QAction* Action(int id) const;
    BoardWidget& Board() const { return *board_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QSize ClientSizeAtCreation() const;
    QSize ClientSizeAfterResize() const;
    void SetClientSize(QSize size);
    void UpdateGridCheck();

    PuzzleState& state_;
    Services services_;
    BoardWidget* board_;
    CommandTable<CMainFrame> commands_;
    std::map<int, QAction*> actions_;
};
