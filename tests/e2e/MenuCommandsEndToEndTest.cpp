// Drives the menu commands of the real game with its keys on an X server:
// New, Open through the file dialog, Show solution, Solve for me and About,
// then the command line's picture and options.
#include "tests/e2e/GameHarness.h"

#include "platform/BmpWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace {

constexpr Grid kGrid{5};

// Every cell shows the tile that belongs there.
bool AllHome(const std::vector<TileShown>& shown) {
    for (std::size_t cell = 0; cell < shown.size(); ++cell)
        if (shown[cell].tile != int(cell))
            return false;
    return true;
}

// The picture as the Solution window shows it: reduced to 300 x 188 with
// Qt's smooth scaling.
QImage SolutionView(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGB32)
        .scaled(QSize(300, 188), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Whether `wanted` appears pixel for pixel somewhere in `shown`.
bool Contains(const QImage& shown, const QImage& wanted) {
    const QImage screen = shown.convertToFormat(QImage::Format_RGB32);
    const auto same = [&](int x, int y, int px, int py) {
        return (screen.pixel(x + px, y + py) & 0xffffffu) == (wanted.pixel(px, py) & 0xffffffu);
    };
    const int lastX = wanted.width() - 1, lastY = wanted.height() - 1;
    for (int y = 0; y + lastY < screen.height(); ++y)
        for (int x = 0; x + lastX < screen.width(); ++x)
            // Corners first: the full comparison is for likely places only.
            if (same(x, y, 0, 0) && same(x, y, lastX, lastY) && same(x, y, lastX, 0) &&
                SamePixels(screen.copy(x, y, wanted.width(), wanted.height()), wanted))
                return true;
    return false;
}

class MenuCommandsTest : public GameTest {
  protected:
    // 0 and 1 make the pack; 2 is only ever a file of its own, so a board
    // showing it did not come from the pack.
    std::vector<QImage> pictures_{MakeTestPicture(0), MakeTestPicture(1), MakeTestPicture(2)};
    QString window_;

    void InstallGameAndPack() {
        ASSERT_NO_FATAL_FAILURE(InstallGame());
        ASSERT_NO_FATAL_FAILURE(
            InstallPack(QStringLiteral("test.qdr"), 2, {pictures_[0], pictures_[1]}));
    }

    // Starts the game and waits for a whole picture on its board; `picture`
    // is which. Use with ASSERT_NO_FATAL_FAILURE.
    void Start(const QStringList& arguments, int* picture) {
        ASSERT_NO_FATAL_FAILURE(StartWithBoard(kGrid, &window_, arguments));
        QImage image;
        ASSERT_NO_FATAL_FAILURE(
            WaitForWholePicture(kGrid, pictures_, QStringLiteral("start"), &image, picture));
    }

    void Press(const QString& window, const QStringList& keys) {
        std::string problem;
        ASSERT_TRUE(SendKeys(window, keys, &problem)) << problem;
    }

    void AwaitWindow(const QString& title, QString* window) {
        std::string problem;
        const std::optional<QString> found = WaitForWindow(title, &problem);
        ASSERT_TRUE(found) << problem << Screenshots();
        *window = *found;
    }

    void AwaitNoWindow(const QString& title) {
        std::string problem;
        ASSERT_TRUE(WaitForNoWindow(title, &problem)) << problem << Screenshots();
    }

    void AwaitBoard(const std::function<bool(const std::vector<TileShown>&)>& wanted,
                    const std::string& what, std::vector<TileShown>* shown) {
        QImage board;
        ASSERT_NO_FATAL_FAILURE(
            WaitForBoard(kGrid, pictures_, QStringLiteral("board"), wanted, what, &board, shown));
    }

    // Moves `window` as a player would drag it; no window manager does here.
    void Move(const QString& window, QPoint to) {
        const ToolRun moved = RunTool(QStringLiteral("xdotool"),
                                      {QStringLiteral("windowmove"), QStringLiteral("--sync"),
                                       window, QString::number(to.x()), QString::number(to.y())},
                                      toolEnvironment_);
        ASSERT_TRUE(moved.ok) << moved.problem;
    }

    // Waits until the Solution window `window` shows pictures_[picture].
    void AwaitSolutionPicture(const QString& window, int picture) {
        const QImage wanted = SolutionView(pictures_[picture]);
        std::string problem;
        QElapsedTimer waited;
        waited.start();
        while (true) {
            const std::optional<QRect> outer = WindowOnScreen(window, &problem);
            ASSERT_TRUE(outer) << problem;
            const std::optional<QImage> screen = GrabScreen(QStringLiteral("solution"), &problem);
            ASSERT_TRUE(screen) << problem;
            if (Contains(screen->copy(*outer), wanted))
                return;
            ASSERT_LT(waited.elapsed(), kScreenWaitMs)
                << "the Solution window never showed test picture " << picture << " reduced"
                << Screenshots();
            ASSERT_FALSE(GameEnded(kPollMs)) << "the game ended early: " << HowGameEnded();
        }
    }

    QString TempBmp() const { return ProgramFile(QStringLiteral("temp.bmp")); }

    int PictureInTempBmp() const { return PackPictureIn(TempBmp(), pictures_); }
};

TEST_F(MenuCommandsTest, NewPlaysAJumbledPackPictureAndExtractsItBesideTheGame) {
    ASSERT_NO_FATAL_FAILURE(InstallGameAndPack());
    int started = -1;
    ASSERT_NO_FATAL_FAILURE(Start({}, &started));

    // Solved first, so that a jumbled board afterwards is New's doing.
    ASSERT_NO_FATAL_FAILURE(Press(window_, {QStringLiteral("alt+v"), QStringLiteral("v")}));
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) {
            return WholePictureShown(cells, kGrid) == started && AllHome(cells);
        },
        "the starting picture solved after View > Solve for me", &shown));
    // Removed, so that a temp.bmp after New was written by New.
    ASSERT_TRUE(QFile::remove(TempBmp())) << "no temp.bmp beside the game";

    ASSERT_NO_FATAL_FAILURE(Press(window_, {QStringLiteral("ctrl+n")}));
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) {
            return WholePictureShown(cells, kGrid) >= 0 && !AllHome(cells);
        },
        "a jumbled picture after Ctrl+N", &shown));
    const int played = WholePictureShown(shown, kGrid);
    EXPECT_EQ(PictureInTempBmp(), played)
        << "temp.bmp is not byte for byte the pack picture the board shows" << Screenshots();

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
}

