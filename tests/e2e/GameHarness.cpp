#include "tests/e2e/GameHarness.h"

#include "packs/PackWriter.h"
#include "platform/BmpWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstring>
#include <iostream>
#include <set>

std::string Text(const QByteArray& bytes) {
    return bytes.trimmed().toStdString();
}

std::string Text(const QString& text) {
    return text.toStdString();
}

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

ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment, int timeoutMs) {
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
    run.err = process.readAllStandardError();
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.ok = run.exitCode == 0;
    if (!run.ok)
        run.problem =
            command + ": exit code " + std::to_string(run.exitCode) + ", stderr: " + Text(run.err);
    return run;
}

namespace {

// Picture in bits 19-23, x in bits 9-18, y in bits 0-8.
QRgb PicturePixel(int picture, int x, int y) {
    return 0xff000000u | (unsigned(picture) << 19) | (unsigned(x) << 9) | unsigned(y);
}

TileShown IdentifyTile(const QImage& cell, const Grid& grid, const std::vector<QImage>& pictures) {
    const QRgb corner = cell.pixel(0, 0) & 0xffffffu;
    const int picture = int(corner >> 19), x = int((corner >> 9) & 0x3ffu),
              y = int(corner & 0x1ffu);
    const int w = grid.TileWidth(), h = grid.TileHeight();
    if (picture >= int(pictures.size()) || x % w != 0 || y % h != 0 || x / w >= grid.n ||
        y / h >= grid.n)
        return {};
    if (!SamePixels(cell, pictures[picture].copy(x, y, w, h)))
        return {};
    return {picture, (y / h) * grid.n + x / w};
}

} // namespace

QImage MakeTestPicture(int picture) {
    QImage image(600, 375, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, PicturePixel(picture, x, y));
    return image;
}

std::vector<TileShown> TilesShown(const QImage& board, const Grid& grid,
                                  const std::vector<QImage>& pictures) {
    std::vector<TileShown> shown;
    for (int cell = 0; cell < grid.Cells(); ++cell)
        shown.push_back(IdentifyTile(board.copy(grid.CellRect(cell)), grid, pictures));
    return shown;
}

int PackPictureIn(const QString& file, const std::vector<QImage>& pictures) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = in.readAll();
    for (std::size_t i = 0; i < pictures.size(); ++i)
        if (bytes == EncodeBmp24(pictures[i]))
            return int(i);
    return -1;
}

bool SameArrangement(const std::vector<TileShown>& a, const std::vector<TileShown>& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t cell = 0; cell < a.size(); ++cell)
        if (a[cell].picture != b[cell].picture || a[cell].tile != b[cell].tile)
            return false;
    return true;
}

int WholePictureShown(const std::vector<TileShown>& shown, const Grid& grid) {
    if (shown.empty() || shown.front().picture < 0)
        return -1;
    std::set<int> tiles;
    for (const TileShown& cell : shown) {
        if (cell.picture != shown.front().picture)
            return -1;
        tiles.insert(cell.tile);
    }
    return int(tiles.size()) == grid.Cells() ? shown.front().picture : -1;
}

