#include "app/MainFrame.h"

#include "app/AboutBox.h"
#include "app/BoardWidget.h"
#include "app/MainMenu.h"
#include "options/OptionsDlg.h"
#include "platform/PictureLoader.h"
#include "puzzle/BoardView.h"
#include "puzzle/PuzzleState.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace {

// Every size the icon is rendered at, so none is scaled from another.
QIcon WindowIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/window"));
    for (const QString& name : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(name));
    return icon;
}

} // namespace

CMainFrame::CMainFrame(PuzzleState& state, Services services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      state_(state), services_(std::move(services)),
      board_(new BoardWidget(state, services_.messages, this)) {
    setWindowTitle(QStringLiteral("Quadrillo"));
    setWindowIcon(WindowIcon());
    setCentralWidget(board_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    commands_.Add(ID_FILE_NEW_PICTURE, &CMainFrame::OnNewPicture);
    commands_.Add(ID_FILE_OPEN, &CMainFrame::OnOpen);
    commands_.Add(ID_FILE_EXIT, &CMainFrame::OnClose);
    commands_.Add(ID_VIEW_JUMBLE, &CMainFrame::OnJumble);
    commands_.Add(ID_VIEW_GRID, &CMainFrame::OnGrid);
    commands_.Add(ID_VIEW_SOLUTION, &CMainFrame::OnShowSolution);
    commands_.Add(ID_VIEW_SOLVE, &CMainFrame::OnSolve);
    commands_.Add(ID_VIEW_OPTIONS, &CMainFrame::OnOptions);
    commands_.Add(ID_HELP_ABOUT, &CMainFrame::OnAbout);
    actions_ = BuildMainMenu(
        *menuBar(), [this](int id) { return commands_.Has(id); },
        [this](int id) { DispatchCommand(id); });
    if (QAction* grid = Action(ID_VIEW_GRID)) {
        grid->setCheckable(true);
        // The check mark follows gridOn whenever the menu opens.
        connect(qobject_cast<QMenu*>(grid->parent()), &QMenu::aboutToShow, this,
                [this] { UpdateGridCheck(); });
        UpdateGridCheck();
    }

    setAcceptDrops(true);
    SetClientSize(ClientSizeAtCreation());
    move(100, 100);
}

CMainFrame::~CMainFrame() = default;

QSize CMainFrame::ClientSizeAtCreation() const {
    const int n = state_.dimension;
    return {n * state_.tileWidth, n * state_.tileHeight};
}

// One pixel wider and taller than the board, as the window has always grown.
QSize CMainFrame::ClientSizeAfterResize() const {
    return ClientSizeAtCreation() + QSize(1, 1);
}

void CMainFrame::SetClientSize(QSize size) {
    board_->SetClientSize(size);
    adjustSize();
}

void CMainFrame::PaintBoard() {
    board_->PaintBoard();
}

void CMainFrame::ResizeToBoard() {
    const QPoint outerTopLeft = pos();
    hide();
    SetClientSize(ClientSizeAfterResize());
    move(outerTopLeft);
    showNormal();
    PaintBoard();
}

void CMainFrame::RemoveWorkingPicture() {
    RemoveWorkingFile(services_.programDirectory.WorkingFile("temp.bmp"));
}

void CMainFrame::OnClose() {
    // Quitting always quits: a temp.bmp that cannot be deleted is reported,
    // not a trap.
    RunCommand([this] { RemoveWorkingPicture(); }, services_.messages);
    services_.postQuit();
}

void CMainFrame::OnJumble() {
    board_->Show(JumbleCommand(state_));
}
void CMainFrame::OnGrid() {
    board_->Show(GridCommand(state_));
}
void CMainFrame::OnSolve() {
    board_->Show(SolveBoard(state_));
}

void CMainFrame::OnShowSolution() {
    // One window at most; asking again does nothing, not even raise it.
    if (state_.solutionOpen)
        return;
    solution_ = new CSolutionDlg(state_, services_.programDirectory, this);
    state_.solutionOpen = true;
    solution_->show();
}

void CMainFrame::CloseSolutionWindow() {
    if (!state_.solutionOpen)
        return;
    state_.solutionOpen = false;
    delete solution_;
}

void CMainFrame::DispatchCommand(int id) {
    commands_.Dispatch(*this, id, services_.messages);
    UpdateGridCheck();
}

QAction* CMainFrame::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::UpdateGridCheck() {
    if (QAction* grid = Action(ID_VIEW_GRID))
        grid->setChecked(state_.gridOn);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The window stays; the exit procedure ends the program.
    event->ignore();
    OnClose();
}

void CMainFrame::OnAbout() {
    RunAboutBox(this);
}

void CMainFrame::OnOptions() {
    const std::int32_t oldDimension = state_.dimension;
    {
        COptionsDlg dialog(services_.catalogue, state_, services_.messages, services_.profile,
                           services_.programDirectory, this);
        dialog.exec();
    }
    if (state_.dimension != oldDimension) {
        DropSelection(state_);
        UpdateTileGeometry(state_);
        JumbleBoard(state_);
        ResizeToBoard();
    }
    if (state_.tryThisPending) {
        // The dialog has read temp.bmp into the puzzle picture already.
        state_.currentPicturePath = QStringLiteral("temp.bmp");
        JumbleBoard(state_);
        state_.tryThisPending = false;
        PaintBoard();
    }
    DropSelection(state_);
}
