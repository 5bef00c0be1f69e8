// Puts the real game in the way of file faults: a read-only program folder, a
// disk that fills up, a pack changed after the scan, settings it cannot use,
// working files that are no files, a pipe named like a pack, a link named
// temp.bmp and a second game. Each time the player is told once, with the
// file and the reason; the game goes on, quits with 0 and leaves every file
// that is not its own as it was.
#include "tests/e2e/GameHarness.h"
#include "tests/e2e/PrivateMounts.h"

#include "platform/BmpWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr Grid kGrid{5};

// Settings as a first run writes them: the game has no reason to rewrite them.
constexpr const char* kDefaultSettings = "[Settings]\nDimension=5\nCategory=2\nTitle=0\nRandom=1\n";

QByteArray Bytes(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool WriteFile(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           out.write(bytes) == bytes.size() && out.flush();
}

bool IsRegularFile(const QString& file) {
    struct stat info {};
    return ::lstat(QFile::encodeName(file).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// What a folder holds, by path within it: a file's bytes, a link's target or
// the kind of anything else. Links and pipes are never followed or opened.
using Tree = std::map<std::string, std::string>;

Tree Snapshot(const QString& folder, const std::set<std::string>& skipped) {
    Tree tree;
    const fs::path root = folder.toStdString();
    std::error_code error;
    for (auto entry = fs::recursive_directory_iterator(root, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        const fs::path path = entry->path();
        const std::string name = path.lexically_relative(root).string();
        // Screenshots are the test's own.
        if (skipped.count(name) ||
            (name.find('/') == std::string::npos && name.ends_with(".png"))) {
            entry.disable_recursion_pending();
            continue;
        }
        switch (fs::symlink_status(path).type()) {
        case fs::file_type::regular: {
            std::ifstream in(path, std::ios::binary);
            tree[name] = "file " + std::string(std::istreambuf_iterator<char>(in), {});
            break;
        }
        case fs::file_type::symlink:
            tree[name] = "link " + fs::read_symlink(path).string();
            break;
        case fs::file_type::directory:
            tree[name] = "folder";
            break;
        case fs::file_type::fifo:
            tree[name] = "pipe";
            break;
        default:
            tree[name] = "other";
        }
    }
    if (error)
        tree["(listing)"] = error.message();
    return tree;
}

std::string Differences(const Tree& before, const Tree& after) {
    std::string text;
    for (const auto& [name, was] : before) {
        const auto now = after.find(name);
        if (now == after.end())
            text += "\n  gone: " + name;
        else if (now->second != was)
            text += "\n  changed: " + name;
    }
    for (const auto& [name, now] : after)
        if (!before.count(name))
            text += "\n  new: " + name;
    return text;
}

class FaultsTest : public GameTest {
  protected:
    // Two pictures, so a board or temp.bmp that kept its picture is told from
    // one that took the other.
    std::vector<QImage> pictures_{MakeTestPicture(0), MakeTestPicture(1)};
    QString window_;
    PrivateMounts mounts_;

    // The program folder as the game names it.
    QString ProgramFolder() const { return QFileInfo(programDir_).canonicalFilePath(); }
    QString InFolder(const QString& folder, const QString& name) const {
        return QDir(folder).filePath(name);
    }
    QString TempBmp() const { return InFolder(ProgramFolder(), QStringLiteral("temp.bmp")); }

    int PictureIn(const QString& file) const { return PackPictureIn(file, pictures_); }

    // The game's program folder with its pack, and settings it has no
    // reason to rewrite. Use with ASSERT_NO_FATAL_FAILURE.
    void Install() {
        ASSERT_NO_FATAL_FAILURE(InstallGame());
        ASSERT_NO_FATAL_FAILURE(InstallPack(QStringLiteral("movies.qdr"), 2, pictures_));
        ASSERT_TRUE(QDir(configDir_).mkpath(QStringLiteral("Quadrillo")));
        ASSERT_TRUE(WriteFile(SettingsFile(), kDefaultSettings));
    }

    // Everything but the game's working files, the lock and the screenshots.
    Tree Everything(std::set<std::string> skipped = {"program/temp.bmp", "cache"}) const {
        skipped.insert({"program/temp.bmp.part", "program/prev.bmp", "runtime"});
        return Snapshot(scratch_.path(), skipped);
    }

    // Mounts made after this are the test's own. Use with
    // ASSERT_NO_FATAL_FAILURE, then return when IsSkipped().
    void OwnMountNamespace() {
        bool allowed = false;
        std::string reason;
        ASSERT_NO_FATAL_FAILURE(mounts_.Enter(&allowed, &reason));
        if (!allowed)
            GTEST_SKIP() << reason << ", which the test needs to mount its faults";
    }

    // The game's environment with `cache` as the player's cache folder.
    QProcessEnvironment WithCache(const QString& cache) const {
        QProcessEnvironment environment = gameEnvironment_;
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        return environment;
    }

    // Waits until the game shows its main window and nothing else; the main
    // window is the one as wide as the board.
    void AwaitMainWindowAlone(const Grid& grid = kGrid) {
        std::string problem;
        QElapsedTimer waited;
        waited.start();
        while (true) {
            const std::optional<QStringList> windows = WindowsTitled(QStringLiteral("."), &problem);
            if (windows && windows->size() == 1) {
                const std::optional<QRect> outer = WindowOnScreen(windows->front(), &problem);
                if (outer && outer->width() == grid.BoardSize().width()) {
                    window_ = windows->front();
                    const std::optional<QRect> board =
                        BoardOnScreen(window_, grid.BoardSize(), &problem);
                    ASSERT_TRUE(board) << problem;
                    board_ = *board;
                    return;
                }
            }
            ASSERT_NE(game_.state(), QProcess::NotRunning) << "the game ended: " << GameOutput();
            std::string unused;
            if (waited.elapsed() >= kWindowWaitMs)
                GrabScreen(QStringLiteral("windows"), &unused);
            ASSERT_LT(waited.elapsed(), kWindowWaitMs)
                << "the game never showed its " << grid.n << " x " << grid.n
                << " window alone; its windows: "
                << (windows ? Text(windows->join(QLatin1Char(' '))) : problem)
                << "; game output: " << GameOutput() << Screenshots();
            QThread::msleep(kPollMs);
        }
    }

    // Waits for a message box, reads it and closes it with Enter.
    void AwaitBox(QString* text) {
        std::string problem;
        const std::optional<QString> box = WaitForOtherWindow(window_, &problem);
        ASSERT_TRUE(box) << "no message box: " << problem << Screenshots();
        const std::optional<QString> said = MessageBoxText(*box, &problem);
        ASSERT_TRUE(said) << problem << Screenshots();
        *text = *said;
        ASSERT_TRUE(SendKeys(*box, {QStringLiteral("Return")}, &problem)) << problem;
    }

    void Press(const QStringList& keys) {
        std::string problem;
        ASSERT_TRUE(SendKeys(window_, keys, &problem)) << problem;
    }

    void AwaitBoard(const std::function<bool(const std::vector<TileShown>&)>& wanted,
                    const std::string& what, std::vector<TileShown>* shown,
                    const Grid& grid = kGrid) {
        QImage board;
        ASSERT_NO_FATAL_FAILURE(
            WaitForBoard(grid, pictures_, QStringLiteral("board"), wanted, what, &board, shown));
    }

    // Starts the game and waits for a whole pack picture on its board, no
    // message box shown; `picture` is which.
    void StartPlaying(const QProcessEnvironment& environment, int* picture,
                      std::vector<TileShown>* shown) {
        ASSERT_NO_FATAL_FAILURE(StartGame(environment));
        ASSERT_NO_FATAL_FAILURE(AwaitMainWindowAlone());
        ASSERT_NO_FATAL_FAILURE(AwaitBoard(
            [](const std::vector<TileShown>& cells) {
                return WholePictureShown(cells, kGrid) >= 0;
            },
            "each tile of one pack picture once", shown));
        *picture = WholePictureShown(*shown, kGrid);
    }

    // After a box: the board as it was, until the box is gone.
    void AwaitSameBoard(const std::vector<TileShown>& before) {
        std::vector<TileShown> shown;
        ASSERT_NO_FATAL_FAILURE(AwaitBoard(
            [&](const std::vector<TileShown>& cells) { return SameArrangement(cells, before); },
            "the picture and board it had before the fault", &shown));
    }

    // Ctrl+J jumbles `picture` anew, and nothing else is shown: the game
    // answers, and no second box is waiting.
    void ExpectAnswers(int picture, std::vector<TileShown>* shown) {
        ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("ctrl+j")}));
        const std::vector<TileShown> before = *shown;
        ASSERT_NO_FATAL_FAILURE(AwaitBoard(
            [&](const std::vector<TileShown>& cells) {
                return WholePictureShown(cells, kGrid) == picture &&
                       !SameArrangement(cells, before);
            },
            "the picture jumbled anew after Ctrl+J", shown));
        ExpectMainWindowAlone();
    }

    void ExpectMainWindowAlone() {
        std::string problem;
        const std::optional<QStringList> windows = WindowsTitled(QStringLiteral("."), &problem);
        ASSERT_TRUE(windows) << problem;
        EXPECT_EQ(Text(windows->join(QLatin1Char(' '))), Text(window_))
            << "more windows than the game's own" << Screenshots();
    }

    // Help > About opens its box, which Enter closes: for a game without a
    // picture to jumble.
    void ExpectAboutAnswers() {
        ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("alt+h"), QStringLiteral("a")}));
        std::string problem;
        const std::optional<QString> about =
            WaitForWindow(QStringLiteral("About Quadrillo"), &problem);
        ASSERT_TRUE(about) << problem << Screenshots();
        ASSERT_TRUE(SendKeys(*about, {QStringLiteral("Return")}, &problem)) << problem;
        ASSERT_TRUE(WaitForNoWindow(QStringLiteral("About Quadrillo"), &problem)) << problem;
    }

    // View > Options, then OK: the settings are saved as the game saves them.
    void SaveOptions() {
        ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("alt+v"), QStringLiteral("o")}));
        std::string problem;
        const QString title = QStringLiteral("Quadrillo Options");
        const std::optional<QString> options = WaitForWindow(title, &problem);
        ASSERT_TRUE(options) << problem << Screenshots();
        ASSERT_TRUE(SendKeys(*options, {QStringLiteral("Return")}, &problem)) << problem;
        ASSERT_TRUE(WaitForNoWindow(title, &problem)) << problem;
    }

    // The close request, answered by a box before the game quits with 0.
    void CloseThroughBox(QString* text) {
        const ToolRun close =
            RunTool(QStringLiteral(X_CLOSE_WINDOW_BINARY), {window_}, toolEnvironment_);
        ASSERT_TRUE(close.ok) << close.problem;
        ASSERT_NO_FATAL_FAILURE(AwaitBox(text));
        ASSERT_TRUE(game_.waitForFinished(kExitWaitMs))
            << "the game did not exit after the box; output: " << GameOutput();
        ASSERT_EQ(game_.exitStatus(), QProcess::NormalExit) << GameOutput();
        ASSERT_EQ(game_.exitCode(), 0) << GameOutput();
    }
    // Starts `program` while the game runs and waits for the box that says
    // it will not run, with `expected` as its text; then for its exit with 0.
    // Use with ASSERT_NO_FATAL_FAILURE.
    void ExpectSecondGameRefused(const QString& program, const QProcessEnvironment& environment,
                                 const QString& expected) {
        QProcess second;
        second.setProcessEnvironment(environment);
        second.setWorkingDirectory(launchDir_);
        second.setProcessChannelMode(QProcess::MergedChannels);
        second.start(program, {});
        ASSERT_TRUE(second.waitForStarted(kToolWaitMs)) << Text(second.errorString());
        std::optional<QString> box;
        QElapsedTimer waited;
        waited.start();
        while (!box) {
            const ToolRun search = RunTool(
                QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--pid"), QString::number(second.processId()),
                 QStringLiteral("--name"), QStringLiteral(".")},
                toolEnvironment_);
            if (search.ok)
                box = QString::fromLatin1(search.out.trimmed().split('\n').front());
            else {
                ASSERT_NE(second.state(), QProcess::NotRunning)
                    << "the second game ended without a box: " << Text(second.readAll());
                ASSERT_LT(waited.elapsed(), kWindowWaitMs) << "the second game showed no box";
                QThread::msleep(kPollMs);
            }
        }
        std::string problem;
        const std::optional<QString> text = MessageBoxText(*box, &problem);
        ASSERT_TRUE(text) << problem << Screenshots();
        EXPECT_EQ(Text(*text), Text(expected));
        ASSERT_TRUE(SendKeys(*box, {QStringLiteral("Return")}, &problem)) << problem;
        ASSERT_TRUE(second.waitForFinished(kExitWaitMs)) << "the second game did not exit";
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0) << Text(second.readAll());
    }
};