QString ExactTitle(const QString& title) {
    QString pattern = QStringLiteral("^");
    for (const QChar c : title) {
        if (QStringLiteral("\\^$.[]|()?*+{}").contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('$');
}

std::string DescribeTiles(const std::vector<TileShown>& shown, const Grid& grid) {
    std::string text;
    for (std::size_t cell = 0; cell < shown.size(); ++cell) {
        text += cell % grid.n ? " " : "\n  ";
        text += shown[cell].picture < 0
                    ? std::string("-")
                    : std::to_string(shown[cell].picture) + ":" + std::to_string(shown[cell].tile);
    }
    return text;
}

void GameTest::SetUp() {
    display_ = qEnvironmentVariable("QUADRILLO_E2E_DISPLAY");
    if (display_.isEmpty())
        GTEST_SKIP() << "QUADRILLO_E2E_DISPLAY is not set; test.sh starts Xvfb and sets it "
                        "to the display this test drives the game on.";
    ASSERT_TRUE(scratch_.isValid()) << Text(scratch_.errorString());
    const QDir root(scratch_.path());
    for (const char* name : {"program", "launch", "config", "runtime", "data", "system-data"})
        ASSERT_TRUE(root.mkpath(QLatin1String(name))) << name;
    programDir_ = root.filePath(QStringLiteral("program"));
    launchDir_ = root.filePath(QStringLiteral("launch"));
    configDir_ = root.filePath(QStringLiteral("config"));
    dataDir_ = root.filePath(QStringLiteral("data"));
    systemDataDir_ = root.filePath(QStringLiteral("system-data"));
    // Qt refuses a runtime directory others can read.
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    toolEnvironment_ = QProcessEnvironment::systemEnvironment();
    toolEnvironment_.insert(QStringLiteral("DISPLAY"), display_);

    gameEnvironment_ = toolEnvironment_;
    gameEnvironment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    gameEnvironment_.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir_);
    gameEnvironment_.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                            root.filePath(QStringLiteral("runtime")));
    // Packs installed on the machine or for its user never join the test's.
    gameEnvironment_.insert(QStringLiteral("XDG_DATA_HOME"), dataDir_);
    gameEnvironment_.insert(QStringLiteral("XDG_DATA_DIRS"), systemDataDir_);
    gameEnvironment_.remove(QStringLiteral("QUADRILLO_REPORT_FIRST_PAINT"));
}

void GameTest::TearDown() {
    if (game_.state() != QProcess::NotRunning) {
        game_.kill();
        game_.waitForFinished(kExitWaitMs);
    }
    if (HasFailure()) {
        scratch_.setAutoRemove(false);
        std::cerr << "Screenshots and game files are kept in " << Text(scratch_.path()) << "\n";
    }
}

QString GameTest::ScratchFile(const QString& name) const {
    return QDir(scratch_.path()).filePath(name);
}

QString GameTest::ProgramFile(const QString& name) const {
    return QDir(programDir_).filePath(name);
}

QString GameTest::SettingsFile() const {
    return QDir(configDir_).filePath(QStringLiteral("Quadrillo/quadrillo.conf"));
}

std::string GameTest::Screenshots() const {
    return " (screenshots in " + Text(scratch_.path()) + ")";
}

void GameTest::InstallGame() {
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUADRILLO_BINARY), ProgramFile("quadrillo")))
        << "cannot copy " << QUADRILLO_BINARY;
}

void GameTest::InstallPack(const QString& name, int category, const std::vector<QImage>& pictures) {
    InstallPackIn(programDir_, name, category, pictures);
}

void GameTest::InstallPackIn(const QString& folder, const QString& name, int category,
                             const std::vector<QImage>& pictures) {
    ASSERT_TRUE(QDir().mkpath(folder)) << Text(folder);
    std::vector<PackPicture> contents;
    for (std::size_t i = 0; i < pictures.size(); ++i)
        contents.push_back(
            {QStringLiteral("Test picture %1").arg(i + 1), EncodeBmp24(pictures[i])});
    const QString refused = WritePack(
        std::filesystem::path(QDir(folder).filePath(name).toStdString()), category, contents);
    ASSERT_TRUE(refused.isEmpty()) << "the pack writer refused the pack: " << Text(refused);
}

void GameTest::StartGame(const QProcessEnvironment& environment, const QStringList& arguments,
                         const QString& binary) {
    gameOutput_.clear();
    game_.setProcessEnvironment(environment);
    game_.setWorkingDirectory(launchDir_);
    game_.setProcessChannelMode(QProcess::MergedChannels);
    game_.start(binary.isEmpty() ? ProgramFile("quadrillo") : binary, arguments);
    ASSERT_TRUE(game_.waitForStarted(kToolWaitMs)) << Text(game_.errorString());
}

void GameTest::StartWithBoard(const Grid& grid, QString* window, const QStringList& arguments) {
    ASSERT_NO_FATAL_FAILURE(StartGame(arguments));
    ASSERT_NO_FATAL_FAILURE(AwaitBoard(grid, window));
}

void GameTest::AwaitBoard(const Grid& grid, QString* window) {
    std::string problem;
    const std::optional<QString> found = FindWindow(&problem);
    ASSERT_TRUE(found) << "the game's window did not appear: " << problem;
    *window = *found;
    const std::optional<QRect> board = BoardOnScreen(*window, grid.BoardSize(), &problem);
    ASSERT_TRUE(board) << problem;
    board_ = *board;
}

