#include "app/PuzzleApp.h"

#include "app/MainFrame.h"
#include "platform/ProgramDirectory.h"

CPuzzleApp::CPuzzleApp(int& argc, char** argv) : application_(argc, argv) {}

CPuzzleApp::~CPuzzleApp() = default;

bool CPuzzleApp::InitInstance() {
    const ProgramDirectory programDirectory = ProgramDirectory::OfExecutable();
    programDirectory.MakeCurrent();

    state_.dimension = 5;
    state_.selectedTile = -1;
    UpdateTileGeometry(state_);
    JumbleBoard(state_);

    mainFrame_ = std::make_unique<CMainFrame>(
        state_, CMainFrame::Services{messages_, programDirectory, [] { QApplication::exit(0); }});
    messages_.SetOwner(mainFrame_.get());
    mainFrame_->LoadPuzzleBitmap(
        QString::fromStdString(programDirectory.File("temp.bmp").string()));
    mainFrame_->show();
    return true;
}

int CPuzzleApp::Run() {
    return QApplication::exec();
}
