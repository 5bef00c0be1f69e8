#include "samples/SampleArt.h"
#include "packs/PackFormat.h"
#include "samples/ArtKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

// The finest grid the game offers: 10 x 10 tiles of 60 x 37, covering x < 600, y < 370.
constexpr int kGrid = 10;
constexpr int kTileWidth = 600 / kGrid;
constexpr int kTileHeight = 375 / kGrid;

// A player sees a tile as patches, not pixels: 6 x 6 blocks, 10 across and 6
// down. The 37th row of a tile is a sliver no eye tells apart, so it is left out.
constexpr int kBlock = 6;
constexpr int kBlocksAcross = kTileWidth / kBlock;
constexpr int kBlocksDown = kTileHeight / kBlock;

// Closer than 8 of 255 on average, about 3 %, two tiles read as the same patch.
constexpr double kDistinctTiles = 8.0;

// The block means of one tile, red, green and blue for each block in turn.
std::vector<double> BlockMeans(const QImage& picture, int tile) {
    std::vector<double> means(kBlocksAcross * kBlocksDown * 3, 0.0);
    const int left = (tile % kGrid) * kTileWidth, top = (tile / kGrid) * kTileHeight;
    for (int y = 0; y < kBlocksDown * kBlock; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(top + y));
        for (int x = 0; x < kBlocksAcross * kBlock; ++x) {
            const QRgb pixel = row[left + x];
            double* block = &means[((y / kBlock) * kBlocksAcross + x / kBlock) * 3];
            block[0] += qRed(pixel);
            block[1] += qGreen(pixel);
            block[2] += qBlue(pixel);
        }
    }
    for (double& mean : means)
        mean /= kBlock * kBlock;
    return means;
}

double TileDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return sum / a.size();
}

struct ClosestTiles {
    int a = 0, b = 0;
    double difference = 0;
};

ClosestTiles Closest(const QImage& picture) {
    std::vector<std::vector<double>> tiles;
    for (int tile = 0; tile < kGrid * kGrid; ++tile)
        tiles.push_back(BlockMeans(picture, tile));
    ClosestTiles closest{0, 0, 1e9};
    for (int a = 0; a < kGrid * kGrid; ++a)
        for (int b = a + 1; b < kGrid * kGrid; ++b) {
            const double difference = TileDifference(tiles[a], tiles[b]);
            if (difference < closest.difference)
                closest = {a, b, difference};
        }
    return closest;
}

std::string TileName(int tile) {
    return "(" + std::to_string(tile % kGrid) + "," + std::to_string(tile / kGrid) + ")";
}

// Every tile flat, red stepping by `step` across the grid and green down it,
// so neighbours along a row or column are step / 3 apart and nothing is closer.
QImage SteppedTiles(int step) {
    QImage picture(600, 375, QImage::Format_RGB32);
    for (int y = 0; y < 375; ++y)
        for (int x = 0; x < 600; ++x) {
            const int column = x / kTileWidth, row = std::min(y / kTileHeight, kGrid - 1);
            picture.setPixel(x, y, qRgb(column * step, row * step, 40));
        }
    return picture;
}

void FillTile(QImage& picture, int tile, const std::function<QRgb(int, int)>& pixel) {
    const int left = (tile % kGrid) * kTileWidth, top = (tile / kGrid) * kTileHeight;
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x)
            picture.setPixel(left + x, top + y, pixel(x, y));
}

TEST(SampleArtTest, TilesAreComparedByBlockMeansAtTheThreshold) {
    // Neighbours exactly at, just under and just over the threshold.
    EXPECT_DOUBLE_EQ(Closest(SteppedTiles(24)).difference, 8.0);
    EXPECT_GE(Closest(SteppedTiles(24)).difference, kDistinctTiles);
    EXPECT_LT(Closest(SteppedTiles(23)).difference, kDistinctTiles);
    EXPECT_GE(Closest(SteppedTiles(25)).difference, kDistinctTiles);

    // One tile nudged towards its left neighbour is the pair to report.
    QImage nudged = SteppedTiles(25);
    FillTile(nudged, 37, [](int, int) { return qRgb(7 * 25 - 2, 3 * 25, 40); });
    const ClosestTiles closest = Closest(nudged);
    EXPECT_EQ(closest.a, 36);
    EXPECT_EQ(closest.b, 37);
    EXPECT_DOUBLE_EQ(closest.difference, 23.0 / 3);

    // Grain that evens out within each block is no difference; the same grain
    // a pixel off the blocks, or measured against the picture's rows rather
    // than the tile's, would be. Tile 1 starts at y = 0 and tile 21 at y = 74,
    // which is not a multiple of 6.
    QImage picture(600, 375, QImage::Format_RGB32);
    picture.fill(qRgb(100, 100, 100));
    // Quadrants of opposite shade in every block, flipped from block to block.
    const auto quadrants = [](int shift) {
        return [shift](int x, int y) {
            x += shift;
            y += shift;
            const bool flip = ((x % 6 < 3) != (y % 6 < 3)) != ((x / 6 + y / 6) % 2 == 1);
            const int sign = flip ? -1 : 1;
            return qRgb(100 + 30 * sign, 100 - 30 * sign, 100 + 30 * sign);
        };
    };
    FillTile(picture, 1, quadrants(0));
    FillTile(picture, 21, quadrants(0));
    FillTile(picture, 2, quadrants(1));
    const std::vector<double> flat = BlockMeans(picture, 0);
    EXPECT_DOUBLE_EQ(TileDifference(flat, BlockMeans(picture, 1)), 0.0);
    EXPECT_DOUBLE_EQ(TileDifference(flat, BlockMeans(picture, 21)), 0.0);
    EXPECT_GT(TileDifference(flat, BlockMeans(picture, 2)), 3.0);

    // The 37th row is left out; the first row counts for a sixth of its blocks.
    FillTile(picture, 3,
             [](int, int y) { return y == 36 ? qRgb(255, 255, 255) : qRgb(100, 100, 100); });
    FillTile(picture, 4,
             [](int, int y) { return y == 0 ? qRgb(255, 255, 255) : qRgb(100, 100, 100); });
    EXPECT_DOUBLE_EQ(TileDifference(flat, BlockMeans(picture, 3)), 0.0);
    EXPECT_NEAR(TileDifference(flat, BlockMeans(picture, 4)), 155.0 / 6 / kBlocksDown, 1e-9);
}

