#include "puzzle/BoardView.h"
#include "TestPictures.h"
#include "platform/ClientSurface.h"
#include "puzzle/PuzzleState.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr QRgb kWhite = ClientSurface::kWhite;

struct View {
    PuzzleState state;
    ClientSurface surface;

    explicit View(int n, std::uint32_t seed = 3) {
        state.dimension = n;
        UpdateTileGeometry(state);
        JumbleBoard(state, seed);
        state.puzzleBitmap = CoordinatePicture();
        surface.Reset({n * state.tileWidth + 1, n * state.tileHeight + 1});
        // Black everywhere first, so that only drawn lines are white.
        QImage black(surface.Size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        surface.CopyRect(black, 0, 0, black.width(), black.height(), 0, 0);
    }
    QRgb At(int x, int y) const { return surface.Image().pixel(x, y); }
    QRgb SourceOf(int column, int row, int dx, int dy) const {
        const int n = state.dimension, tile = state.board.At(column, row);
        return CoordinatePixel((tile % n) * state.tileWidth + dx,
                               (tile / n) * state.tileHeight + dy);
    }
};

std::set<int> FullVerticalLines(const View& view) {
    std::set<int> xs;
    for (int x = 0; x < view.surface.Size().width(); ++x) {
        bool full = true;
        for (int y = 0; y < 374 && y < view.surface.Size().height(); ++y)
            full = full && view.At(x, y) == kWhite;
        if (full)
            xs.insert(x);
    }
    return xs;
}

std::set<int> FullHorizontalLines(const View& view) {
    std::set<int> ys;
    for (int y = 0; y < view.surface.Size().height(); ++y) {
        bool full = true;
        for (int x = 0; x < 599 && x < view.surface.Size().width(); ++x)
            full = full && view.At(x, y) == kWhite;
        if (full)
            ys.insert(y);
    }
    return ys;
}

} // namespace

TEST(BoardView, GridOffDrawsWholeTiles) {
    View view(7);
    DrawBoard(view.state, view.surface);
    const int w = view.state.tileWidth, h = view.state.tileHeight;
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 7; ++r)
            for (int dy = 0; dy < h; ++dy)
                for (int dx = 0; dx < w; ++dx)
                    ASSERT_EQ(view.At(c * w + dx, r * h + dy), view.SourceOf(c, r, dx, dy))
                        << c << "," << r << " +" << dx << "," << dy;
    // The rim beyond the 7 x 7 tiles is never drawn.
    EXPECT_EQ(view.At(595, 10), qRgb(0, 0, 0));
    EXPECT_EQ(view.At(10, 371), qRgb(0, 0, 0));
}

TEST(BoardView, GridOnShiftsTilesAndLeavesGapsAlone) {
    View view(5);
    DrawBoard(view.state, view.surface); // full tiles first, so the gaps hold picture pixels
    const ClientSurface before = view.surface;
    view.state.gridOn = true;
    view.state.firstCell = {0, 0};
    view.state.secondCell = {0, 0};
    DrawBoard(view.state, view.surface);

    const int w = 120, h = 75;
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r)
            for (int dy = 0; dy < h - 1; ++dy)
                for (int dx = 0; dx < w - 1; ++dx)
                    ASSERT_EQ(view.At(c * w + 1 + dx, r * h + 1 + dy), view.SourceOf(c, r, dx, dy));
    // A gap pixel away from the outlined cell keeps what the earlier paint left.
    EXPECT_EQ(view.At(3 * w, 2 * h + 10), before.Image().pixel(3 * w, 2 * h + 10));
    EXPECT_EQ(view.At(3 * w + 10, 4 * h), before.Image().pixel(3 * w + 10, 4 * h));
}

