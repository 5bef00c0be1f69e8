#pragma once

#include "app/PuzzleState.h"
#include "platform/QtMessageBox.h"

#include <QApplication>

#include <memory>

class CMainFrame;

// Owns the application object, the game's state and its main window.
class CPuzzleApp {
  public:
    CPuzzleApp(int& argc, char** argv);
    ~CPuzzleApp();

    // Start-up, before the message loop.
    bool InitInstance();
    // The message loop; its result is the exit status.
    int Run();

  private:
    QApplication application_;
    PuzzleState state_;
    QtMessageBox messages_;
    std::unique_ptr<CMainFrame> mainFrame_;
};
