#include "MainFrameFixture.h"
#include "TestPictures.h"
#include "app/BoardWidget.h"
#include "puzzle/PuzzleState.h"
#include "resources/CommandIds.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using MainFrameTest = MainFrameFixture;

void WriteFile(const std::filesystem::path& file) {
    std::ofstream(file) << "BM";
}

} // namespace

TEST_F(MainFrameTest, TwoClicksSwapTwoTilesOnScreen) {
    Open(5);
    const QRgb a = ShownAt({1, 2}), b = ShownAt({4, 0});
    const int tileA = state.board.At(1, 2), tileB = state.board.At(4, 0);
    Click({1, 2});
    EXPECT_EQ(state.selectedTile, tileA);
    Click({4, 0});
    EXPECT_EQ(state.board.At(1, 2), tileB);
    EXPECT_EQ(state.board.At(4, 0), tileA);
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_EQ(ShownAt({1, 2}), b);
    EXPECT_EQ(ShownAt({4, 0}), a);
    EXPECT_EQ(frame->Board().cursor().shape(), Qt::CrossCursor);
}

TEST_F(MainFrameTest, CompletionIsShownOnceAndSolveForMeShowsNone) {
    Open(4);
    frame->Action(ID_VIEW_SOLVE)->trigger();
    EXPECT_TRUE(IsPuzzleSolved(state));
    EXPECT_TRUE(messages.boxes.empty());

    std::swap(state.board.At(0, 0), state.board.At(2, 3));
    // The swap is on the screen before the box, and the tile is let go after it.
    const int picked = state.board.At(0, 0);
    int selectionDuringBox = -2;
    QRgb shownDuringBox = 0;
    messages.onShow = [&] {
        selectionDuringBox = state.selectedTile;
        shownDuringBox = ShownAt({0, 0});
    };
    Click({0, 0});
    Click({2, 3});
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(selectionDuringBox, picked);
    EXPECT_EQ(shownDuringBox, CoordinatePixel(7, 5));
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_EQ(messages.boxes[0], (RecordingMessageBox::Box{"Puzzle complete!", "Congratulations"}));
    EXPECT_EQ(ShownAt({0, 0}), CoordinatePixel(7, 5));

    // Further paints, asked for by the program or the window system, say nothing more.
    frame->Action(ID_VIEW_SOLVE)->trigger();
    frame->Board().repaint();
    EXPECT_EQ(messages.boxes.size(), 1u);
}

