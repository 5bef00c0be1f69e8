#include "app/PuzzleApp.h"

#include "app/MainFrame.h"
#include "packs/PackReports.h"
#include "platform/InstanceLock.h"
#include "platform/QSettingsProfileStore.h"
#include "puzzle/Settings.h"

#include <QFileInfo>

CPuzzleApp::CPuzzleApp(int& argc, char** argv)
    : application_(argc, argv), programDirectory_(ProgramDirectory::OfExecutable()),
      random_(ClockSeed()) {}

CPuzzleApp::~CPuzzleApp() = default;

bool CPuzzleApp::InitInstance(const QString& picture) {
    // A second game on the same folder would share its working files: it
    // says so and ends before it touches any of them.
    const QString folder = QString::fromStdString(programDirectory_.Path().string());
    instanceLock_ = std::make_unique<InstanceLock>(folder);
    if (!instanceLock_->Acquire()) {
        messages_.Report(
            QStringLiteral("Quadrillo is already running from the folder %1.").arg(folder));
        return false;
    }
    // Games installed in two read-only folders share the player's cache.
    if (programDirectory_.WorkingFolder() != programDirectory_.Path()) {
        const QString working = QString::fromStdString(programDirectory_.WorkingFolder().string());
        workingFolderLock_ = std::make_unique<InstanceLock>(working);
        if (!workingFolderLock_->Acquire()) {
            messages_.Report(
                QStringLiteral("Quadrillo is already running with its working files in the "
                               "folder %1.")
                    .arg(working));
            return false;
        }
    }
    programDirectory_.MakeCurrent();

    // Settings live under the executable's own name.
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    profile_ = std::make_unique<QSettingsProfileStore>(QStringLiteral("Quadrillo"), name);
    LoadSettings(state_, *profile_);

    state_.selectedTile = -1;
    UpdateTileGeometry(state_);
    JumbleBoard(state_);

    mainFrame_ = std::make_unique<CMainFrame>(
        state_, CMainFrame::Services{messages_, programDirectory_, [] { QApplication::exit(0); },
                                     catalogue_, [this] { return std::uint32_t(random_()); },
                                     chooser_, *profile_});
    messages_.SetOwner(mainFrame_.get());

    // A pack that cannot be read is reported and start-up goes on; the
    // window then opens without a picture.
    ReportSettingsFault(*profile_, messages_);
    ShowPackProblems(ScanPacks(catalogue_, programDirectory_.PackFolders()), messages_);
    bool played = false;
    if (!picture.isEmpty())
        RunCommand([&] { played = mainFrame_->OpenPicture(picture); }, messages_);
    if (!played) {
        RunCommand([this] { mainFrame_->ChoosePicture(); }, messages_);
        state_.solutionPicturePath = QStringLiteral("temp.bmp");
    }

    mainFrame_->show();
    random_.seed(ClockSeed());
    return true;
}

int CPuzzleApp::Run() {
    return QApplication::exec();
}