TEST_F(MenuCommandsTest, OpenPlaysThePictureTypedIntoTheFileDialog) {
    ASSERT_NO_FATAL_FAILURE(InstallGameAndPack());
    const QString file = ScratchFile(QStringLiteral("opened.png"));
    ASSERT_TRUE(pictures_[2].save(file, "PNG"));
    int started = -1;
    ASSERT_NO_FATAL_FAILURE(Start({}, &started));

    ASSERT_NO_FATAL_FAILURE(Press(window_, {QStringLiteral("ctrl+o")}));
    std::string problem;
    const std::optional<QString> dialog = WaitForOtherWindow(window_, &problem);
    ASSERT_TRUE(dialog) << "no file dialog after Ctrl+O: " << problem << Screenshots();
    ASSERT_TRUE(TypeText(*dialog, file, &problem)) << problem;
    ASSERT_NO_FATAL_FAILURE(Press(*dialog, {QStringLiteral("Return")}));

    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) { return WholePictureShown(cells, kGrid) == 2; },
        "each tile of the opened picture once", &shown));
    const std::optional<QStringList> windows = WindowsTitled(QStringLiteral("."), &problem);
    ASSERT_TRUE(windows) << problem;
    EXPECT_EQ(Text(windows->join(QLatin1Char(' '))), Text(window_))
        << "the file dialog is still shown" << Screenshots();

    // The solution is the opened picture, not the pack picture played before.
    ASSERT_NO_FATAL_FAILURE(Press(window_, {QStringLiteral("ctrl+s")}));
    QString solution;
    ASSERT_NO_FATAL_FAILURE(AwaitWindow(QStringLiteral("Solution"), &solution));
    ASSERT_NO_FATAL_FAILURE(AwaitSolutionPicture(solution, 2));

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
}