TEST_F(FaultsTest, ReadOnlyProgramFolderKeepsTheWorkingFileInTheCache) {
    ASSERT_NO_FATAL_FAILURE(OwnMountNamespace());
    if (IsSkipped())
        return;
    ASSERT_NO_FATAL_FAILURE(Install());
    ASSERT_NO_FATAL_FAILURE(mounts_.MountReadOnly(programDir_));
    const QString cache = ScratchFile(QStringLiteral("cache"));
    const QString working = InFolder(cache, QStringLiteral("Quadrillo/temp.bmp"));
    const QProcessEnvironment environment = WithCache(cache);
    const Tree before = Everything();

    int picture = -1;
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(StartPlaying(environment, &picture, &shown));
    EXPECT_EQ(PictureIn(working), picture) << "the cache's temp.bmp is not the picture played";

    // Removed, so that a temp.bmp after New was written by New.
    ASSERT_TRUE(QFile::remove(working));
    ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("ctrl+n")}));
    const std::vector<TileShown> old = shown;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) {
            return WholePictureShown(cells, kGrid) >= 0 && !SameArrangement(cells, old);
        },
        "a picture jumbled anew after Ctrl+N", &shown));
    picture = WholePictureShown(shown, kGrid);
    EXPECT_EQ(PictureIn(working), picture) << "New did not write the cache's temp.bmp";
    ASSERT_NO_FATAL_FAILURE(ExpectAnswers(picture, &shown));

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
    EXPECT_FALSE(QFileInfo::exists(working)) << "the cache's temp.bmp outlived the game";
    EXPECT_EQ(Differences(before, Everything()), "");
}