TEST_F(MainFrameTest, ShortcutsJumbleAndToggleTheGrid) {
    Open(6);
    SolveBoard(state);
    QTest::keyClick(frame.get(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_FALSE(IsPuzzleSolved(state));
    EXPECT_TRUE(state.gridLinesPending); // kept until the grid is on

    QAction* grid = frame->Action(ID_VIEW_GRID);
    ASSERT_NE(grid, nullptr);
    EXPECT_FALSE(grid->isChecked());
    QTest::keyClick(frame.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(state.gridOn);
    EXPECT_TRUE(grid->isChecked());
    EXPECT_FALSE(state.gridLinesPending);
    const QImage shown = frame->Board().grab().toImage();
    EXPECT_EQ(shown.pixel(state.tileWidth, 200), ClientSurface::kWhite);
    EXPECT_EQ(shown.pixel(200, state.tileHeight * 2), ClientSurface::kWhite);

    QTest::keyClick(frame.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_FALSE(state.gridOn);
    EXPECT_FALSE(grid->isChecked());

    // The same control characters come with Shift held; Alt makes other keys.
    QTest::keyClick(frame.get(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(state.gridOn);
    SolveBoard(state);
    QTest::keyClick(frame.get(), Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(IsPuzzleSolved(state));
    QTest::keyClick(frame.get(), Qt::Key_J, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(IsPuzzleSolved(state));
}

TEST_F(MainFrameTest, MenusHoldOnlyCommandsThatWork) {
    Open(5);
    QStringList shown;
    for (QAction* menu : frame->menuBar()->actions()) {
        shown << menu->text();
        for (QAction* item : menu->menu()->actions())
            shown << (item->isSeparator() ? QStringLiteral("-")
                                          : item->text() + "|" + item->shortcut().toString());
    }
    EXPECT_EQ(shown, (QStringList{"&File", "&New|Ctrl+N", "&Open|Ctrl+O", "-", "E&xit|", "&View",
                                  "&Jumble|Ctrl+J", "&Grid|Ctrl+G", "-", "&Show solution|Ctrl+S",
                                  "Sol&ve for me|", "-", "&Options|", "&Help", "&About|"}));
    EXPECT_EQ(frame->windowTitle(), "Quadrillo");
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainFrameTest, ClientSizesAtCreationAndAfterResize) {
    const QSize created[] = {{600, 372}, {600, 375}, {600, 372}, {595, 371},
                             {600, 368}, {594, 369}, {600, 370}};
    const QSize resized[] = {{601, 373}, {601, 376}, {601, 373}, {596, 372},
                             {601, 369}, {595, 370}, {601, 371}};
    for (int n = 4; n <= 10; ++n) {
        Open(n);
        EXPECT_EQ(frame->Board().size(), created[n - 4]) << "n=" << n;
        EXPECT_EQ(frame->Board().Surface().Size(), created[n - 4]);
        frame->move(140, 90);
        const QPoint outer = frame->pos();
        frame->ResizeToBoard();
        EXPECT_EQ(frame->Board().size(), resized[n - 4]) << "n=" << n;
        EXPECT_EQ(frame->Board().Surface().Size(), resized[n - 4]);
        EXPECT_EQ(frame->pos(), outer);
        EXPECT_TRUE(frame->isVisible());
        frame.reset();
    }
}

TEST_F(MainFrameTest, ExitDeletesOnlyTheProgramsTempBmpAndQuits) {
    Open(5);
    // A temp.bmp in the current directory is not the program's.
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    WriteFile(std::filesystem::path(elsewhere.path().toStdString()) / "temp.bmp");
    WriteFile(TempBmp());

    frame->Action(ID_FILE_EXIT)->trigger();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(std::filesystem::exists(TempBmp()));
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("temp.bmp")));
    QDir::setCurrent(previous);

    // No temp.bmp: the close box quits just the same, and the window stays
    // until the loop ends.
    frame->close();
    EXPECT_EQ(quits, 2);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(MainFrameTest, ExitQuitsEvenWhenTempBmpCannotBeDeleted) {
    Open(5);
    // A non-empty directory opens for reading but cannot be removed, even by root.
    std::filesystem::create_directory(TempBmp());
    WriteFile(TempBmp() / "keep");
    frame->close();
    EXPECT_EQ(quits, 1);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.contains("temp.bmp"))
        << messages.boxes[0].text.toStdString();
    EXPECT_TRUE(messages.boxes[0].text.startsWith("Could not delete"));
}

TEST_F(MainFrameTest, OpeningAPictureStretchesItOrKeepsTheOneBefore) {
    Open(5);
    QImage small(60, 40, QImage::Format_RGB32);
    small.fill(qRgb(10, 200, 30));
    const QString file = programDir.filePath("small.png");
    ASSERT_TRUE(small.save(file));
    EXPECT_TRUE(frame->OpenPicture(file));
    ASSERT_EQ(state.puzzleBitmap.size(), QSize(600, 375));
    EXPECT_EQ(state.puzzleBitmap.pixel(599, 374), qRgb(10, 200, 30));

    EXPECT_FALSE(frame->OpenPicture(programDir.filePath("missing.bmp")));
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.boxes[0].text.contains("missing.bmp"));
    EXPECT_EQ(state.puzzleBitmap.pixel(599, 374), qRgb(10, 200, 30));
    EXPECT_EQ(state.currentPicturePath, file);
}