std::string GameTest::GameOutput() {
    // No event loop runs here: what the game printed waits in the pipe
    // until read.
    while (game_.state() != QProcess::NotRunning && game_.waitForReadyRead(0)) {
    }
    gameOutput_ += game_.readAll();
    return Text(gameOutput_);
}

bool GameTest::GameEnded(int waitMs) {
    // QProcess learns of the end from its notifier, which needs an event
    // loop, or when asked to wait.
    return game_.state() == QProcess::NotRunning || game_.waitForFinished(waitMs);
}

std::string GameTest::HowGameEnded() {
    const std::string output = GameOutput();
    const std::string how = game_.exitStatus() == QProcess::NormalExit
                                ? "exit code " + std::to_string(game_.exitCode())
                                : std::string("killed by a signal");
    return how + ", output: " + output;
}

std::optional<QString> GameTest::FindWindow(std::string* problem) {
    // Polled, not xdotool search --sync: that would wait out the whole time
    // for a game that has already ended.
    const std::optional<QString> found = PollWindows(
        ExactTitle(QStringLiteral("Quadrillo")),
        [](const QStringList& windows) -> std::optional<QString> {
            if (windows.isEmpty())
                return std::nullopt;
            return windows.join(QLatin1Char(' '));
        },
        "the game's window", problem);
    if (!found) {
        if (game_.state() == QProcess::NotRunning)
            return std::nullopt;
        // A message box in the way is the likeliest cause: name what is shown.
        const ToolRun shown = RunTool(QStringLiteral("xdotool"),
                                      {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--pid"), QString::number(game_.processId()),
                                       QStringLiteral("--name"), QStringLiteral("."),
                                       QStringLiteral("getwindowname"), QStringLiteral("%@")},
                                      toolEnvironment_);
        if (shown.ok)
            *problem += "\nthe game's visible windows are titled: " + Text(shown.out);
        *problem += "\ngame output: " + GameOutput();
        return std::nullopt;
    }
    const QStringList ids = found->split(QLatin1Char(' '));
    if (ids.size() != 1) {
        *problem = "expected one visible Quadrillo window, xdotool found: " + Text(*found);
        return std::nullopt;
    }
    return ids.front();
}

std::optional<QRect> GameTest::WindowOnScreen(const QString& window, std::string* problem) {
    const ToolRun geometry = RunTool(
        QStringLiteral("xdotool"),
        {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}, toolEnvironment_);
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
    return QRect(*x, *y, *width, *height);
}

std::optional<QRect> GameTest::BoardOnScreen(const QString& window, QSize board,
                                             std::string* problem) {
    const std::optional<QRect> outer = WindowOnScreen(window, problem);
    if (!outer)
        return std::nullopt;
    if (outer->width() != board.width() || outer->height() <= board.height()) {
        *problem = "window is " + std::to_string(outer->width()) + " x " +
                   std::to_string(outer->height()) + "; expected " + std::to_string(board.width()) +
                   " wide and taller than the " + std::to_string(board.height()) + " board";
        return std::nullopt;
    }
    return QRect(outer->left(), outer->bottom() + 1 - board.height(), board.width(),
                 board.height());
}

