// The real game reads packs from the player's data folder and the system's
// after its own directory, as one list, and says where to put packs when it
// finds none.
#include "tests/e2e/GameHarness.h"

#include "packs/PackReports.h"

#include <QDir>
#include <QFile>

namespace {

constexpr Grid kGrid{5};
constexpr int kMovies = 2;

class PackFoldersTest : public GameTest {
  protected:
    void TearDown() override {
        displayHolder_.kill();
        displayHolder_.waitForFinished(kExitWaitMs);
        GameTest::TearDown();
    }

    // An X server resets when its last client leaves, and refuses clients
    // meanwhile: a client held open between two games keeps the second from
    // starting into the reset. xclip serves a selection no test reads, in
    // the foreground, until it is killed.
    void HoldDisplay() {
        displayHolder_.setProcessEnvironment(toolEnvironment_);
        displayHolder_.start(QStringLiteral("xclip"),
                             {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                              QStringLiteral("secondary"), QStringLiteral("-i")});
        ASSERT_TRUE(displayHolder_.waitForStarted(kToolWaitMs));
        displayHolder_.write("held");
        displayHolder_.closeWriteChannel();
    }

    std::vector<QImage> pictures_{MakeTestPicture(0), MakeTestPicture(1), MakeTestPicture(2)};
    QProcess displayHolder_;

    QString UserPacks() const { return QDir(dataDir_).filePath(QStringLiteral("Quadrillo/packs")); }
    QString SystemPacks() const {
        return QDir(systemDataDir_).filePath(QStringLiteral("Quadrillo/packs"));
    }

    // Movies, pack `title` of them.
    void ChooseTitle(int title) {
        ASSERT_TRUE(QDir(configDir_).mkpath(QStringLiteral("Quadrillo")));
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QString settings =
            QStringLiteral("[Settings]\nDimension=5\nCategory=%1\nTitle=%2\nRandom=0\n")
                .arg(kMovies)
                .arg(title);
        ASSERT_TRUE(file.write(settings.toUtf8()) > 0);
    }

    // Starts the game, reads which picture its board shows whole, and ends it.
    void PlayedAtStart(int* picture) {
        QString window;
        ASSERT_NO_FATAL_FAILURE(StartWithBoard(kGrid, &window));
        QImage image;
        ASSERT_NO_FATAL_FAILURE(
            WaitForWholePicture(kGrid, pictures_, QStringLiteral("start"), &image, picture));
        ASSERT_NO_FATAL_FAILURE(CloseGame(window));
    }
};

} // namespace

TEST_F(PackFoldersTest, TheDataFoldersPacksArePlayedInOneOrderWithTheGamesOwn) {
    ASSERT_NO_FATAL_FAILURE(InstallGame());
    // One order for all: a.qdr (the system's), b.qdr (the player's), c.qdr
    // (the game's own).
    ASSERT_NO_FATAL_FAILURE(
        InstallPackIn(SystemPacks(), QStringLiteral("a.qdr"), kMovies, {pictures_[0]}));
    ASSERT_NO_FATAL_FAILURE(
        InstallPackIn(UserPacks(), QStringLiteral("b.qdr"), kMovies, {pictures_[1]}));
    ASSERT_NO_FATAL_FAILURE(InstallPack(QStringLiteral("c.qdr"), kMovies, {pictures_[2]}));
    // Not played: the same names come first in a folder before theirs.
    ASSERT_NO_FATAL_FAILURE(
        InstallPackIn(SystemPacks(), QStringLiteral("b.qdr"), kMovies, {pictures_[2]}));
    ASSERT_NO_FATAL_FAILURE(
        InstallPackIn(UserPacks(), QStringLiteral("c.qdr"), kMovies, {pictures_[0]}));
    ASSERT_NO_FATAL_FAILURE(HoldDisplay());
    for (int title = 1; title <= 3; ++title) {
        SCOPED_TRACE("title " + std::to_string(title));
        ASSERT_NO_FATAL_FAILURE(ChooseTitle(title));
        int picture = -1;
        ASSERT_NO_FATAL_FAILURE(PlayedAtStart(&picture));
        EXPECT_EQ(picture, title - 1) << Screenshots();
    }
}

TEST_F(PackFoldersTest, NoPacksAnywhereSaysWhereToPutThem) {
    ASSERT_NO_FATAL_FAILURE(InstallGame());
    ASSERT_NO_FATAL_FAILURE(StartGame());
    std::string problem;
    const std::optional<QString> box =
        WaitForWindow(QStringLiteral("No picture packs found"), &problem);
    ASSERT_TRUE(box) << problem << Screenshots();
    // Three clicks select one paragraph; a drag from the first line's start
    // to the box's bottom right corner selects them all.
    const std::optional<QString> first = MessageBoxText(*box, &problem);
    ASSERT_TRUE(first) << problem << Screenshots();
    const std::optional<QRect> outer = WindowOnScreen(*box, &problem);
    ASSERT_TRUE(outer) << problem;
    const ToolRun dragged =
        RunTool(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--window"), *box,
                 QStringLiteral("48"), QStringLiteral("18"), QStringLiteral("mousedown"),
                 QStringLiteral("1"), QStringLiteral("mousemove"), QStringLiteral("--window"), *box,
                 QString::number(outer->width() - 2), QString::number(outer->height() - 2),
                 QStringLiteral("mouseup"), QStringLiteral("1")},
                toolEnvironment_);
    ASSERT_TRUE(dragged.ok) << dragged.problem;
    const ToolRun selection =
        RunTool(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("primary")},
                toolEnvironment_);
    ASSERT_TRUE(selection.ok) << selection.problem;
    const std::optional<QString> text = QString::fromUtf8(selection.out);
    EXPECT_EQ(Text(*text),
              Text(QStringLiteral("If you'd like some go to ") + PackDownloadAddress() +
                   QStringLiteral("\n\nPut picture packs (.qdr files) in the folder ") +
                   UserPacks() + QStringLiteral(" and start Quadrillo again.")));
    ASSERT_TRUE(SendKeys(*box, {QStringLiteral("Return")}, &problem)) << problem;
    const std::optional<QString> window = FindWindow(&problem);
    ASSERT_TRUE(window) << problem;
    ASSERT_NO_FATAL_FAILURE(CloseGame(*window));
}
