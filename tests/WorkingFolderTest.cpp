// A program directory the game may not write into: packs are read from it,
// every working file goes to the player's own folder, and nothing of the
// program directory is ever written, replaced or deleted.
#include "MainFrameFixture.h"
#include "PackFiles.h"
#include "app/SolutionDlg.h"
#include "options/OptionsDlg.h"
#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"
#include "platform/DialogUnits.h"
#include "platform/ProgramDirectory.h"
#include "resources/CommandIds.h"
#include "resources/OptionsDialog.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QListWidget>
#include <QTimer>

#include <map>

namespace {

// Every file under `folder` with its bytes.
std::map<std::string, QByteArray> Contents(const QString& folder) {
    std::map<std::string, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files[file.toStdString()] = ReadBytes(file.toStdString());
    }
    return files;
}

class WorkingFolderTest : public MainFrameFixture {
  protected:
    void SetUp() override {
        workingFolder = std::filesystem::path(cache.path().toStdString()) / "Quadrillo";
        ASSERT_NO_FATAL_FAILURE(InstallPack());
        const ProgramDirectory program(programDir.path().toStdString());
        // Files of the same names the game did not write.
        WriteBytes(program.File("temp.bmp"), "BMnot the game's");
        WriteBytes(program.File("prev.bmp"), "BMnot the game's either");
    }

    std::filesystem::path Working(const char* name) const { return workingFolder / name; }

    QTemporaryDir cache;
};

void WithOptionsDialog(std::function<void(COptionsDlg&)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<COptionsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        steps(*dialog);
    });
}

} // namespace

TEST_F(WorkingFolderTest, EveryCommandWorksAndTheProgramDirectoryIsNeverTouched) {
    const auto before = Contents(programDir.path());
    Open(5);
    ASSERT_FALSE(std::filesystem::exists(workingFolder));

    // New makes the folder and plays from it.
    state.title = 1;
    frame->Action(ID_FILE_NEW_PICTURE)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(ReadBytes(Working("temp.bmp")), EncodeBmp24(Solid(kRed)));
    EXPECT_EQ(ShownAt({2, 2}), kRed);

    // The Solution window shows the working file.
    frame->Action(ID_VIEW_SOLUTION)->trigger();
    ASSERT_TRUE(frame->SolutionWindow());
    const CSolutionDlg::Layout layout =
        CSolutionDlg::LayOut(BaseUnitsOf(frame->SolutionWindow()->font()));
    EXPECT_EQ(frame->SolutionWindow()->grab().toImage().pixel(layout.picture.center()), kRed);

    // A preview lands in the working folder; Try this takes it from there.
    WithOptionsDialog([this](COptionsDlg& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(IDC_TITLE_LIST));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        EXPECT_EQ(ReadBytes(Working("prev.bmp")), EncodeBmp24(Solid(kBlue)));
        QTest::mouseClick(dialog.GetDlgItem(IDC_TRY_THIS), Qt::LeftButton);
    });
    frame->Action(ID_VIEW_OPTIONS)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(ReadBytes(Working("temp.bmp")), EncodeBmp24(Solid(kBlue)));
    EXPECT_FALSE(std::filesystem::exists(Working("prev.bmp")));
    EXPECT_EQ(ShownAt({1, 1}), kBlue);

    // Opening the working file plays it and keeps it.
    chooser.answers = {QString::fromStdString(Working("temp.bmp").string())};
    frame->Action(ID_FILE_OPEN)->trigger();
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(std::filesystem::exists(Working("temp.bmp")));

    // Exit deletes the working file, and only that one.
    frame->close();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(Working("temp.bmp")));
    EXPECT_EQ(Contents(programDir.path()), before);
}

TEST(WorkingFolder, BesideTheProgramWhenWritableElseInThePlayersCache) {
    const std::filesystem::path program = "/opt/games/quadrillo";
    EXPECT_EQ(ChooseWorkingFolder(program, true, "/cache", "/srv/player-home"), program);
    EXPECT_EQ(ChooseWorkingFolder(program, false, "/cache", "/srv/player-home"),
              "/cache/Quadrillo");
    // Unset, empty or relative: the default under the home folder.
    for (const QString& unusable :
         {QString(), QStringLiteral(""), QStringLiteral("cache"), QStringLiteral("./cache")})
        EXPECT_EQ(ChooseWorkingFolder(program, false, unusable, "/srv/player-home"),
                  "/srv/player-home/.cache/Quadrillo")
            << unusable.toStdString();

    // Bare names are working files; anything else is taken as it is.
    const ProgramDirectory split(program, "/cache/Quadrillo");
    EXPECT_EQ(split.File("misc.qdr"), "/opt/games/quadrillo/misc.qdr");
    EXPECT_EQ(split.WorkingFile("temp.bmp"), "/cache/Quadrillo/temp.bmp");
    EXPECT_EQ(split.Resolve("temp.bmp"), "/cache/Quadrillo/temp.bmp");
    EXPECT_EQ(split.Resolve("/pictures/a.png"), "/pictures/a.png");
    EXPECT_EQ(ProgramDirectory(program).WorkingFile("temp.bmp"), "/opt/games/quadrillo/temp.bmp");
}
