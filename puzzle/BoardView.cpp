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

// The sheet for tiles of `size` cut from the top-left of each cell, remade
// when the picture or the grid has changed since the last repaint. It is cut
// by the same copy that draws the board, so the pixels come out alike.
const QImage& Tiles(PuzzleState& state, QSize size) {
    TileSheet& sheet = state.tileSheet;
    const int n = state.dimension;
    const QSize cell(state.tileWidth, state.tileHeight);
    const qint64 key = state.puzzleBitmap.cacheKey();
    if (sheet.pictureKey == key && sheet.dimension == n && sheet.cellSize == cell &&
        sheet.tileSize == size && !sheet.tiles.isNull())
        return sheet.tiles;
    std::array<ClientSurface::RectCopy, kMaxDimension * kMaxDimension> cuts;
    for (int tile = 0; tile < n * n; ++tile)
        cuts[tile] = {(tile % n) * cell.width(), (tile / n) * cell.height(),
                      size.width(), size.height(), 0, tile * size.height()};
    ClientSurface cut({size.width(), n * n * size.height()});
    cut.CopyRects(state.puzzleBitmap, std::span(cuts.data(), n * n));
    sheet = {cut.Image(), key, n, cell, size};
    return sheet.tiles;
}

} // namespace

void DrawBoard(PuzzleState& state, ClientSurface& surface) {
    const int n = state.dimension, w = state.tileWidth, h = state.tileHeight;
    const bool gapped = state.gridOn && !IsPuzzleSolved(state);

    // Each tile shows its home rectangle; with the gaps, its top-left part
    // one pixel right and down. Row by row, so the surface fills in order.
    const QSize size = gapped ? QSize(w - 1, h - 1) : QSize(w, h);
    const QImage& tiles = Tiles(state, size);
    const int shift = gapped ? 1 : 0;
    std::array<ClientSurface::RectCopy, kMaxDimension * kMaxDimension> copies;
    int count = 0;
    for (int row = 0; row < n; ++row) {
        for (int column = 0; column < n; ++column) {
            const int tile = state.board.At(column, row);
            copies[count++] = {0, tile * size.height(), size.width(), size.height(),
                               column * w + shift, row * h + shift};
        }
    }
    surface.CopyRects(tiles, std::span(copies.data(), count));
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
