#include "platform/ClientSurface.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

TEST(ClientSurface, StartsWhiteAndCopiesExactly) {
    ClientSurface surface({40, 30});
    EXPECT_EQ(CountColour(surface.Image(), ClientSurface::kWhite), 40 * 30);

    const QImage picture = CoordinatePicture(50, 50);
    surface.CopyRect(picture, 7, 9, 5, 4, 2, 3);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 2 && x < 7 && y >= 3 && y < 7;
            ASSERT_EQ(surface.Image().pixel(x, y),
                      inside ? CoordinatePixel(x + 5, y + 6) : ClientSurface::kWhite)
                << x << "," << y;
        }
}

TEST(ClientSurface, CopiesAreClippedAndMissingSourceIsWhite) {
    ClientSurface surface({20, 20});
    const QImage picture = CoordinatePicture(10, 10);
    // Hangs over the surface's right and bottom edges, and the picture's.
    surface.CopyRect(picture, 5, 5, 30, 30, 12, 12);
    EXPECT_EQ(surface.Image().pixel(12, 12), CoordinatePixel(5, 5));
    EXPECT_EQ(surface.Image().pixel(16, 16), CoordinatePixel(9, 9));
    EXPECT_EQ(surface.Image().pixel(17, 16), ClientSurface::kWhite);
    // Negative destinations move the source with them.
    surface.CopyRect(picture, 0, 0, 4, 4, -2, -1);
    EXPECT_EQ(surface.Image().pixel(0, 0), CoordinatePixel(2, 1));
    EXPECT_EQ(surface.Image().pixel(1, 2), CoordinatePixel(3, 3));
    EXPECT_EQ(surface.Image().pixel(2, 0), ClientSurface::kWhite);

    // Copying from no picture at all paints white over what was there.
    surface.CopyRect(QImage(), 0, 0, 20, 20, 0, 0);
    EXPECT_EQ(CountColour(surface.Image(), ClientSurface::kWhite), 400);
}

TEST(ClientSurface, LinesPaintTheFirstPixelAndNotTheLast) {
    const QRgb red = 0xffff0000;
    ClientSurface surface({10, 10});
    surface.Line({2, 1}, {6, 1}, red);
    surface.Line({8, 8}, {8, 3}, red); // upwards
    surface.Line({5, 5}, {5, 5}, red); // zero length paints nothing
    EXPECT_EQ(CountColour(surface.Image(), red), 4 + 5);
    for (int x = 2; x < 6; ++x)
        EXPECT_EQ(surface.Image().pixel(x, 1), red);
    EXPECT_EQ(surface.Image().pixel(6, 1), ClientSurface::kWhite);
    EXPECT_EQ(surface.Image().pixel(8, 8), red);
    EXPECT_EQ(surface.Image().pixel(8, 3), ClientSurface::kWhite);
    // Off-surface parts are dropped, not wrapped.
    surface.Line({-5, 9}, {15, 9}, red);
    EXPECT_EQ(CountColour(surface.Image(), red), 9 + 10);
}

TEST(ClientSurface, BatchedCopiesMatchSingleCopies) {
    const QImage picture = CoordinatePicture(30, 30);
    std::vector<ClientSurface::RectCopy> copies = {
        {0, 0, 5, 5, 10, 15}, {20, 20, 15, 15, 0, 0}, {3, 4, 6, 2, 18, 17}, {1, 1, 4, 4, -2, 15}};
    ClientSurface one({20, 20}), batch({20, 20});
    for (const auto& c : copies)
        one.CopyRect(picture, c.sx, c.sy, c.w, c.h, c.dx, c.dy);
    batch.CopyRects(picture, copies);
    EXPECT_EQ(batch.Image(), one.Image());
    EXPECT_EQ(batch.Image().pixel(12, 16), CoordinatePixel(2, 1));
}

TEST(ClientSurface, CopiesSharingRowsMatchSingleCopies) {
    const QImage picture = CoordinatePicture(60, 40);
    // Side by side on row 0 with one shorter among them, then a second row.
    std::vector<ClientSurface::RectCopy> copies = {
        {0, 0, 5, 4, 0, 0},   {10, 3, 6, 4, 6, 0}, {20, 5, 3, 2, 13, 0}, {1, 1, 4, 4, 17, 0},
        {30, 10, 7, 3, 0, 5}, {2, 2, 7, 3, 8, 5},  {40, 30, 2, 6, 16, 4}};
    ClientSurface one({22, 10}), batch({22, 10});
    for (const auto& c : copies)
        one.CopyRect(picture, c.sx, c.sy, c.w, c.h, c.dx, c.dy);
    batch.CopyRects(picture, copies);
    EXPECT_EQ(batch.Image(), one.Image());
    EXPECT_EQ(batch.Image().pixel(14, 1), CoordinatePixel(21, 6));
    EXPECT_EQ(batch.Image().pixel(14, 2), ClientSurface::kWhite);
    EXPECT_EQ(batch.Image().pixel(20, 3), CoordinatePixel(4, 4));
}

TEST(ClientSurface, HorizontalLinesOfEveryLengthStopShortOfTheEnd) {
    const QRgb red = 0xffff0000;
    for (const int length : {1, 7, 8, 9, 16, 17}) {
        ClientSurface surface({20, 2});
        surface.Line({1, 1}, {1 + length, 1}, red);
        EXPECT_EQ(CountColour(surface.Image(), red), length) << length;
        EXPECT_EQ(surface.Image().pixel(1, 1), red) << length;
        EXPECT_EQ(surface.Image().pixel(length, 1), red) << length;
        EXPECT_EQ(surface.Image().pixel(1 + length, 1), ClientSurface::kWhite) << length;
    }
}