TEST(BoardView, OutlinesUseTheGapsAndSkipTwoCorners) {
    View view(8);
    DrawBoard(view.state, view.surface);
    const ClientSurface before = view.surface;
    view.state.gridOn = true;
    view.state.firstCell = {2, 3};
    view.state.secondCell = {6, 1};
    DrawBoard(view.state, view.surface);

    const int w = 75, h = 46;
    for (Cell cell : {Cell{2, 3}, Cell{6, 1}}) {
        const int x0 = cell.column * w, y0 = cell.row * h;
        for (int x = x0; x < x0 + w; ++x)
            EXPECT_EQ(view.At(x, y0), kWhite) << "top " << x;
        for (int y = y0; y < y0 + h; ++y)
            EXPECT_EQ(view.At(x0, y), kWhite) << "left " << y;
        for (int y = y0 + 1; y <= y0 + h; ++y)
            EXPECT_EQ(view.At(x0 + w, y), kWhite) << "right " << y;
        for (int x = x0 + 1; x <= x0 + w; ++x)
            EXPECT_EQ(view.At(x, y0 + h), kWhite) << "bottom " << x;
        EXPECT_EQ(view.At(x0 + w, y0), before.Image().pixel(x0 + w, y0));
        EXPECT_EQ(view.At(x0, y0 + h), before.Image().pixel(x0, y0 + h));
    }

    // A solved board with the grid on: whole tiles, no outlines.
    SolveBoard(view.state);
    DrawBoard(view.state, view.surface);
    EXPECT_EQ(view.At(2 * w + 5, 3 * h), CoordinatePixel(2 * w + 5, 3 * h));
    EXPECT_EQ(view.At(2 * w, 3 * h + 5), CoordinatePixel(2 * w, 3 * h + 5));
}

TEST(BoardView, GridLinesRunToThePictureEdges) {
    struct Expected {
        int n;
        int verticals;
        int lastX;
        int horizontals;
        int lastY;
    };
    // Every grid size; where 600 or 375 is no multiple of n, one more line.
    for (Expected e :
         {Expected{4, 4, 450, 5, 372}, Expected{5, 5, 480, 5, 300}, Expected{6, 6, 500, 7, 372},
          Expected{7, 8, 595, 8, 371}, Expected{8, 8, 525, 9, 368}, Expected{9, 10, 594, 10, 369},
          Expected{10, 10, 540, 11, 370}}) {
        SCOPED_TRACE("n=" + std::to_string(e.n));
        View view(e.n);
        view.state.gridOn = true;
        view.state.gridLinesPending = true;
        DrawBoard(view.state, view.surface);
        EXPECT_FALSE(view.state.gridLinesPending);

        const std::set<int> xs = FullVerticalLines(view), ys = FullHorizontalLines(view);
        ASSERT_FALSE(xs.empty());
        ASSERT_FALSE(ys.empty());
        EXPECT_EQ(int(xs.size()), e.verticals);
        EXPECT_EQ(*xs.rbegin(), e.lastX);
        EXPECT_EQ(int(ys.size()), e.horizontals);
        EXPECT_EQ(*ys.rbegin(), e.lastY);
        for (int x : xs)
            EXPECT_EQ(x % view.state.tileWidth, 0);
        // A line paints its first pixel and not its last: horizontal lines end
        // at x = 598, vertical ones at y = 373, and the tile beneath shows there.
        const QSize size = view.surface.Size();
        if (size.width() > 599) {
            EXPECT_EQ(view.At(598, 0), kWhite);
            EXPECT_NE(view.At(599, 0), kWhite);
        }
        if (size.height() > 374) {
            EXPECT_EQ(view.At(view.state.tileWidth, 373), kWhite);
            EXPECT_NE(view.At(view.state.tileWidth, 374), kWhite);
        }
    }
}

TEST(BoardView, LinesStayInTheGapsUntilFullTilesCoverThem) {
    View view(6);
    view.state.gridOn = true;
    view.state.gridLinesPending = true;
    DrawBoard(view.state, view.surface);
    const std::set<int> drawn = FullVerticalLines(view);

    DrawBoard(view.state, view.surface); // nothing pending: the lines remain
    EXPECT_EQ(FullVerticalLines(view), drawn);
    EXPECT_EQ(view.At(300, 200), kWhite);

    view.state.gridOn = false;
    view.state.gridLinesPending = true;
    DrawBoard(view.state, view.surface); // grid off covers the gaps, keeps the request
    EXPECT_TRUE(view.state.gridLinesPending);
    EXPECT_EQ(view.At(300, 200), view.SourceOf(3, 3, 0, 14));
    EXPECT_TRUE(FullVerticalLines(view).empty());
}

TEST(BoardView, NoPictureShowsWhite) {
    View view(4);
    DrawBoard(view.state, view.surface);
    view.state.puzzleBitmap = QImage(); // a failed load replaces the old picture
    DrawBoard(view.state, view.surface);
    for (int y = 0; y < 372; y += 7)
        for (int x = 0; x < 600; x += 7)
            ASSERT_EQ(view.At(x, y), kWhite);
}

