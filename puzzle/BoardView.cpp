#include "puzzle/BoardView.h"

#include "platform/ClientSurface.h"
#include "puzzle/PuzzleState.h"

#include <array>

namespace {

// The outline lies in the gap pixels round the cell; its corners at the top
// right and bottom left stay unpainted.
void Outline(ClientSurface& surface, Cell cell, int w, int h) {
    const int x0 = cell.column * w, y0 = cell.row * h;
    surface.Line({x0, y0}, {x0 + w, y0});
    surface.Line({x0, y0}, {x0, y0 + h});
    surface.Line({x0 + w, y0 + h}, {x0 + w, y0});
    surface.Line({x0 + w, y0 + h}, {x0, y0 + h});
}

// Lines run to the picture's edges, not the board's, so a grid size that does
// not divide 600 or 375 gets one more line on the last column or row.
void GridLines(ClientSurface& surface, int w, int h) {
    for (int x = 0; x < kPictureWidth; x += w)
        surface.Line({x, 0}, {x, kPictureHeight - 1});
    for (int y = 0; y < kPictureHeight; y += h)
        surface.Line({0, y}, {kPictureWidth - 1, y});
}

} // namespace

void DrawBoard(PuzzleState& state, ClientSurface& surface) {
    const int n = state.dimension, w = state.tileWidth, h = state.tileHeight;
    const bool gapped = state.gridOn && !IsPuzzleSolved(state);

    // Each tile shows its home rectangle; with the gaps, its top-left part
    // one pixel right and down.
    std::array<ClientSurface::RectCopy, kMaxDimension * kMaxDimension> copies;
    int count = 0;
    for (int column = 0; column < n; ++column) {
        for (int row = 0; row < n; ++row) {
            const int tile = state.board.At(column, row);
            const int sx = (tile % n) * w, sy = (tile / n) * h;
            copies[count++] =
                gapped ? ClientSurface::RectCopy{sx, sy, w - 1, h - 1, column * w + 1, row * h + 1}
                       : ClientSurface::RectCopy{sx, sy, w, h, column * w, row * h};
        }
    }
    surface.CopyRects(state.puzzleBitmap, std::span(copies.data(), count));
    if (gapped) {
        Outline(surface, state.firstCell, w, h);
        Outline(surface, state.secondCell, w, h);
    }
    if (state.gridLinesPending && state.gridOn) {
        GridLines(surface, w, h);
        state.gridLinesPending = false;
    }
}

BoardChange GridCommand(PuzzleState& state) {
    state.gridOn = !state.gridOn;
    if (state.gridOn)
        state.gridLinesPending = true;
    return BoardChange::Rearranged;
}