TEST(SampleArtTest, EveryCategoryHasAtLeastSixTitledPictures) {
    std::set<std::string> titles;
    for (int category = 0; category < kCategoryCount; ++category) {
        const std::vector<SamplePicture> pictures = SamplePictures(category);
        EXPECT_GE(pictures.size(), 6u) << CategoryName(category);
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            EXPECT_EQ(pictures[i].category, category);
            EXPECT_EQ(pictures[i].index, static_cast<int>(i));
            EXPECT_FALSE(pictures[i].title.empty());
            EXPECT_TRUE(titles.insert(pictures[i].title).second)
                << "repeated: " << pictures[i].title;
        }
        EXPECT_TRUE(RenderSamplePicture(category, static_cast<int>(pictures.size())).isNull());
    }
    EXPECT_EQ(AllSamplePictures().size(), titles.size());
    EXPECT_TRUE(SamplePictures(kCategoryCount).empty());
    EXPECT_TRUE(SamplePictures(-1).empty());
    EXPECT_TRUE(RenderSamplePicture(-1, 0).isNull());
    EXPECT_TRUE(RenderSamplePicture(0, -1).isNull());
}

TEST(SampleArtTest, PicturesAreStableAndEveryTileStandsOutAtTheFinestGrid) {
    std::vector<QImage> rendered;
    for (const SamplePicture& picture : AllSamplePictures()) {
        SCOPED_TRACE(picture.title);
        const QImage image = RenderSamplePicture(picture.category, picture.index);
        ASSERT_EQ(image.size(), QSize(600, 375));
        ASSERT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_EQ(image, RenderSamplePicture(picture.category, picture.index))
            << "not deterministic";

        const ClosestTiles closest = Closest(image);
        EXPECT_GE(closest.difference, kDistinctTiles)
            << picture.title << ": tiles " << TileName(closest.a) << " and " << TileName(closest.b)
            << " differ by only " << closest.difference;

        for (const QImage& earlier : rendered)
            EXPECT_NE(image, earlier) << "same picture as an earlier one";
        rendered.push_back(image);
    }
}

TEST(SampleArtTest, NoiseIsSeededBoundedAndHuesWrap) {
    const art::Noise noise(7), same(7), other(8);
    int differing = 0;
    for (int i = 0; i < 500; ++i) {
        const float x = i * 0.37f - 40, y = i * 0.11f + 3;
        const float value = noise.At(x, y);
        EXPECT_EQ(value, same.At(x, y));
        EXPECT_LE(std::abs(value), 1.5f);
        EXPECT_LE(std::abs(noise.Fbm(x, y, 5)), 1.5f);
        EXPECT_GE(noise.Ridged(x, y, 4), 0.0f);
        EXPECT_LE(noise.Ridged(x, y, 4), 1.0f);
        differing += value != other.At(x, y);
    }
    EXPECT_GT(differing, 400);

    for (float hue : {0.0f, 0.3f, 0.71f}) {
        const art::Col a = art::Hsv(hue, 0.8f, 0.9f), b = art::Hsv(hue - 2, 0.8f, 0.9f);
        EXPECT_NEAR(a.r, b.r, 1e-4f);
        EXPECT_NEAR(a.g, b.g, 1e-4f);
        EXPECT_NEAR(a.b, b.b, 1e-4f);
    }
    const art::Col red = art::Hsv(0, 1, 1), blue = art::Hsv(2.0f / 3, 1, 1);
    EXPECT_EQ(art::ToRgb(red), qRgb(255, 0, 0));
    EXPECT_EQ(art::ToRgb(blue), qRgb(0, 0, 255));
}

TEST(SampleArtTest, GeneratorRepeatsPerSeedAndStaysInItsBounds) {
    art::Rng rng(42), again(42);
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 2000; ++i) {
        const float unit = rng.Unit();
        EXPECT_EQ(unit, again.Unit());
        EXPECT_GE(unit, 0.0f);
        EXPECT_LT(unit, 1.0f);
        const int value = rng.Int(3, 6);
        EXPECT_EQ(value, again.Int(3, 6));
        EXPECT_GE(value, 3);
        EXPECT_LE(value, 6);
        sawLow = sawLow || value == 3;
        sawHigh = sawHigh || value == 6;
        const float uniform = rng.Uniform(-2, 5);
        EXPECT_EQ(uniform, again.Uniform(-2, 5));
        EXPECT_GE(uniform, -2.0f);
        EXPECT_LT(uniform, 5.0f);
    }
    EXPECT_TRUE(sawLow && sawHigh) << "Int() must reach both ends of its range";

    // Ground fills below its curve down past the bottom edge, and nothing above it.
    const QPainterPath ground = art::Ground([](float x) { return 200 + x / 10; });
    EXPECT_TRUE(ground.contains(QPointF(100, 215)));
    EXPECT_TRUE(ground.contains(QPointF(550, 374)));
    EXPECT_FALSE(ground.contains(QPointF(100, 205)));
    EXPECT_FALSE(ground.contains(QPointF(550, 250)));
}

} // namespace
