// Drives the real game binary on an X server: the picture it shows, a swap
// made with two mouse clicks, and the exit through the window's close request.
#include "tests/e2e/GameHarness.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr Grid kGrid{5};

struct Cell {
    int column;
    int row;
};

std::string Name(Cell cell) {
    return "(" + std::to_string(cell.column) + "," + std::to_string(cell.row) + ")";
}

int IndexOf(Cell cell) {
    return cell.row * kGrid.n + cell.column;
}

QImage CellOf(const QImage& board, Cell cell) {
    return board.copy(kGrid.CellRect(cell.column, cell.row));
}

class EndToEndTest : public GameTest {
  protected:
    std::vector<QImage> pictures_{MakeTestPicture(0)};
};

TEST_F(EndToEndTest, ShowsPictureSwapsTwoClickedTilesAndExitsOnCloseRequest) {
    ASSERT_NO_FATAL_FAILURE(InstallGame());
    ASSERT_NO_FATAL_FAILURE(InstallPack(QStringLiteral("test.qdr"), 2, pictures_));
    const QString tempBmp = ProgramFile(QStringLiteral("temp.bmp"));
    // A temp.bmp where the game is started from must neither be shown nor
    // deleted: the game works in its own directory.
    QImage decoy(kGrid.BoardSize(), QImage::Format_RGB888);
    decoy.fill(qRgb(128, 128, 128));
    const QString decoyBmp = QDir(launchDir_).filePath(QStringLiteral("temp.bmp"));
    ASSERT_TRUE(decoy.save(decoyBmp, "BMP"));

    QString window;
    ASSERT_NO_FATAL_FAILURE(StartWithBoard(kGrid, &window));
    std::string problem;

    QImage before;
    int picture = -1;
    ASSERT_NO_FATAL_FAILURE(
        WaitForWholePicture(kGrid, pictures_, QStringLiteral("before"), &before, &picture));

    const Cell first{0, 0}, second{3, 2};
    QImage after;
    ASSERT_NO_FATAL_FAILURE(SwapCells(kGrid, IndexOf(first), IndexOf(second), before, &after));

    EXPECT_TRUE(SamePixels(CellOf(after, first), CellOf(before, second)))
        << "cell " << Name(first) << " does not show the tile that was in " << Name(second)
        << Screenshots();
    EXPECT_TRUE(SamePixels(CellOf(after, second), CellOf(before, first)))
        << "cell " << Name(second) << " does not show the tile that was in " << Name(first)
        << Screenshots();
    for (int index = 0; index < kGrid.Cells(); ++index) {
        const Cell cell{index % kGrid.n, index / kGrid.n};
        if (index == IndexOf(first) || index == IndexOf(second))
            continue;
        EXPECT_TRUE(SamePixels(CellOf(after, cell), CellOf(before, cell)))
            << "cell " << Name(cell) << " changed though it was not clicked" << Screenshots();
    }

    ASSERT_NO_FATAL_FAILURE(CloseGame(window));
    EXPECT_FALSE(QFileInfo::exists(tempBmp)) << "temp.bmp is still in the program directory";
    EXPECT_TRUE(QFileInfo::exists(decoyBmp)) << "temp.bmp of the launch directory was deleted";
}

} // namespace
