#pragma once

// What the end-to-end tests share: a scratch program directory with a copy of
// the game and a pack the tests write, the game started on the X server named
// by QUADRILLO_E2E_DISPLAY, and the board read back from screenshots.
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Waits stretch by QUADRILLO_E2E_WAIT_SCALE (a whole number), for a game
// slowed down by the sanitizers.
inline int ScaledWait(int ms) {
    bool ok = false;
    const int scale = qEnvironmentVariableIntValue("QUADRILLO_E2E_WAIT_SCALE", &ok);
    return ok && scale > 1 ? ms * scale : ms;
}
inline const int kWindowWaitMs = ScaledWait(20000);
inline const int kScreenWaitMs = ScaledWait(10000);
inline const int kExitWaitMs = ScaledWait(10000);
inline const int kToolWaitMs = ScaledWait(10000);
inline constexpr int kPollMs = 100;

std::string Text(const QByteArray& bytes);
std::string Text(const QString& text);

// Pixels only: QImage's == also compares colour spaces, and a screenshot has
// one where a bitmap file has none.
bool SamePixels(const QImage& a, const QImage& b);

struct ToolRun {
    bool ok = false;
    int exitCode = -1; // -1 when the tool did not end by itself
    QByteArray out;
    QByteArray err;
    std::string problem;
};

// Runs a helper tool to its end; a tool that hangs is killed.
ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment, int timeoutMs = kToolWaitMs);

// The board at grid size n: tiles of 600/n x 375/n, cells numbered row by row.
struct Grid {
    int n = 5;

    int TileWidth() const { return 600 / n; }
    int TileHeight() const { return 375 / n; }
    int Cells() const { return n * n; }
    QSize BoardSize() const { return {n * TileWidth(), n * TileHeight()}; }
    QRect CellRect(int column, int row) const {
        return {column * TileWidth(), row * TileHeight(), TileWidth(), TileHeight()};
    }
    QRect CellRect(int index) const { return CellRect(index % n, index / n); }
};

// A 600 x 375 picture whose every pixel names the picture and its own place
// in it, so any cell at any grid size tells which tile of which picture it
// shows, and whether it is shifted.
QImage MakeTestPicture(int picture);

struct TileShown {
    int picture = -1; // -1: the cell shows no tile of any picture
    int tile = -1;    // row by row, as the cells are numbered
};

// What each cell of the board shows, against pictures made by MakeTestPicture.
std::vector<TileShown> TilesShown(const QImage& board, const Grid& grid,
                                  const std::vector<QImage>& pictures);

// Which of `pictures` the file holds, byte for byte as a pack stores it
// (see InstallPack); -1 for none or no file.
int PackPictureIn(const QString& file, const std::vector<QImage>& pictures);

// Whether two boards show the same tiles in the same cells.
bool SameArrangement(const std::vector<TileShown>& a, const std::vector<TileShown>& b);

// The picture of which every cell shows a different tile, or -1.
int WholePictureShown(const std::vector<TileShown>& shown, const Grid& grid);

// A title as an extended regular expression that matches it and nothing else.
QString ExactTitle(const QString& title);

