#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

struct PuzzleState;

inline constexpr int kPictureWidth = 600;
inline constexpr int kPictureHeight = 375;
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

// Runs the window's synchronous repaint.
using Repaint = std::function<void()>;

inline int TileWidthFor(int dimension) {
    return kPictureWidth / dimension;
}
inline int TileHeightFor(int dimension) {
    return kPictureHeight / dimension;
}

// tileWidth and tileHeight from dimension.
void UpdateTileGeometry(PuzzleState& state);

// The cell under a client pixel, or nothing outside the n x n cells.
std::optional<Cell> CellAt(const PuzzleState& state, int x, int y);

// A seed from a clock with sub-second resolution.
std::uint32_t ClockSeed();

// Column-by-column fill, each cell drawn again until its number is unused.
void JumbleBoard(PuzzleState& state, std::uint32_t seed);
void JumbleBoard(PuzzleState& state);

bool IsPuzzleSolved(const PuzzleState& state);

// The board commands.
void SolveBoard(PuzzleState& state, const Repaint& repaint);
void JumbleCommand(PuzzleState& state, const Repaint& repaint);

// The left-button protocol: pick a tile up, then swap it with the next one.
void OnBoardClick(PuzzleState& state, int x, int y, const Repaint& repaint);