TEST_F(FaultsTest, DiskFullDuringNewIsToldAndThePictureStays) {
    ASSERT_NO_FATAL_FAILURE(OwnMountNamespace());
    if (IsSkipped())
        return;
    ASSERT_NO_FATAL_FAILURE(Install());
    ASSERT_NO_FATAL_FAILURE(mounts_.MountReadOnly(programDir_));
    const QString cache = ScratchFile(QStringLiteral("cache"));
    ASSERT_TRUE(QDir().mkpath(cache));
    // Room for temp.bmp and a new one beside it (660 KiB each).
    ASSERT_NO_FATAL_FAILURE(mounts_.MountTmpfs(cache, "size=2m"));
    const QString working = InFolder(cache, QStringLiteral("Quadrillo/temp.bmp"));
    const QProcessEnvironment environment = WithCache(cache);
    const Tree before = Everything();

    int picture = -1;
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(StartPlaying(environment, &picture, &shown));
    const QByteArray playing = Bytes(working);
    ASSERT_EQ(PictureIn(working), picture);

    const QString filler = InFolder(cache, QStringLiteral("filler"));
    {
        const int out = ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(out, 0) << std::strerror(errno);
        const std::vector<char> block(4096, 'f');
        while (::write(out, block.data(), block.size()) > 0) {
        }
        const int error = errno;
        ::close(out);
        ASSERT_EQ(error, ENOSPC) << std::strerror(error);
    }

    ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("ctrl+n")}));
    QString text;
    ASSERT_NO_FATAL_FAILURE(AwaitBox(&text));
    EXPECT_EQ(
        Text(text),
        Text(QStringLiteral("Could not write \"%1.part\": No space left on device.").arg(working)));
    ASSERT_NO_FATAL_FAILURE(AwaitSameBoard(shown));
    EXPECT_TRUE(Bytes(working) == playing) << "temp.bmp changed";
    EXPECT_FALSE(QFileInfo::exists(working + ".part")) << "temp.bmp.part was left";
    ASSERT_NO_FATAL_FAILURE(ExpectAnswers(picture, &shown));

    // With room again, New plays again.
    ASSERT_TRUE(QFile::remove(filler));
    ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("ctrl+n")}));
    const std::vector<TileShown> old = shown;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) {
            return WholePictureShown(cells, kGrid) >= 0 && !SameArrangement(cells, old);
        },
        "a picture jumbled anew after Ctrl+N", &shown));
    EXPECT_EQ(PictureIn(working), WholePictureShown(shown, kGrid));

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
    EXPECT_FALSE(QFileInfo::exists(working)) << "the cache's temp.bmp outlived the game";
    EXPECT_EQ(Differences(before, Everything()), "");
}

