// Installs the build as a package would, under a scratch DESTDIR with the
// prefix /usr: every file in its place and nothing else, the launchers
// relative links into the program directory, and the installed game, run
// through its launcher from a read-only tree, playing a sample pack at once.
#include "tests/e2e/GameHarness.h"
#include "tests/e2e/PrivateMounts.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>

#include <filesystem>
#include <set>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr Grid kGrid{5};
constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

const std::set<QString> kPlainFiles = {
    "usr/lib/quadrillo/quadrillo",
    "usr/lib/quadrillo/qdrpack",
    "usr/lib/quadrillo/sample-cartoons.qdr",
    "usr/lib/quadrillo/sample-misc.qdr",
    "usr/lib/quadrillo/sample-movies.qdr",
    "usr/lib/quadrillo/sample-music.qdr",
    "usr/lib/quadrillo/sample-tv.qdr",
    "usr/share/applications/quadrillo.desktop",
    "usr/share/icons/hicolor/scalable/apps/quadrillo.svg",
    "usr/share/metainfo/org.example.quadrillo.metainfo.xml",
    "usr/share/man/man6/quadrillo.6",
    "usr/share/man/man1/qdrpack.1",
    "usr/share/doc/quadrillo/README.md",
};

QString IconFile(int size) {
    return QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/quadrillo.png").arg(size);
}

// Launcher, and the binary its link must name.
const std::pair<QString, QString> kLaunchers[] = {
    {"usr/games/quadrillo", "../lib/quadrillo/quadrillo"},
    {"usr/bin/qdrpack", "../lib/quadrillo/qdrpack"},
};

