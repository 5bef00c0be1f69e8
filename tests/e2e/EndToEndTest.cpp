// Drives the real game binary on an X server: the picture it shows, a swap
// made with two mouse clicks, and the exit through the window's close request.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <iostream>
#include <optional>
#include <set>

namespace {

constexpr int kGrid = 5;
constexpr int kTileWidth = 120;
constexpr int kTileHeight = 75;
constexpr int kBoardWidth = kGrid * kTileWidth;
constexpr int kBoardHeight = kGrid * kTileHeight;
constexpr int kCells = kGrid * kGrid;

constexpr int kWindowWaitMs = 20000;
constexpr int kScreenWaitMs = 10000;
constexpr int kExitWaitMs = 10000;
constexpr int kToolWaitMs = 10000;
constexpr int kPollMs = 100;

struct Cell {
    int column;
    int row;
};

QString Name(Cell cell) {
    return QStringLiteral("(%1,%2)").arg(cell.column).arg(cell.row);
}

int IndexOf(Cell cell) {
    return cell.row * kGrid + cell.column;
}

Cell CellAt(int index) {
    return {index % kGrid, index / kGrid};
}

QImage CellOf(const QImage& board, Cell cell) {
    return board.copy(cell.column * kTileWidth, cell.row * kTileHeight, kTileWidth, kTileHeight);
}

// Pixels only: QImage's == also compares colour spaces, and a screenshot has
// one where temp.bmp has none.
bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    for (int row = 0; row < x.height(); ++row)
        if (std::memcmp(x.constScanLine(row), y.constScanLine(row), size_t(x.width()) * 3) != 0)
            return false;
    return true;
}

// Every tile has its own blue and a gradient inside, so a whole cell tells
// which tile it shows and whether it is shifted or flipped.
QImage MakePicture() {
    QImage picture(kBoardWidth, kBoardHeight, QImage::Format_RGB888);
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            const int tile = (y / kTileHeight) * kGrid + x / kTileWidth;
            picture.setPixel(x, y,
                             qRgb((x % kTileWidth) * 2, (y % kTileHeight) * 3, 20 + tile * 9));
        }
    }
    return picture;
}

std::string Text(const QByteArray& bytes) {
    return bytes.trimmed().toStdString();
}

std::string Text(const QString& text) {
    return text.toStdString();
}

struct ToolRun {
    bool ok = false;
    QByteArray out;
    std::string problem;
};

// Runs a helper tool to its end; a tool that hangs is killed.
ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment, int timeoutMs = kToolWaitMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ToolRun run;
    const std::string command = Text(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
    if (!process.waitForStarted(timeoutMs)) {
        run.problem = command + ": " + Text(process.errorString());
        return run;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.problem = command + ": no answer within " + std::to_string(timeoutMs) + " ms";
        return run;
    }
    run.out = process.readAllStandardOutput();
    const QByteArray err = process.readAllStandardError();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok)
        run.problem = command + ": exit code " + std::to_string(process.exitCode()) +
                      ", stderr: " + Text(err);
    return run;
}

class EndToEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        display_ = qEnvironmentVariable("QUADRILLO_E2E_DISPLAY");
        if (display_.isEmpty())
            GTEST_SKIP() << "QUADRILLO_E2E_DISPLAY is not set; test.sh starts Xvfb and sets it "
                            "to the display this test drives the game on.";
        ASSERT_TRUE(scratch_.isValid()) << Text(scratch_.errorString());
        const QDir root(scratch_.path());
        for (const char* name : {"program", "launch", "config", "runtime"})
            ASSERT_TRUE(root.mkpath(QLatin1String(name))) << name;
        programDir_ = root.filePath(QStringLiteral("program"));
        launchDir_ = root.filePath(QStringLiteral("launch"));
        // Qt refuses a runtime directory others can read.
        QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        toolEnvironment_ = QProcessEnvironment::systemEnvironment();
        toolEnvironment_.insert(QStringLiteral("DISPLAY"), display_);

        gameEnvironment_ = toolEnvironment_;
        gameEnvironment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        gameEnvironment_.insert(QStringLiteral("XDG_CONFIG_HOME"),
                                root.filePath(QStringLiteral("config")));
        gameEnvironment_.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                                root.filePath(QStringLiteral("runtime")));
    }

    void TearDown() override {
        if (game_.state() != QProcess::NotRunning) {
            game_.kill();
            game_.waitForFinished(kExitWaitMs);
        }
        if (HasFailure()) {
            scratch_.setAutoRemove(false);
            std::cerr << "Screenshots and game files are kept in " << Text(scratch_.path()) << "\n";
        }
    }

    QString ScratchFile(const QString& name) const { return QDir(scratch_.path()).filePath(name); }

    // Everything the game printed so far; kept, as reading drains the pipe.
    std::string GameOutput() {
        gameOutput_ += game_.readAll();
        return Text(gameOutput_);
    }

    // The game's window, found by its title among the game's own windows.
    std::optional<QString> FindWindow(std::string* problem) {
        const ToolRun search = RunTool(QStringLiteral("xdotool"),
                                       {QStringLiteral("search"), QStringLiteral("--sync"),
                                        QStringLiteral("--onlyvisible"), QStringLiteral("--all"),
                                        QStringLiteral("--pid"), QString::number(game_.processId()),
                                        QStringLiteral("--name"), QStringLiteral("^Quadrillo$")},
                                       toolEnvironment_, kWindowWaitMs);
        if (!search.ok) {
            *problem = search.problem;
            return std::nullopt;
        }
        const QList<QByteArray> ids = search.out.trimmed().split('\n');
        if (ids.size() != 1 || ids.front().isEmpty()) {
            *problem = "expected one visible Quadrillo window, xdotool found: " + Text(search.out);
            return std::nullopt;
        }
        return QString::fromLatin1(ids.front());
    }

    // The board's rectangle on the screen: the bottom of the window, under
    // the menu bar.
    std::optional<QRect> BoardOnScreen(const QString& window, std::string* problem) {
        const ToolRun geometry =
            RunTool(QStringLiteral("xdotool"),
                    {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window},
                    toolEnvironment_);
        if (!geometry.ok) {
            *problem = geometry.problem;
            return std::nullopt;
        }
        std::optional<int> x, y, width, height;
        for (const QByteArray& line : geometry.out.split('\n')) {
            const QList<QByteArray> parts = line.trimmed().split('=');
            if (parts.size() != 2)
                continue;
            bool ok = false;
            const int value = parts[1].toInt(&ok);
            if (!ok)
                continue;
            if (parts[0] == "X")
                x = value;
            else if (parts[0] == "Y")
                y = value;
            else if (parts[0] == "WIDTH")
                width = value;
            else if (parts[0] == "HEIGHT")
                height = value;
        }
        if (!x || !y || !width || !height) {
            *problem = "cannot read xdotool getwindowgeometry: " + Text(geometry.out);
            return std::nullopt;
        }
        if (*width != kBoardWidth || *height <= kBoardHeight) {
            *problem = "window is " + std::to_string(*width) + " x " + std::to_string(*height) +
                       "; expected 600 wide and taller than the 375 board";
            return std::nullopt;
        }
        return QRect(*x, *y + *height - kBoardHeight, kBoardWidth, kBoardHeight);
    }

    // The board as the screen shows it now; the full screenshot is kept in
    // the scratch dir under the given name.
    std::optional<QImage> GrabBoard(const QString& name, std::string* problem) {
        const QString file = ScratchFile(name + QStringLiteral(".png"));
        const ToolRun grab = RunTool(
            QStringLiteral("import"),
            {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:") + file},
            toolEnvironment_);
        if (!grab.ok) {
            *problem = grab.problem;
            return std::nullopt;
        }
        const QImage screen(file);
        if (screen.isNull()) {
            *problem = "cannot load screenshot " + Text(file);
            return std::nullopt;
        }
        if (!screen.rect().contains(board_)) {
            *problem = "board is not wholly on the screen";
            return std::nullopt;
        }
        return screen.copy(board_).convertToFormat(QImage::Format_RGB888);
    }

    // Which picture tile each cell shows, or -1 where a cell shows none.
    std::array<int, kCells> TilesShown(const QImage& board) const {
        std::array<int, kCells> shown;
        for (int cell = 0; cell < kCells; ++cell) {
            const QImage image = CellOf(board, CellAt(cell));
            shown[cell] = -1;
            for (int tile = 0; tile < kCells && shown[cell] < 0; ++tile)
                if (SamePixels(image, CellOf(picture_, CellAt(tile))))
                    shown[cell] = tile;
        }
        return shown;
    }

    bool ShowsWholePicture(const QImage& board) const {
        const std::array<int, kCells> shown = TilesShown(board);
        const std::set<int> distinct(shown.begin(), shown.end());
        return distinct.size() == kCells && !distinct.contains(-1);
    }

    // The tile of each cell, row by row, for failure messages.
    std::string DescribeTiles(const QImage& board) const {
        std::string text;
        const std::array<int, kCells> shown = TilesShown(board);
        for (int cell = 0; cell < kCells; ++cell)
            text += (cell % kGrid ? " " : "\n  ") + std::to_string(shown[cell]);
        return text;
    }

    std::string Screenshots() const { return " (screenshots in " + Text(scratch_.path()) + ")"; }

    // No --sync: xdotool then waits for the pointer to leave where it is, for
    // ever if it is already there. The server keeps the move before the click.
    void Click(Cell cell, std::string* problem) {
        const QPoint at = board_.topLeft() + QPoint(cell.column * kTileWidth + kTileWidth / 2,
                                                    cell.row * kTileHeight + kTileHeight / 2);
        const ToolRun click =
            RunTool(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                     QStringLiteral("click"), QStringLiteral("1")},
                    toolEnvironment_);
        if (!click.ok)
            *problem = click.problem;
    }

    QString display_;
    QTemporaryDir scratch_;
    QString programDir_;
    QString launchDir_;
    QProcessEnvironment toolEnvironment_;
    QProcessEnvironment gameEnvironment_;
    QImage picture_ = MakePicture();
    QRect board_;
    QProcess game_;
    QByteArray gameOutput_;
};

