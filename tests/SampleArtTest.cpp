#include "samples/SampleArt.h"
#include "samples/ArtKit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

// The finest grid the game offers: 10 x 10 tiles of 60 x 37, covering x < 600, y < 370.
constexpr int kGrid = 10;
constexpr int kTileWidth = 600 / kGrid;
constexpr int kTileHeight = 375 / kGrid;

// Mean absolute difference per channel on 0..255 below which two tiles start
// to look alike to a player: 8 is a clear shade apart (about 3 %), where
// smaller values are mostly grain on the same patch of sky.
constexpr double kDistinctTiles = 8.0;

// The picture's tiles as runs of channel bytes, so comparing two is a flat loop.
std::vector<std::vector<int>> Tiles(const QImage& picture) {
    std::vector<std::vector<int>> tiles(kGrid * kGrid);
    for (int tile = 0; tile < kGrid * kGrid; ++tile) {
        const int left = (tile % kGrid) * kTileWidth, top = (tile / kGrid) * kTileHeight;
        tiles[tile].reserve(kTileWidth * kTileHeight * 3);
        for (int y = top; y < top + kTileHeight; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = left; x < left + kTileWidth; ++x)
                tiles[tile].insert(tiles[tile].end(),
                                   {qRed(row[x]), qGreen(row[x]), qBlue(row[x])});
        }
    }
    return tiles;
}

double TileDifference(const std::vector<int>& a, const std::vector<int>& b) {
    int sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return static_cast<double>(sum) / a.size();
}

std::string TileName(int tile) {
    return "(" + std::to_string(tile % kGrid) + "," + std::to_string(tile / kGrid) + ")";
}

TEST(SampleArtTest, EveryCategoryHasAtLeastSixTitledPictures) {
    std::set<std::string> titles;
    for (int category = 0; category < kSampleCategoryCount; ++category) {
        EXPECT_FALSE(SampleCategoryName(category).empty()) << category;
        const std::vector<SamplePicture> pictures = SamplePictures(category);
        EXPECT_GE(pictures.size(), 6u) << SampleCategoryName(category);
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
    EXPECT_TRUE(SamplePictures(kSampleCategoryCount).empty());
    EXPECT_TRUE(SampleCategoryName(-1).empty());
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

        const auto tiles = Tiles(image);
        double closest = 1e9;
        int closestA = 0, closestB = 0;
        for (int a = 0; a < kGrid * kGrid; ++a)
            for (int b = a + 1; b < kGrid * kGrid; ++b) {
                const double difference = TileDifference(tiles[a], tiles[b]);
                if (difference < closest) {
                    closest = difference;
                    closestA = a;
                    closestB = b;
                }
            }
        EXPECT_GE(closest, kDistinctTiles)
            << "tiles " << TileName(closestA) << " and " << TileName(closestB) << " look alike";

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