TEST_F(FaultsTest, PackDeletedCutShortOrReplacedAfterTheScanIsToldEachTime) {
    ASSERT_NO_FATAL_FAILURE(Install());
    const QString pack = InFolder(ProgramFolder(), QStringLiteral("movies.qdr"));
    const QByteArray original = Bytes(pack);
    const Tree before = Everything();

    int picture = -1;
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(StartPlaying(gameEnvironment_, &picture, &shown));
    const QByteArray playing = Bytes(TempBmp());
    ASSERT_EQ(PictureIn(TempBmp()), picture);

    // Cut inside the first picture's data: neither picture is whole.
    const QByteArray cut = original.left(3 + 1 + 14 + 4 + 1000);
    QByteArray replaced = original;
    replaced[0] = 'Y';
    const struct {
        const char* what;
        std::function<bool()> change;
        QString told;
    } faults[] = {
        {"deleted", [&] { return QFile::remove(pack); },
         QStringLiteral("Could not open \"%1\": No such file or directory.").arg(pack)},
        {"cut short", [&] { return WriteFile(pack, cut); },
         QStringLiteral("movies.qdr: Read Out the File")},
        {"replaced by a file that is no pack", [&] { return WriteFile(pack, replaced); },
         QStringLiteral(
             "movies.qdr has changed since Quadrillo started: it is no longer a picture pack.")},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.what);
        ASSERT_TRUE(fault.change());
        ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("ctrl+n")}));
        QString text;
        ASSERT_NO_FATAL_FAILURE(AwaitBox(&text));
        EXPECT_EQ(Text(text), Text(fault.told));
        ASSERT_NO_FATAL_FAILURE(AwaitSameBoard(shown));
        EXPECT_TRUE(Bytes(TempBmp()) == playing) << "temp.bmp changed";
        EXPECT_FALSE(QFileInfo::exists(TempBmp() + ".part")) << "temp.bmp.part was left";
        ASSERT_NO_FATAL_FAILURE(ExpectAnswers(picture, &shown));
    }

    // The pack as it was scanned plays again.
    ASSERT_TRUE(WriteFile(pack, original));
    ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("ctrl+n")}));
    const std::vector<TileShown> old = shown;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) {
            return WholePictureShown(cells, kGrid) >= 0 && !SameArrangement(cells, old);
        },
        "a picture jumbled anew after Ctrl+N", &shown));
    EXPECT_EQ(PictureIn(TempBmp()), WholePictureShown(shown, kGrid));

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
    EXPECT_FALSE(QFileInfo::exists(TempBmp())) << "temp.bmp outlived the game";
    EXPECT_EQ(Differences(before, Everything()), "");
}

