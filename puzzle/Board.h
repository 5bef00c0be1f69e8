#pragma once

#include "packs/PackFormat.h"

#include <array>
#include <cstdint>
#include <optional>

struct PuzzleState;

inline constexpr int kMinDimension = 4;
inline constexpr int kMaxDimension = 10;

// Tile numbers indexed [column][row]. Only the n x n corner is in play; the
// rest keeps whatever it last held.
struct Board {
    std::array<std::array<std::int32_t, kMaxDimension>, kMaxDimension> cells{};

    std::int32_t& At(int column, int row) { return cells[column][row]; }
    std::int32_t At(int column, int row) const { return cells[column][row]; }
};

struct Cell {
    std::int32_t column = 0;
    std::int32_t row = 0;
    bool operator==(const Cell&) const = default;
};

// What a click or a board command did, so the window knows what to show.
enum class BoardChange {
    Nothing,    // nothing to draw
    PickedUp,   // a tile is held; it shows at the next paint
    Rearranged, // the board looks different: repaint
    Swapped,    // two tiles swapped: repaint, then DropSelection
    Completed,  // that swap put the last tile home: repaint, congratulate, then DropSelection
};

// tileWidth and tileHeight from dimension: the picture cut n ways, truncated.
void UpdateTileGeometry(PuzzleState& state);

// The cell under a client pixel, or nothing outside the n x n cells.
std::optional<Cell> CellAt(const PuzzleState& state, int x, int y);

// A seed from a clock with sub-second resolution.
std::uint32_t ClockSeed();

// Column-by-column fill, each cell drawn again until its number is unused.
void JumbleBoard(PuzzleState& state, std::uint32_t seed);
void JumbleBoard(PuzzleState& state);

bool IsPuzzleSolved(const PuzzleState& state);

// The board commands; both drop the selection.
BoardChange SolveBoard(PuzzleState& state);
BoardChange JumbleCommand(PuzzleState& state);

// The left-button protocol: pick a tile up, then swap it with the next one.
// After a swap the tile stays picked up until the window has shown the
// swap, and any congratulations, and calls DropSelection.
BoardChange OnBoardClick(PuzzleState& state, int x, int y);
void DropSelection(PuzzleState& state);