std::optional<QImage> GameTest::GrabScreen(const QString& name, std::string* problem) {
    const QString file = ScratchFile(name + QStringLiteral(".png"));
    const ToolRun grab =
        RunTool(QStringLiteral("import"),
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
    return screen;
}

std::optional<QImage> GameTest::GrabBoard(const QString& name, std::string* problem) {
    const std::optional<QImage> screen = GrabScreen(name, problem);
    if (!screen)
        return std::nullopt;
    if (!screen->rect().contains(board_)) {
        *problem = "board is not wholly on the screen";
        return std::nullopt;
    }
    return screen->copy(board_).convertToFormat(QImage::Format_RGB888);
}

void GameTest::WaitForBoard(const Grid& grid, const std::vector<QImage>& pictures,
                            const QString& name,
                            const std::function<bool(const std::vector<TileShown>&)>& wanted,
                            const std::string& what, QImage* board, std::vector<TileShown>* shown) {
    // The screen may lag behind the game: a window is mapped before it is
    // painted, a key is handled after it is sent.
    std::string problem;
    QElapsedTimer waited;
    waited.start();
    while (true) {
        const std::optional<QImage> now = GrabBoard(name, &problem);
        ASSERT_TRUE(now) << problem;
        *shown = TilesShown(*now, grid, pictures);
        if (wanted(*shown)) {
            *board = *now;
            return;
        }
        ASSERT_LT(waited.elapsed(), kScreenWaitMs)
            << "the " << grid.n << " x " << grid.n << " board never showed " << what
            << "; picture:tile per cell (-: none):" << DescribeTiles(*shown, grid) << Screenshots();
        ASSERT_FALSE(GameEnded(kPollMs)) << "the game ended early: " << HowGameEnded();
    }
}

void GameTest::WaitForWholePicture(const Grid& grid, const std::vector<QImage>& pictures,
                                   const QString& name, QImage* board, int* picture) {
    std::vector<TileShown> shown;
    ASSERT_NO_FATAL_FAILURE(WaitForBoard(
        grid, pictures, name,
        [&](const std::vector<TileShown>& cells) { return WholePictureShown(cells, grid) >= 0; },
        "each tile of one pack picture once", board, &shown));
    *picture = WholePictureShown(shown, grid);
}

bool GameTest::SendKeys(const QString& window, const QStringList& keys, std::string* problem) {
    const ToolRun sent =
        RunTool(QStringLiteral("xdotool"),
                QStringList{QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
                            QStringLiteral("key")} +
                    keys,
                toolEnvironment_);
    if (!sent.ok)
        *problem = sent.problem;
    return sent.ok;
}

bool GameTest::TypeText(const QString& window, const QString& text, std::string* problem) {
    const ToolRun typed =
        RunTool(QStringLiteral("xdotool"),
                {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window,
                 QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text},
                toolEnvironment_);
    if (!typed.ok)
        *problem = typed.problem;
    return typed.ok;
}

std::optional<QStringList> GameTest::WindowsTitled(const QString& pattern, std::string* problem) {
    const ToolRun search =
        RunTool(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                 QStringLiteral("--pid"), QString::number(game_.processId()),
                 QStringLiteral("--name"), pattern},
                toolEnvironment_);
    // xdotool says "none" with exit code 1 and no output.
    if (search.exitCode == 1 && search.out.trimmed().isEmpty())
        return QStringList();
    if (!search.ok) {
        *problem = search.problem;
        return std::nullopt;
    }
    QStringList ids;
    for (const QByteArray& id : search.out.trimmed().split('\n'))
        ids << QString::fromLatin1(id.trimmed());
    return ids;
}

std::optional<QString>
GameTest::PollWindows(const QString& pattern,
                      const std::function<std::optional<QString>(const QStringList&)>& settled,
                      const std::string& what, std::string* problem) {
    QElapsedTimer waited;
    waited.start();
    while (true) {
        // A window that goes while xdotool looks at it may fail one search.
        std::string searchProblem;
        const std::optional<QStringList> windows = WindowsTitled(pattern, &searchProblem);
        if (windows) {
            if (const std::optional<QString> result = settled(*windows))
                return result;
        }
        if (GameEnded(kPollMs)) {
            *problem = "the game ended while waiting for " + what + ": " + HowGameEnded();
            return std::nullopt;
        }
        if (waited.elapsed() > kWindowWaitMs) {
            *problem = "waited in vain for " + what + "; " +
                       (windows ? "the game's windows matching " + Text(pattern) + ": " +
                                      Text(windows->join(QLatin1Char(' ')))
                                : searchProblem);
            return std::nullopt;
        }
    }
}

std::optional<QString> GameTest::WaitForWindow(const QString& title, std::string* problem) {
    return PollWindows(
        ExactTitle(title),
        [](const QStringList& windows) -> std::optional<QString> {
            if (windows.isEmpty())
                return std::nullopt;
            return windows.front();
        },
        "a window titled \"" + Text(title) + "\"", problem);
}

std::optional<QString> GameTest::WaitForOtherWindow(const QString& known, std::string* problem) {
    return PollWindows(
        QStringLiteral("."),
        [&](const QStringList& windows) -> std::optional<QString> {
            for (const QString& window : windows)
                if (window != known)
                    return window;
            return std::nullopt;
        },
        "a window besides " + Text(known), problem);
}