TEST_F(FaultsTest, SettingsItCannotReadOrWriteAreToldAtStartAndLeftAlone) {
    const QString folder = InFolder(configDir_, QStringLiteral("Quadrillo"));
    const struct {
        const char* what;
        std::function<bool()> make;
        QString told;
    } faults[] = {
        // A 7 x 7 board would tell that the file's readable start was used.
        {"garbage in the settings file",
         [&] {
             static const char kGarbage[] = "[Settings]\nDimension=7\n\0\xff\xfe\x01garbage";
             return WriteFile(SettingsFile(), QByteArray(kGarbage, sizeof kGarbage - 1));
         },
         QStringLiteral("Could not read \"%1\": it does not hold settings Quadrillo can read. "
                        "Quadrillo uses its default settings and leaves that file as it is.")
             .arg(SettingsFile())},
        {"a file where the settings folder belongs",
         [&] {
             return QDir(folder).removeRecursively() && WriteFile(folder, "no settings folder\n");
         },
         QStringLiteral("Could not write \"%1\": it cannot be written. Changed settings last "
                        "until Quadrillo ends.")
             .arg(SettingsFile())},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.what);
        ASSERT_NO_FATAL_FAILURE(Install());
        ASSERT_TRUE(fault.make());
        const Tree before = Everything();

        ASSERT_NO_FATAL_FAILURE(StartGame(gameEnvironment_));
        window_.clear();
        QString text;
        ASSERT_NO_FATAL_FAILURE(AwaitBox(&text));
        EXPECT_EQ(Text(text), Text(fault.told));
        ASSERT_NO_FATAL_FAILURE(AwaitMainWindowAlone());
        std::vector<TileShown> shown;
        ASSERT_NO_FATAL_FAILURE(AwaitBoard(
            [](const std::vector<TileShown>& cells) {
                return WholePictureShown(cells, kGrid) >= 0;
            },
            "each tile of one pack picture once on the default 5 x 5 board", &shown));
        // Saved settings are kept in memory; a write fault is told only once.
        ASSERT_NO_FATAL_FAILURE(SaveOptions());
        ASSERT_NO_FATAL_FAILURE(ExpectAnswers(WholePictureShown(shown, kGrid), &shown));

        ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
        EXPECT_EQ(Differences(before, Everything()), "");
        ASSERT_TRUE(QFile::remove(ProgramFile(QStringLiteral("quadrillo"))));
        ASSERT_TRUE(QFile::remove(ProgramFile(QStringLiteral("movies.qdr"))));
    }
}

