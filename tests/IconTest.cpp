// The icon as rendered at every installed size, and the window icon made of
// those same renders.
#include "MainFrameFixture.h"

#include <QIcon>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>

namespace {

constexpr int kSizes[] = {QUADRILLO_ICON_SIZES};

QString RenderedFile(int size) {
    return QStringLiteral(QUADRILLO_ICON_DIR "/%1x%1/quadrillo.png").arg(size);
}

// The icon is drawn on a 16-unit grid: a border of 1, three tiles of 4 and
// cuts of 1 between them. A sample is taken in the middle of a unit.
QRgb AtUnit(const QImage& icon, double x, double y) {
    const double scale = icon.width() / 16.0;
    return icon.pixel(int((x + 0.5) * scale), int((y + 0.5) * scale));
}

// Half a unit right of and below the tile's middle, clear of the boat's sail.
QRgb TileCentre(const QImage& icon, int row, int column) {
    return AtUnit(icon, 3 + 5 * column, 3 + 5 * row);
}

// The colours the icon is drawn in; a sample is named by the nearest one, as
// edges blend two colours at the small sizes.
enum class Ink { Cut, Sky, Cloud, Sun, Grass, Hill, Sand, Sea, DeepSea, Hull };

Ink Nearest(QRgb shown) {
    static constexpr std::pair<Ink, QRgb> kInks[] = {
        {Ink::Cut, 0x1d2733},     {Ink::Sky, 0x3f7fd6},  {Ink::Sky, 0x6ea8ec},
        {Ink::Cloud, 0xffffff},   {Ink::Sun, 0xffd93d},  {Ink::Grass, 0x2e8b3b},
        {Ink::Hill, 0x67be45},    {Ink::Sand, 0xe9d08c}, {Ink::Sea, 0x2b72c0},
        {Ink::DeepSea, 0x1b4f8f}, {Ink::Hull, 0xd83a2c}};
    Ink nearest = Ink::Cut;
    int best = INT_MAX;
    for (const auto& [ink, rgb] : kInks) {
        const int r = qRed(shown) - qRed(rgb), g = qGreen(shown) - qGreen(rgb),
                  b = qBlue(shown) - qBlue(rgb);
        if (r * r + g * g + b * b < best) {
            best = r * r + g * g + b * b;
            nearest = ink;
        }
    }
    return nearest;
}

using WindowIconTest = MainFrameFixture;

} // namespace

TEST(IconTest, EveryRenderShowsTheSunAndTheGrassSwapped) {
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        const QImage icon = QImage(RenderedFile(size)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        // Rounded corners: the very corner is clear, the border beside it is not.
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 128);
        EXPECT_EQ(qAlpha(AtUnit(icon, 0, 8)), 255);
        EXPECT_EQ(Nearest(AtUnit(icon, 0, 8)), Ink::Cut);
        EXPECT_EQ(Nearest(AtUnit(icon, 5, 8)), Ink::Cut);
        EXPECT_EQ(Nearest(AtUnit(icon, 8, 10)), Ink::Cut);
        // The sun's tile and a grass tile have changed places...
        EXPECT_EQ(Nearest(TileCentre(icon, 0, 2)), Ink::Grass);
        EXPECT_EQ(Nearest(TileCentre(icon, 2, 0)), Ink::Sun);
        // ...while the boat and the sea are home.
        EXPECT_EQ(Nearest(TileCentre(icon, 1, 2)), Ink::Hull);
        EXPECT_EQ(Nearest(TileCentre(icon, 2, 2)), Ink::DeepSea);
    }
}

TEST_F(WindowIconTest, HoldsEveryRenderPixelForPixel) {
    Open(4);
    const QIcon icon = frame->windowIcon();
    QList<QSize> wanted;
    for (const int size : kSizes)
        wanted << QSize(size, size);
    QList<QSize> available = icon.availableSizes();
    std::sort(available.begin(), available.end(),
              [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(available, wanted);
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        // Compared premultiplied, as a pixmap holds it.
        const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  QImage(RenderedFile(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}
