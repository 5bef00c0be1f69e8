#include "puzzle/Board.h"
#include "puzzle/PuzzleState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

PuzzleState StateFor(int n) {
    PuzzleState state;
    state.dimension = n;
    UpdateTileGeometry(state);
    return state;
}

void FillOutsideCorner(PuzzleState& state, int marker) {
    for (int c = 0; c < kMaxDimension; ++c)
        for (int r = 0; r < kMaxDimension; ++r)
            if (c >= state.dimension || r >= state.dimension)
                state.board.At(c, r) = marker;
}

// Clicks as the window does: a swap is shown (a "paint") before the selection
// is dropped.
struct Clicker {
    PuzzleState& state;
    int paints = 0;
    std::vector<int> selectionAtPaint;
    std::vector<BoardChange> changes;

    void Click(Cell cell) {
        const BoardChange change =
            OnBoardClick(state, cell.column * state.tileWidth + 3, cell.row * state.tileHeight + 2);
        changes.push_back(change);
        if (change == BoardChange::Swapped || change == BoardChange::Completed) {
            ++paints;
            selectionAtPaint.push_back(state.selectedTile);
            DropSelection(state);
        }
    }
};

} // namespace

TEST(Board, JumbleIsAPermutationOfTheCornerAndLeavesTheRestAlone) {
    for (int n = kMinDimension; n <= kMaxDimension; ++n) {
        for (std::uint32_t seed : {1u, 77u, 4000000000u}) {
            PuzzleState state = StateFor(n);
            FillOutsideCorner(state, 1234);
            JumbleBoard(state, seed);

            std::vector<int> seen;
            for (int c = 0; c < n; ++c)
                for (int r = 0; r < n; ++r)
                    seen.push_back(state.board.At(c, r));
            std::sort(seen.begin(), seen.end());
            for (int k = 0; k < n * n; ++k)
                ASSERT_EQ(seen[k], k) << "n=" << n << " seed=" << seed;
            for (int c = 0; c < kMaxDimension; ++c)
                for (int r = 0; r < kMaxDimension; ++r)
                    if (c >= n || r >= n) {
                        ASSERT_EQ(state.board.At(c, r), 1234) << c << "," << r;
                    }
        }
    }
}

TEST(Board, SameSeedSameBoardAndClockSeedsDiffer) {
    PuzzleState a = StateFor(8), b = StateFor(8), c = StateFor(8);
    JumbleBoard(a, 42);
    JumbleBoard(b, 42);
    JumbleBoard(c, 43);
    EXPECT_EQ(a.board.cells, b.board.cells);
    EXPECT_NE(a.board.cells, c.board.cells);

    // Two jumbles in quick succession must not repeat the arrangement.
    PuzzleState first = StateFor(10), second = StateFor(10);
    JumbleBoard(first);
    JumbleBoard(second);
    EXPECT_NE(first.board.cells, second.board.cells);
}

TEST(Board, TileGeometryTruncates) {
    const int widths[] = {150, 120, 100, 85, 75, 66, 60};
    const int heights[] = {93, 75, 62, 53, 46, 41, 37};
    for (int n = 4; n <= 10; ++n) {
        PuzzleState state = StateFor(n);
        EXPECT_EQ(state.tileWidth, widths[n - 4]);
        EXPECT_EQ(state.tileHeight, heights[n - 4]);
    }
}

TEST(Board, SolvedTestLooksOnlyAtTheCornerAndSolveFillsHomeOrder) {
    PuzzleState state = StateFor(7);
    JumbleBoard(state, 5);
    FillOutsideCorner(state, -9);
    state.selectedTile = 3;
    // Solved for the player: a repaint, no congratulations.
    EXPECT_EQ(SolveBoard(state), BoardChange::Rearranged);
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_TRUE(IsPuzzleSolved(state));
    EXPECT_EQ(state.board.At(2, 3), 3 * 7 + 2);
    EXPECT_EQ(state.board.At(9, 9), -9);

    state.board.At(6, 6) = 0; // any misplaced in-play cell spoils it
    EXPECT_FALSE(IsPuzzleSolved(state));
}