TEST_F(FaultsTest, TempBmpThatIsAFolderOrAPipeIsToldAtStartAndAtExit) {
    const struct {
        const char* what;
        std::function<bool()> make;
    } faults[] = {
        {"a folder with a file in it",
         [&] {
             return QDir(programDir_).mkdir(QStringLiteral("temp.bmp")) &&
                    WriteFile(ProgramFile(QStringLiteral("temp.bmp/keep.txt")), "kept\n");
         }},
        {"a pipe", [&] { return ::mkfifo(QFile::encodeName(TempBmp()).constData(), 0644) == 0; }},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.what);
        ASSERT_NO_FATAL_FAILURE(Install());
        ASSERT_TRUE(fault.make());
        // temp.bmp is the player's here, and stays as it is.
        const Tree before = Everything({"cache"});

        ASSERT_NO_FATAL_FAILURE(StartGame(gameEnvironment_));
        window_.clear();
        QString text;
        ASSERT_NO_FATAL_FAILURE(AwaitBox(&text));
        EXPECT_EQ(Text(text),
                  Text(QStringLiteral("Could not write \"%1\": it is not a regular file.")
                           .arg(TempBmp())));
        ASSERT_NO_FATAL_FAILURE(AwaitMainWindowAlone());
        ASSERT_NO_FATAL_FAILURE(ExpectAboutAnswers());
        ASSERT_NO_FATAL_FAILURE(ExpectMainWindowAlone());

        ASSERT_NO_FATAL_FAILURE(CloseThroughBox(&text));
        EXPECT_EQ(Text(text),
                  Text(QStringLiteral("Could not delete \"%1\": it is not a regular file.")
                           .arg(TempBmp())));
        EXPECT_EQ(Differences(before, Everything({"cache"})), "");
        ASSERT_TRUE(QDir(programDir_).removeRecursively() && QDir().mkpath(programDir_));
    }
}

TEST_F(FaultsTest, PipeNamedLikeAPackIsToldAndTheGoodPackPlays) {
    ASSERT_NO_FATAL_FAILURE(Install());
    const QString pipe = InFolder(ProgramFolder(), QStringLiteral("pipe.qdr"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0) << std::strerror(errno);
    const Tree before = Everything();

    ASSERT_NO_FATAL_FAILURE(StartGame(gameEnvironment_));
    QString text;
    ASSERT_NO_FATAL_FAILURE(AwaitBox(&text));
    EXPECT_EQ(Text(text),
              Text(QStringLiteral("Could not open \"%1\": it is not a regular file.").arg(pipe)));
    ASSERT_NO_FATAL_FAILURE(AwaitMainWindowAlone());
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [](const std::vector<TileShown>& cells) { return WholePictureShown(cells, kGrid) >= 0; },
        "each tile of one pack picture once", &shown));
    const int picture = WholePictureShown(shown, kGrid);
    EXPECT_EQ(PictureIn(TempBmp()), picture);
    ASSERT_NO_FATAL_FAILURE(ExpectAnswers(picture, &shown));

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
    EXPECT_FALSE(QFileInfo::exists(TempBmp())) << "temp.bmp outlived the game";
    EXPECT_EQ(Differences(before, Everything()), "");
}