// Every file and link under `root`, by path within it.
std::set<std::string> Listing(const QString& root) {
    std::set<std::string> found;
    QDirIterator entries(root, QDir::Files | QDir::System | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        found.insert(Text(QDir(root).relativeFilePath(entries.next())));
    return found;
}

class InstallTest : public GameTest {
  protected:
    QString destDir_;

    QString Installed(const QString& path) const { return QDir(destDir_).filePath(path); }

    // cmake --install of this build, as a package build runs it. Use with
    // ASSERT_NO_FATAL_FAILURE.
    void InstallBuild() {
        destDir_ = ScratchFile(QStringLiteral("destdir"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), destDir_);
        const ToolRun install =
            RunTool(QStringLiteral(CMAKE_COMMAND_PATH),
                    {QStringLiteral("--install"), QStringLiteral(QUADRILLO_BUILD_DIR),
                     QStringLiteral("--prefix"), QStringLiteral("/usr")},
                    environment, ScaledWait(60000));
        ASSERT_TRUE(install.ok) << install.problem << "\n" << Text(install.out);
    }

    // Waits until the board shows the same jumble of `picture` twice running:
    // every cell one of its tiles, each tile once. Use with
    // ASSERT_NO_FATAL_FAILURE.
    void AwaitJumbleOf(const QImage& picture, QImage* board) {
        ASSERT_NO_FATAL_FAILURE(AwaitSteadyBoard(
            QStringLiteral("board"), [&](const QImage& now) { return IsJumbleOf(now, picture); },
            "the tiles of the working picture", board));
    }

    static bool IsJumbleOf(const QImage& board, const QImage& picture) {
        std::set<int> tiles;
        for (int cell = 0; cell < kGrid.Cells(); ++cell)
            for (int tile = 0; tile < kGrid.Cells(); ++tile)
                if (SamePixels(board.copy(kGrid.CellRect(cell)),
                               picture.copy(kGrid.CellRect(tile)))) {
                    tiles.insert(tile);
                    break;
                }
        return int(tiles.size()) == kGrid.Cells();
    }

    PrivateMounts mounts_;
};

TEST_F(InstallTest, LaysOutEveryFileAndNothingElse) {
    ASSERT_NO_FATAL_FAILURE(InstallBuild());

    std::set<QString> wanted = kPlainFiles;
    for (const int size : kIconSizes)
        wanted.insert(IconFile(size));
    for (const auto& [launcher, target] : kLaunchers)
        wanted.insert(launcher);
    std::set<std::string> wantedNames;
    for (const QString& file : wanted)
        wantedNames.insert(Text(file));
    EXPECT_EQ(Listing(destDir_), wantedNames);

    for (const QString& file : wanted)
        EXPECT_GT(QFileInfo(Installed(file)).size(), 0) << Text(file) << " is missing or empty";
    for (const char* program : {"usr/lib/quadrillo/quadrillo", "usr/lib/quadrillo/qdrpack"})
        EXPECT_TRUE(QFileInfo(Installed(program)).isExecutable()) << program;

    for (const auto& [launcher, target] : kLaunchers) {
        SCOPED_TRACE(Text(launcher));
        const fs::path link = Installed(launcher).toStdString();
        ASSERT_TRUE(fs::is_symlink(link));
        // Relative, so it holds wherever the tree is unpacked.
        EXPECT_EQ(fs::read_symlink(link).string(), target.toStdString());
        const QString binary = QFileInfo(launcher).dir().filePath(target);
        EXPECT_EQ(Text(QFileInfo(Installed(launcher)).canonicalFilePath()),
                  Text(QFileInfo(Installed(binary)).canonicalFilePath()));
        EXPECT_TRUE(QFileInfo(Installed(binary)).isFile());
    }

    for (const int size : kIconSizes) {
        const QImage icon(Installed(IconFile(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << Text(IconFile(size));
    }

    // The installed tool finds and passes the installed packs.
    const ToolRun check = RunTool(
        Installed(QStringLiteral("usr/bin/qdrpack")),
        {QStringLiteral("check"), Installed(QStringLiteral("usr/lib/quadrillo/sample-tv.qdr"))},
        toolEnvironment_);
    EXPECT_TRUE(check.ok) << check.problem;
}

TEST_F(InstallTest, InstalledGamePlaysFromAReadOnlyTree) {
    ASSERT_NO_FATAL_FAILURE(InstallBuild());
    // Read-only, as a system-wide install is, where the test may mount;
    // else the game plays from the writable tree, with its working files
    // beside it.
    bool readOnly = false;
    std::string reason;
    ASSERT_NO_FATAL_FAILURE(mounts_.Enter(&readOnly, &reason));
    if (readOnly)
        ASSERT_NO_FATAL_FAILURE(mounts_.MountReadOnly(destDir_));
    else
        RecordProperty("writable_tree", reason);

    // Scratch folders for everything the game may look at or write.
    QProcessEnvironment environment = gameEnvironment_;
    const QDir root(scratch_.path());
    for (const char* name : {"cache", "data", "datadirs"})
        ASSERT_TRUE(root.mkpath(QLatin1String(name))) << name;
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), root.filePath(QStringLiteral("datadirs")));
    const QString inCache = root.filePath(QStringLiteral("cache/Quadrillo/temp.bmp"));
    const QString besideProgram = Installed(QStringLiteral("usr/lib/quadrillo/temp.bmp"));
    const QString working = readOnly ? inCache : besideProgram;

    ASSERT_NO_FATAL_FAILURE(
        StartGame(environment, {}, Installed(QStringLiteral("usr/games/quadrillo"))));
    QString window;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(kGrid, &window));

    // The picture played is copied out of its pack to the player's cache
    // when the program directory is read-only.
    QImage picture;
    QElapsedTimer waited;
    waited.start();
    while ((picture = QImage(working)).isNull()) {
        ASSERT_LT(waited.elapsed(), kScreenWaitMs)
            << "no working picture in " << Text(working) << "; game output: " << GameOutput();
        ASSERT_FALSE(GameEnded(kPollMs)) << "the game ended early: " << HowGameEnded();
    }
    ASSERT_EQ(picture.size(), kGrid.BoardSize());
    EXPECT_FALSE(QFileInfo::exists(readOnly ? besideProgram : inCache));
    QImage before;
    ASSERT_NO_FATAL_FAILURE(AwaitJumbleOf(picture, &before));

    // Two cells whose tiles differ on the screen, so a swap shows.
    const int first = 0;
    int second = 1;
    while (second < kGrid.Cells() &&
           SamePixels(before.copy(kGrid.CellRect(first)), before.copy(kGrid.CellRect(second))))
        ++second;
    ASSERT_LT(second, kGrid.Cells()) << "every cell looks alike" << Screenshots();
    QImage after;
    ASSERT_NO_FATAL_FAILURE(SwapCells(kGrid, first, second, before, &after));
    for (int cell = 0; cell < kGrid.Cells(); ++cell) {
        const int was = cell == first ? second : cell == second ? first : cell;
        EXPECT_TRUE(SamePixels(after.copy(kGrid.CellRect(cell)), before.copy(kGrid.CellRect(was))))
            << "cell " << cell << " does not show what cell " << was << " showed" << Screenshots();
    }

    ASSERT_NO_FATAL_FAILURE(CloseGame(window));
    EXPECT_FALSE(QFileInfo::exists(working)) << "the working temp.bmp outlived the game";
}

} // namespace