TEST_F(EndToEndTest, ShowsPictureSwapsTwoClickedTilesAndExitsOnCloseRequest) {
    const QString binary = QDir(programDir_).filePath(QStringLiteral("quadrillo"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUADRILLO_BINARY), binary))
        << "cannot copy " << QUADRILLO_BINARY;
    const QString tempBmp = QDir(programDir_).filePath(QStringLiteral("temp.bmp"));
    ASSERT_TRUE(picture_.save(tempBmp, "BMP"));
    // A temp.bmp where the game is started from must neither be shown nor
    // deleted: the game works in its own directory.
    QImage decoy(kBoardWidth, kBoardHeight, QImage::Format_RGB888);
    decoy.fill(qRgb(128, 128, 128));
    const QString decoyBmp = QDir(launchDir_).filePath(QStringLiteral("temp.bmp"));
    ASSERT_TRUE(decoy.save(decoyBmp, "BMP"));

    game_.setProcessEnvironment(gameEnvironment_);
    game_.setWorkingDirectory(launchDir_);
    game_.setProcessChannelMode(QProcess::MergedChannels);
    game_.start(binary, {});
    ASSERT_TRUE(game_.waitForStarted(kToolWaitMs)) << Text(game_.errorString());

    std::string problem;
    const std::optional<QString> window = FindWindow(&problem);
    ASSERT_TRUE(window) << "the game's window did not appear: " << problem
                        << "\ngame output: " << GameOutput();
    const std::optional<QRect> board = BoardOnScreen(*window, &problem);
    ASSERT_TRUE(board) << problem;
    board_ = *board;

    // The window may be mapped before the board is painted.
    std::optional<QImage> before;
    QElapsedTimer waited;
    waited.start();
    while (true) {
        before = GrabBoard(QStringLiteral("before"), &problem);
        ASSERT_TRUE(before) << problem;
        if (ShowsWholePicture(*before))
            break;
        ASSERT_NE(game_.state(), QProcess::NotRunning) << "the game ended early: " << GameOutput();
        ASSERT_LT(waited.elapsed(), kScreenWaitMs)
            << "the board never showed each tile of temp.bmp once; tile per cell (-1: none):"
            << DescribeTiles(*before) << Screenshots();
        QThread::msleep(kPollMs);
    }

    const Cell first{0, 0}, second{3, 2};
    Click(first, &problem);
    ASSERT_TRUE(problem.empty()) << problem;
    QThread::msleep(300);
    Click(second, &problem);
    ASSERT_TRUE(problem.empty()) << problem;

    waited.restart();
    while (true) {
        const std::optional<QImage> now = GrabBoard(QStringLiteral("after"), &problem);
        ASSERT_TRUE(now) << problem;
        if (!SamePixels(*now, *before))
            break;
        ASSERT_NE(game_.state(), QProcess::NotRunning) << "the game ended early: " << GameOutput();
        ASSERT_LT(waited.elapsed(), kScreenWaitMs)
            << "the board did not change after clicking cells " << Text(Name(first)) << " and "
            << Text(Name(second)) << Screenshots();
        QThread::msleep(kPollMs);
    }
    // A fresh look, after the repaint that changed the screen has ended.
    const std::optional<QImage> after = GrabBoard(QStringLiteral("after"), &problem);
    ASSERT_TRUE(after) << problem;

    EXPECT_TRUE(SamePixels(CellOf(*after, first), CellOf(*before, second)))
        << "cell " << Text(Name(first)) << " does not show the tile that was in "
        << Text(Name(second)) << Screenshots();
    EXPECT_TRUE(SamePixels(CellOf(*after, second), CellOf(*before, first)))
        << "cell " << Text(Name(second)) << " does not show the tile that was in "
        << Text(Name(first)) << Screenshots();
    for (int index = 0; index < kCells; ++index) {
        const Cell cell = CellAt(index);
        if (index == IndexOf(first) || index == IndexOf(second))
            continue;
        EXPECT_TRUE(SamePixels(CellOf(*after, cell), CellOf(*before, cell)))
            << "cell " << Text(Name(cell)) << " changed though it was not clicked" << Screenshots();
    }

    const ToolRun close =
        RunTool(QStringLiteral(X_CLOSE_WINDOW_BINARY), {*window}, toolEnvironment_);
    ASSERT_TRUE(close.ok) << close.problem;
    ASSERT_TRUE(game_.waitForFinished(kExitWaitMs))
        << "the game did not exit after the close request; output: " << GameOutput();
    EXPECT_EQ(game_.exitStatus(), QProcess::NormalExit) << "output: " << GameOutput();
    EXPECT_EQ(game_.exitCode(), 0) << "output: " << GameOutput();
    EXPECT_FALSE(QFileInfo::exists(tempBmp)) << "temp.bmp is still in the program directory";
    EXPECT_TRUE(QFileInfo::exists(decoyBmp)) << "temp.bmp of the launch directory was deleted";
}

} // namespace

int main(int argc, char** argv) {
    // QProcess needs an application object for its notifiers.
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
