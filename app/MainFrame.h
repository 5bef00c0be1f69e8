#pragma once

#include "app/SolutionDlg.h"
#include "packs/PictureChoice.h"
#include "platform/CommandTable.h"
#include "platform/ProgramDirectory.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>

class BoardWidget;
class FileChooser;
class ProfileStore;
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
        const PackCatalogue& catalogue;
        DrawRandom draw;       // for the picture choice
        FileChooser& chooser;  // asks which file Open plays
        ProfileStore& profile; // where the Options dialog saves the settings
    };

    CMainFrame(PuzzleState& state, Services services);
    ~CMainFrame() override;

    // The program's own synchronous repaint: draw, show, then the
    // completion message if one is due.
    void PaintBoard();
    void ResizeToBoard();
    // Chooses a picture from the packs, extracts, loads and reports it; false
    // when the picture being played stays.
    bool ChoosePicture();
    // Plays a picture file as Open does once the file is chosen; a file
    // that cannot be shown is reported and changes nothing. False then.
    bool OpenPicture(const QString& path);

    void OnClose();
    void OnNewPicture();
    void OnOpen();
    void OnJumble();
    void OnGrid();
    void OnShowSolution();
    void OnOptions();
    void OnSolve();
    void OnAbout();

    void DispatchCommand(int id);
    QAction* Action(int id) const;
    BoardWidget& Board() const { return *board_; }
    CSolutionDlg* SolutionWindow() const { return solution_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QSize ClientSizeAtCreation() const;
    QSize ClientSizeAfterResize() const;
    void SetClientSize(QSize size);
    void UpdateGridCheck();
    void CloseSolutionWindow();
    // Deletes the working temp.bmp if it is there; raises FileError.
    void RemoveWorkingPicture();

    PuzzleState& state_;
    Services services_;
    BoardWidget* board_;
    CommandTable<CMainFrame> commands_;
    std::map<int, QAction*> actions_;
    QPointer<CSolutionDlg> solution_;
};