TEST(BoardView, GridCommandTogglesAndRequestsLinesOnlyWhenTurningOn) {
    PuzzleState state;
    EXPECT_EQ(GridCommand(state), BoardChange::Rearranged);
    EXPECT_TRUE(state.gridOn);
    EXPECT_TRUE(state.gridLinesPending);
    state.gridLinesPending = false;
    EXPECT_EQ(GridCommand(state), BoardChange::Rearranged);
    EXPECT_FALSE(state.gridOn);
    EXPECT_FALSE(state.gridLinesPending);
}

namespace {

// What a repaint with the grid off must leave: each tile copied on its own
// straight from the picture over what the surface held.
QImage DirectTiles(const View& view) {
    ClientSurface direct = view.surface;
    const int n = view.state.dimension, w = view.state.tileWidth, h = view.state.tileHeight;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) {
            const int tile = view.state.board.At(c, r);
            direct.CopyRect(view.state.puzzleBitmap, (tile % n) * w, (tile / n) * h, w, h, c * w,
                            r * h);
        }
    return direct.Image();
}

} // namespace

TEST(BoardView, RepaintsMatchTileByTileCopiesForEveryKindOfPicture) {
    QImage translucent = CoordinatePicture().convertToFormat(QImage::Format_ARGB32);
    translucent.setPixel(10, 10, qRgba(1, 2, 3, 4));
    const QImage pictures[] = {
        CoordinatePicture(),
        CoordinatePicture(250, 160), // smaller than the board: the rest is white
        translucent,
        CoordinatePicture().convertToFormat(QImage::Format_RGB888),
        CoordinatePicture(40, 30).convertToFormat(QImage::Format_Indexed8),
    };
    for (const QImage& picture : pictures) {
        View view(7);
        view.state.puzzleBitmap = picture;
        const QImage expected = DirectTiles(view);
        DrawBoard(view.state, view.surface);
        EXPECT_EQ(view.surface.Image(), expected) << picture.format() << " " << picture.width();
    }
}

TEST(BoardView, RepaintsFollowEveryChangeToThePictureAndTheGrid) {
    View view(6);
    DrawBoard(view.state, view.surface);

    // Changed in place, then replaced by another of the same size.
    const int tile = view.state.board.At(2, 1), w = view.state.tileWidth;
    const int h = view.state.tileHeight;
    view.state.puzzleBitmap.setPixel((tile % 6) * w + 3, (tile / 6) * h + 4, qRgb(9, 8, 7));
    DrawBoard(view.state, view.surface);
    EXPECT_EQ(view.At(2 * w + 3, h + 4), qRgb(9, 8, 7));
    view.state.puzzleBitmap = CoordinatePicture().mirrored(true, true);
    QImage expected = DirectTiles(view);
    DrawBoard(view.state, view.surface);
    EXPECT_EQ(view.surface.Image(), expected);

    // Fewer cells of the same size: the tiles lie elsewhere in the picture.
    view.state.dimension = 5;
    JumbleBoard(view.state, 4);
    expected = DirectTiles(view);
    DrawBoard(view.state, view.surface);
    EXPECT_EQ(view.surface.Image(), expected);

    // A finer grid over the same picture.
    view.state.dimension = 9;
    UpdateTileGeometry(view.state);
    JumbleBoard(view.state, 5);
    expected = DirectTiles(view);
    DrawBoard(view.state, view.surface);
    EXPECT_EQ(view.surface.Image(), expected);

    // Gaps on, then off again: shifted part tiles, then whole ones.
    view.state.gridOn = true;
    DrawBoard(view.state, view.surface);
    const int moved = view.state.board.At(4, 3), sx = (moved % 9) * 66, sy = (moved / 9) * 41;
    EXPECT_EQ(view.At(4 * 66 + 1, 3 * 41 + 1), view.state.puzzleBitmap.pixel(sx, sy));
    EXPECT_EQ(view.At(4 * 66 + 65, 3 * 41 + 40), view.state.puzzleBitmap.pixel(sx + 64, sy + 39));
    view.state.gridOn = false;
    expected = DirectTiles(view);
    DrawBoard(view.state, view.surface);
    EXPECT_EQ(view.surface.Image(), expected);
}
