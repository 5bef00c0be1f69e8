#include "puzzle/Board.h"

#include "puzzle/PuzzleState.h"

#include <chrono>
#include <random>

void UpdateTileGeometry(PuzzleState& state) {
    state.tileWidth = kPictureWidth / state.dimension;
    state.tileHeight = kPictureHeight / state.dimension;
}

std::optional<Cell> CellAt(const PuzzleState& state, int x, int y) {
    if (x < 0 || y < 0 || state.tileWidth <= 0 || state.tileHeight <= 0)
        return std::nullopt;
    const Cell cell{x / state.tileWidth, y / state.tileHeight};
    if (cell.column >= state.dimension || cell.row >= state.dimension)
        return std::nullopt;
    return cell;
}

std::uint32_t ClockSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq sequence{static_cast<std::uint32_t>(ticks),
                           static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) >> 32)};
    std::uint32_t seed = 0;
    sequence.generate(&seed, &seed + 1);
    return seed;
}

void JumbleBoard(PuzzleState& state, std::uint32_t seed) {
    const int n = state.dimension;
    const auto tiles = static_cast<std::uint32_t>(n * n);
    std::array<bool, kMaxDimension * kMaxDimension> used{};
    std::mt19937 generator(seed);
    for (int column = 0; column < n; ++column) {
        for (int row = 0; row < n; ++row) {
            std::uint32_t tile = generator() % tiles;
            while (used[tile])
                tile = generator() % tiles;
            used[tile] = true;
            state.board.At(column, row) = static_cast<std::int32_t>(tile);
        }
    }
}

void JumbleBoard(PuzzleState& state) {
    JumbleBoard(state, ClockSeed());
}

bool IsPuzzleSolved(const PuzzleState& state) {
    const int n = state.dimension;
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column)
            if (state.board.At(column, row) != row * n + column)
                return false;
    return true;
}

BoardChange SolveBoard(PuzzleState& state) {
    const int n = state.dimension;
    for (int row = 0; row < n; ++row)
        for (int column = 0; column < n; ++column)
            state.board.At(column, row) = row * n + column;
    DropSelection(state);
    // Solved for the player: no congratulations.
    return BoardChange::Rearranged;
}

BoardChange JumbleCommand(PuzzleState& state) {
    JumbleBoard(state);
    state.gridLinesPending = true;
    DropSelection(state);
    return BoardChange::Rearranged;
}

BoardChange OnBoardClick(PuzzleState& state, int x, int y) {
    const std::optional<Cell> cell = CellAt(state, x, y);
    if (!cell)
        return BoardChange::Nothing;
    std::int32_t& clicked = state.board.At(cell->column, cell->row);

    if (state.selectedTile == -1) {
        state.selectedTile = clicked;
        state.firstCell = *cell;
        return BoardChange::PickedUp;
    }
    if (clicked == state.selectedTile)
        return BoardChange::Nothing;

    state.secondCell = *cell;
    const std::int32_t taken = clicked;
    clicked = state.selectedTile;
    state.board.At(state.firstCell.column, state.firstCell.row) = taken;
    return IsPuzzleSolved(state) ? BoardChange::Completed : BoardChange::Swapped;
}

void DropSelection(PuzzleState& state) {
    state.selectedTile = -1;
}