TEST(Board, ClickProtocol) {
    PuzzleState state = StateFor(4);
    SolveBoard(state);
    std::swap(state.board.At(0, 0), state.board.At(3, 2));
    Clicker clicker{state, 0, {}, {}};

    // First click picks up; a second on the same tile (a double click) is ignored.
    clicker.Click({3, 2});
    EXPECT_EQ(state.selectedTile, 0);
    EXPECT_EQ(state.firstCell, (Cell{3, 2}));
    clicker.Click({3, 2});
    EXPECT_EQ(state.selectedTile, 0);
    EXPECT_EQ(clicker.paints, 0);
    EXPECT_EQ(clicker.changes, (std::vector{BoardChange::PickedUp, BoardChange::Nothing}));

    // A swap that is not the last: the selection is cleared after one repaint.
    clicker.Click({1, 1});
    EXPECT_EQ(clicker.paints, 1);
    EXPECT_EQ(state.board.At(1, 1), 0);
    EXPECT_EQ(state.board.At(3, 2), 5);
    EXPECT_EQ(state.secondCell, (Cell{1, 1}));
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_EQ(clicker.changes.back(), BoardChange::Swapped);

    // Put 5 back, then 0: the completing swap flags completion and keeps the
    // selection until the repaint has run.
    clicker.Click({3, 2});
    clicker.Click({1, 1});
    EXPECT_EQ(clicker.changes.back(), BoardChange::Swapped);
    clicker.Click({0, 0});
    clicker.Click({3, 2});
    EXPECT_TRUE(IsPuzzleSolved(state));
    EXPECT_EQ(clicker.changes.back(), BoardChange::Completed);
    EXPECT_EQ(clicker.paints, 3);
    EXPECT_EQ(clicker.selectionAtPaint.back(), 11);
    EXPECT_EQ(state.selectedTile, -1);
}

TEST(Board, ClicksOutsideTheGridAreIgnored) {
    PuzzleState state = StateFor(10);
    JumbleBoard(state, 9);
    const Board before = state.board;
    // The resized window's extra pixel column and row, and beyond.
    for (auto [x, y] : {std::pair{600, 10}, {10, 370}, {600, 370}, {-1, 5}, {5, -1}, {9999, 9999}})
        EXPECT_EQ(OnBoardClick(state, x, y), BoardChange::Nothing) << x << "," << y;
    EXPECT_EQ(state.selectedTile, -1);
    EXPECT_EQ(OnBoardClick(state, 10, 10), BoardChange::PickedUp);
    EXPECT_EQ(OnBoardClick(state, 600, 10), BoardChange::Nothing);
    EXPECT_EQ(state.selectedTile, before.At(0, 0));
    EXPECT_EQ(state.board.cells, before.cells);

    // n = 7: the strip of picture beyond the last column is no cell either.
    PuzzleState seven = StateFor(7);
    EXPECT_FALSE(CellAt(seven, 595, 0));
    EXPECT_FALSE(CellAt(seven, 0, 371));
    EXPECT_EQ(CellAt(seven, 594, 370), (Cell{6, 6}));
}

TEST(Board, JumbleCommandRequestsGridLinesAndDropsTheSelection) {
    PuzzleState state = StateFor(6);
    state.selectedTile = 4;
    EXPECT_EQ(JumbleCommand(state), BoardChange::Rearranged);
    EXPECT_TRUE(state.gridLinesPending);
    EXPECT_EQ(state.selectedTile, -1);
}

TEST(Board, CellsEndExactlyAtTheLastTileOfEveryGridSize) {
    for (int n = kMinDimension; n <= kMaxDimension; ++n) {
        SCOPED_TRACE("n=" + std::to_string(n));
        const PuzzleState state = StateFor(n);
        const int right = n * state.tileWidth, bottom = n * state.tileHeight;
        EXPECT_EQ(CellAt(state, right - 1, bottom - 1), (Cell{n - 1, n - 1}));
        EXPECT_EQ(CellAt(state, state.tileWidth, state.tileHeight), (Cell{1, 1}));
        EXPECT_EQ(CellAt(state, state.tileWidth - 1, state.tileHeight - 1), (Cell{0, 0}));
        EXPECT_FALSE(CellAt(state, right, 0));
        EXPECT_FALSE(CellAt(state, 0, bottom));
        EXPECT_EQ(CellAt(state, 0, 0), (Cell{0, 0}));
        EXPECT_FALSE(CellAt(state, -1, 0));
    }
}