bool GameTest::WaitForNoWindow(const QString& title, std::string* problem) {
    return PollWindows(
               ExactTitle(title),
               [](const QStringList& windows) -> std::optional<QString> {
                   if (!windows.isEmpty())
                       return std::nullopt;
                   return QString();
               },
               "no window titled \"" + Text(title) + "\"", problem)
        .has_value();
}

void GameTest::CloseGame(const QString& window) {
    const ToolRun close =
        RunTool(QStringLiteral(X_CLOSE_WINDOW_BINARY), {window}, toolEnvironment_);
    ASSERT_TRUE(close.ok) << close.problem;
    ASSERT_TRUE(game_.waitForFinished(kExitWaitMs))
        << "the game did not exit after the close request; output: " << GameOutput();
    ASSERT_EQ(game_.exitStatus(), QProcess::NormalExit) << "output: " << GameOutput();
    ASSERT_EQ(game_.exitCode(), 0) << "output: " << GameOutput();
}

std::optional<QString> GameTest::MessageBoxText(const QString& box, std::string* problem) {
    // A box may be mapped before it takes every click, and two clicks select
    // a word only: tried until two tries select the same text.
    QString previous;
    QElapsedTimer waited;
    waited.start();
    while (true) {
        // The text's first line starts near the box's top left, as a box
        // without an icon lays it out; three clicks on it select all of it.
        // The pointer comes in from outside, or the box may miss the first
        // click; no --sync, which waits forever when the pointer is there.
        const ToolRun clicked = RunTool(
            QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0"),
             QStringLiteral("mousemove"), QStringLiteral("--window"), box, QStringLiteral("48"),
             QStringLiteral("18"), QStringLiteral("sleep"), QStringLiteral("0.1"),
             QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("3"),
             QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")},
            toolEnvironment_);
        if (!clicked.ok) {
            *problem = clicked.problem;
            return std::nullopt;
        }
        const ToolRun selection =
            RunTool(QStringLiteral("xclip"),
                    {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("primary")},
                    toolEnvironment_);
        const QString text = selection.ok ? QString::fromUtf8(selection.out).trimmed() : QString();
        if (!text.isEmpty() && text == previous)
            return text;
        previous = text;
        if (waited.elapsed() > kWindowWaitMs) {
            *problem = "no text selected in the message box: " + selection.problem;
            return std::nullopt;
        }
        // Past the double-click time, or the next click adds to the last.
        QThread::msleep(600);
    }
}

void GameTest::SwapCells(const Grid& grid, int first, int second, const QImage& before,
                         QImage* after) {
    for (const int cell : {first, second}) {
        // No --sync: xdotool then waits for the pointer to leave where it is,
        // for ever if it is already there. The server keeps the move before
        // the click.
        const QPoint at = board_.topLeft() + grid.CellRect(cell).center();
        const ToolRun click =
            RunTool(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                     QStringLiteral("click"), QStringLiteral("1")},
                    toolEnvironment_);
        ASSERT_TRUE(click.ok) << click.problem;
        QThread::msleep(300);
    }
    const std::string what =
        "a change after clicking cells " + std::to_string(first) + " and " + std::to_string(second);
    ASSERT_NO_FATAL_FAILURE(AwaitSteadyBoard(
        QStringLiteral("after"), [&](const QImage& now) { return !SamePixels(now, before); }, what,
        after));
}

void GameTest::AwaitSteadyBoard(const QString& name,
                                const std::function<bool(const QImage&)>& wanted,
                                const std::string& what, QImage* board) {
    std::string problem;
    QImage last;
    QElapsedTimer waited;
    waited.start();
    while (true) {
        const std::optional<QImage> now = GrabBoard(name, &problem);
        ASSERT_TRUE(now) << problem;
        if (!last.isNull() && SamePixels(*now, last) && wanted(*now)) {
            *board = *now;
            return;
        }
        last = *now;
        ASSERT_LT(waited.elapsed(), kScreenWaitMs)
            << "the board did not settle on " << what << Screenshots();
        ASSERT_FALSE(GameEnded(kPollMs)) << "the game ended early: " << HowGameEnded();
    }
}