// Picture:tile per cell, row by row, for failure messages.
std::string DescribeTiles(const std::vector<TileShown>& shown, const Grid& grid);

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString ScratchFile(const QString& name) const;
    QString ProgramFile(const QString& name) const;
    QString SettingsFile() const; // where the game keeps its settings
    std::string Screenshots() const;

    // Copies the game binary into the program directory; use with
    // ASSERT_NO_FATAL_FAILURE.
    void InstallGame();
    // Writes `pictures` as a pack beside the game, each one encoded as a
    // pack bitmap is.
    void InstallPack(const QString& name, int category, const std::vector<QImage>& pictures);
    // The same in `folder`, made when missing.
    void InstallPackIn(const QString& folder, const QString& name, int category,
                       const std::vector<QImage>& pictures);

    // Starts the game from the launch directory: the copy InstallGame made,
    // or `binary`. Use with ASSERT_NO_FATAL_FAILURE.
    void StartGame(const QProcessEnvironment& environment, const QStringList& arguments = {},
                   const QString& binary = {});
    void StartGame(const QStringList& arguments = {}) { StartGame(gameEnvironment_, arguments); }

    // Starts the game and finds its window and its board at `grid`, which
    // board_ is set to; use with ASSERT_NO_FATAL_FAILURE.
    void StartWithBoard(const Grid& grid, QString* window, const QStringList& arguments = {});
    // Finds the started game's window and its board at `grid`, as
    // StartWithBoard does; use with ASSERT_NO_FATAL_FAILURE.
    void AwaitBoard(const Grid& grid, QString* window);

    // Everything the game printed so far; kept, as reading drains the pipe.
    std::string GameOutput();

    // Whether the game has ended, waiting up to `waitMs` for it to.
    bool GameEnded(int waitMs);
    // The ended game's exit code or signal, and its output.
    std::string HowGameEnded();

    // The game's window, found by its title among the game's own windows;
    // a game that ends first is reported at once with its output.
    std::optional<QString> FindWindow(std::string* problem);

    // The window's outer rectangle on the screen.
    std::optional<QRect> WindowOnScreen(const QString& window, std::string* problem);

    // The board's rectangle on the screen: the bottom of the window, under
    // the menu bar, as wide as the window.
    std::optional<QRect> BoardOnScreen(const QString& window, QSize board, std::string* problem);

    // The screen as it is now, kept in the scratch dir under the given name.
    std::optional<QImage> GrabScreen(const QString& name, std::string* problem);

    // The board as the screen shows it now; the full screenshot is kept in
    // the scratch dir under the given name.
    std::optional<QImage> GrabBoard(const QString& name, std::string* problem);

    // Waits until `wanted` accepts what the cells show; `what` names the
    // awaited board in the failure message. Use with ASSERT_NO_FATAL_FAILURE.
    void WaitForBoard(const Grid& grid, const std::vector<QImage>& pictures, const QString& name,
                      const std::function<bool(const std::vector<TileShown>&)>& wanted,
                      const std::string& what, QImage* board, std::vector<TileShown>* shown);

    // Waits until every cell shows a different tile of one of `pictures`;
    // sets `picture` to that picture. Use with ASSERT_NO_FATAL_FAILURE.
    void WaitForWholePicture(const Grid& grid, const std::vector<QImage>& pictures,
                             const QString& name, QImage* board, int* picture);

    // Gives `window` the keyboard focus, which no window manager does here,
    // then presses the keys, named as xdotool names them ("ctrl+n").
    bool SendKeys(const QString& window, const QStringList& keys, std::string* problem);
    // Gives `window` the keyboard focus, then types `text`.
    bool TypeText(const QString& window, const QString& text, std::string* problem);

    // The game's visible windows whose title matches `pattern`, an extended
    // regular expression.
    std::optional<QStringList> WindowsTitled(const QString& pattern, std::string* problem);
    // Waits until the game shows a window titled exactly `title`; its id.
    std::optional<QString> WaitForWindow(const QString& title, std::string* problem);
    // Waits until the game shows a titled window besides the window `known`,
    // as a dialog whose caption Qt chooses; its id.
    std::optional<QString> WaitForOtherWindow(const QString& known, std::string* problem);
    // Waits until the game shows no window titled exactly `title`.
    bool WaitForNoWindow(const QString& title, std::string* problem);

    // The text of the message box `box`: a triple click on it selects its
    // text, which X then hands out as the primary selection.
    std::optional<QString> MessageBoxText(const QString& box, std::string* problem);

    // Sends the close request and waits for a normal exit with status 0; use
    // with ASSERT_NO_FATAL_FAILURE.
    void CloseGame(const QString& window);

    // Clicks the cells `first` and `second` of the board shown as `before`,
    // as a player swaps two tiles, and waits until the board has changed and
    // settled; that board goes to `after`. Use with ASSERT_NO_FATAL_FAILURE.
    void SwapCells(const Grid& grid, int first, int second, const QImage& before, QImage* after);

    // Waits until the board shows the same pixels twice running and `wanted`
    // accepts them; that board goes to `board`, and `what` names the awaited
    // board in the failure message. Use with ASSERT_NO_FATAL_FAILURE.
    void AwaitSteadyBoard(const QString& name, const std::function<bool(const QImage&)>& wanted,
                          const std::string& what, QImage* board);

    QString display_;
    QTemporaryDir scratch_;
    QString programDir_;
    QString launchDir_;
    QString configDir_;
    QString dataDir_;       // the game's XDG_DATA_HOME
    QString systemDataDir_; // its XDG_DATA_DIRS
    QProcessEnvironment toolEnvironment_;
    QProcessEnvironment gameEnvironment_;
    QRect board_;
    QProcess game_;
    QByteArray gameOutput_;

  private:
    // Polls the game's windows titled after `pattern` until `settled`
    // returns a value for them, which is returned; `what` names the awaited
    // state in the failure message.
    std::optional<QString>
    PollWindows(const QString& pattern,
                const std::function<std::optional<QString>(const QStringList&)>& settled,
                const std::string& what, std::string* problem);
};
