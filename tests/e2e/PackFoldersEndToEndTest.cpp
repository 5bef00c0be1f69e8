// The real game reads packs from the player's data folder and the system's
// after its own directory, as one list.
#include "tests/e2e/GameHarness.h"

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