TEST_F(MenuCommandsTest, ShowSolutionOpensOneWindowOfThePictureThatEscCloses) {
    ASSERT_NO_FATAL_FAILURE(InstallGameAndPack());
    int started = -1;
    ASSERT_NO_FATAL_FAILURE(Start({}, &started));
    std::string problem;
    std::vector<TileShown> before;
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(
        [&](const std::vector<TileShown>& cells) {
            return WholePictureShown(cells, kGrid) == started;
        },
        "the starting picture", &before));

    ASSERT_NO_FATAL_FAILURE(Press(window_, {QStringLiteral("ctrl+s")}));
    QString solution;
    ASSERT_NO_FATAL_FAILURE(AwaitWindow(QStringLiteral("Solution"), &solution));
    // Off the board, which is read below.
    ASSERT_NO_FATAL_FAILURE(Move(solution, board_.topRight() + QPoint(50, 0)));
    ASSERT_NO_FATAL_FAILURE(AwaitSolutionPicture(solution, started));

    {
        SCOPED_TRACE("Ctrl+S again while the window is open");
        // Ctrl+J after it changes the board once both keys are handled.
        ASSERT_NO_FATAL_FAILURE(
            Press(window_, {QStringLiteral("ctrl+s"), QStringLiteral("ctrl+j")}));
        // Counted after each look at the board: a second window may be put
        // over the board, and needs no more waiting.
        std::optional<QStringList> shown;
        std::vector<TileShown> after;
        ASSERT_NO_FATAL_FAILURE(AwaitBoard(
            [&](const std::vector<TileShown>& cells) {
                shown = WindowsTitled(ExactTitle(QStringLiteral("Solution")), &problem);
                return shown != QStringList{solution} ||
                       (WholePictureShown(cells, kGrid) == started &&
                        !SameArrangement(cells, before));
            },
            "the picture jumbled anew after Ctrl+J", &after));
        ASSERT_TRUE(shown) << problem;
        ASSERT_EQ(Text(shown->join(QLatin1Char(' '))), Text(solution))
            << "the Solution windows shown are not the first one alone" << Screenshots();
    }

    ASSERT_NO_FATAL_FAILURE(Press(solution, {QStringLiteral("Escape")}));
    ASSERT_NO_FATAL_FAILURE(AwaitNoWindow(QStringLiteral("Solution")));

    {
        SCOPED_TRACE("Ctrl+S after Esc closed the window");
        ASSERT_NO_FATAL_FAILURE(Press(window_, {QStringLiteral("ctrl+s")}));
        ASSERT_NO_FATAL_FAILURE(AwaitWindow(QStringLiteral("Solution"), &solution));
    }

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
}

TEST_F(MenuCommandsTest, HelpAboutOpensTheAboutBoxAndEnterClosesIt) {
    ASSERT_NO_FATAL_FAILURE(InstallGameAndPack());
    int started = -1;
    ASSERT_NO_FATAL_FAILURE(Start({}, &started));

    ASSERT_NO_FATAL_FAILURE(Press(window_, {QStringLiteral("alt+h"), QStringLiteral("a")}));
    QString about;
    ASSERT_NO_FATAL_FAILURE(AwaitWindow(QStringLiteral("About Quadrillo"), &about));
    ASSERT_NO_FATAL_FAILURE(Press(about, {QStringLiteral("Return")}));
    ASSERT_NO_FATAL_FAILURE(AwaitNoWindow(QStringLiteral("About Quadrillo")));

    ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
}

TEST_F(MenuCommandsTest, CommandLineAnswersVersionRefusesUnknownOptionAndPlaysPicture) {
    ASSERT_NO_FATAL_FAILURE(InstallGameAndPack());
    const QString game = ProgramFile(QStringLiteral("quadrillo"));

    {
        SCOPED_TRACE("--version without a display");
        QProcessEnvironment bare = gameEnvironment_;
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            bare.remove(QLatin1String(name));
        const ToolRun run = RunTool(game, {QStringLiteral("--version")}, bare, kExitWaitMs);
        EXPECT_EQ(run.exitCode, 0) << run.problem;
        EXPECT_EQ(Text(run.out), "Quadrillo 1.00");
        EXPECT_TRUE(run.out.endsWith('\n')) << "the version line is not ended";
        EXPECT_TRUE(run.err.isEmpty()) << Text(run.err);
    }

    {
        SCOPED_TRACE("--bogus");
        const ToolRun run =
            RunTool(game, {QStringLiteral("--bogus")}, gameEnvironment_, kExitWaitMs);
        EXPECT_EQ(run.exitCode, 2) << run.problem;
        EXPECT_TRUE(run.out.isEmpty()) << Text(run.out);
        EXPECT_TRUE(run.err.contains("--bogus")) << "stderr: " << Text(run.err);
    }

    {
        SCOPED_TRACE("a picture named on the command line");
        // Relative to where the game is started, not to the game's own
        // directory, which it works in.
        ASSERT_TRUE(
            pictures_[2].save(QDir(launchDir_).filePath(QStringLiteral("mine.png")), "PNG"));
        int started = -1;
        ASSERT_NO_FATAL_FAILURE(Start({QStringLiteral("mine.png")}, &started));
        EXPECT_EQ(started, 2) << "the game started on a pack picture" << Screenshots();
        ASSERT_NO_FATAL_FAILURE(CloseGame(window_));
    }
}

} // namespace
