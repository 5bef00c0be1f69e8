#pragma once

#include "packs/PackCatalogue.h"
#include "platform/FileChooser.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtMessageBox.h"
#include "puzzle/PuzzleState.h"

#include <QApplication>

#include <memory>
#include <random>

class CMainFrame;
class InstanceLock;
class ProfileStore;

// Owns the application object, the game's state, the catalogue of packs and
// the main window.
class CPuzzleApp {
  public:
    CPuzzleApp(int& argc, char** argv);
    ~CPuzzleApp();

    // Start-up, before the message loop: on `picture` when it is a picture
    // that can be shown, else on one from the packs. False when another game
    // runs from the same folder, or keeps its working files in the same
    // folder: then nothing is to run.
    bool InitInstance(const QString& picture = {});
    // The message loop; its result is the exit status.
    int Run();

  private:
    QApplication application_;
    PuzzleState state_;
    PackCatalogue catalogue_;
    ProgramDirectory programDirectory_;
    std::unique_ptr<InstanceLock> instanceLock_;
    std::unique_ptr<InstanceLock> workingFolderLock_;
    std::unique_ptr<ProfileStore> profile_;
    QtMessageBox messages_;
    QtFileChooser chooser_;
    std::mt19937 random_;
    std::unique_ptr<CMainFrame> mainFrame_;
};