TEST_F(FaultsTest, LinkNamedTempBmpIsReplacedNeverWrittenThrough) {
    ASSERT_NO_FATAL_FAILURE(Install());
    // A picture too, so that a game reading through the link could play it.
    const QString victim = ScratchFile(QStringLiteral("victim.bmp"));
    ASSERT_TRUE(WriteFile(victim, EncodeBmp24(MakeTestPicture(2))));
    ASSERT_TRUE(QFile::link(victim, TempBmp()));
    const Tree before = Everything();

    int picture = -1;
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(StartPlaying(gameEnvironment_, &picture, &shown));
    EXPECT_TRUE(IsRegularFile(TempBmp())) << "temp.bmp is still the link";
    EXPECT_EQ(PictureIn(TempBmp()), picture);
    ASSERT_NO_FATAL_FAILURE(Press({QStringLiteral("ctrl+n")}));
    const std::vector<TileShown> old = shown;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) {
            return WholePictureShown(cells, kGrid) >= 0 && !SameArrangement(cells, old);
        },
        "a picture jumbled anew after Ctrl+N", &shown));
    EXPECT_EQ(PictureIn(TempBmp()), WholePictureShown(shown, kGrid));
    ExpectMainWindowAlone();

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
    EXPECT_FALSE(QFileInfo::exists(TempBmp())) << "temp.bmp outlived the game";
    // The victim among them.
    EXPECT_EQ(Differences(before, Everything()), "");
}

TEST_F(FaultsTest, SecondGameFromTheSameFolderSaysSoAndLeavesTheFirstAlone) {
    ASSERT_NO_FATAL_FAILURE(Install());
    int picture = -1;
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(StartPlaying(gameEnvironment_, &picture, &shown));
    // temp.bmp included: the second game must not touch it.
    const Tree playing = Everything({"cache"});

    ASSERT_NO_FATAL_FAILURE(ExpectSecondGameRefused(
        ProgramFile(QStringLiteral("quadrillo")), gameEnvironment_,
        QStringLiteral("Quadrillo is already running from the folder %1.").arg(ProgramFolder())));
    EXPECT_EQ(Differences(playing, Everything({"cache"})), "");

    ASSERT_NO_FATAL_FAILURE(ExpectAnswers(picture, &shown));
    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
}

TEST_F(FaultsTest, SecondGameSharingTheWorkingFolderSaysSoAndLeavesTheFirstAlone) {
    ASSERT_NO_FATAL_FAILURE(OwnMountNamespace());
    if (IsSkipped())
        return;
    ASSERT_NO_FATAL_FAILURE(Install());
    // Another install of the game in a read-only folder of its own: both
    // keep their working files in the player's one cache.
    const QString other = ScratchFile(QStringLiteral("other"));
    ASSERT_TRUE(QDir().mkpath(other));
    const QString otherGame = InFolder(other, QStringLiteral("quadrillo"));
    ASSERT_TRUE(QFile::copy(ProgramFile(QStringLiteral("quadrillo")), otherGame));
    ASSERT_NO_FATAL_FAILURE(mounts_.MountReadOnly(programDir_));
    ASSERT_NO_FATAL_FAILURE(mounts_.MountReadOnly(other));
    const QString cache = ScratchFile(QStringLiteral("cache"));
    const QProcessEnvironment environment = WithCache(cache);

    int picture = -1;
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(StartPlaying(environment, &picture, &shown));
    // The cache's temp.bmp included: the second game must not touch it.
    const Tree playing = Everything({});
    ASSERT_NO_FATAL_FAILURE(ExpectSecondGameRefused(
        otherGame, environment,
        QStringLiteral("Quadrillo is already running with its working files in the folder %1.")
            .arg(InFolder(cache, QStringLiteral("Quadrillo")))));
    EXPECT_EQ(Differences(playing, Everything({})), "");

    ASSERT_NO_FATAL_FAILURE(ExpectAnswers(picture, &shown));
    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
}

} // namespace
