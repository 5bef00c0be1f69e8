// TV shows: test card, weather, sets and studios.

#include "samples/ArtKit.h"
#include "samples/Gallery.h"

#include <vector>

namespace art {
namespace {

QImage TestCard() {
    QImage image = NewCanvas();
    const Noise noise(4101);
    const QPointF centre(300, 187.5f);
    const float radius = 150;
    const std::uint32_t bars[] = {0xf0f0f0, 0xf0e020, 0x20e0e0, 0x20d020,
                                  0xd020d0, 0xe02020, 0x2020e0, 0x101010};
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        const float dx = fx - centre.x(), dy = fy - centre.y();
        const float r = Length(dx, dy);
        if (r < radius) {
            const float v = (dy + radius) / (2 * radius);
            const float u = (dx + radius) / (2 * radius);
            if (std::abs(r - radius + 2) < 2)
                return Hex(0xf0f0f0);
            if (v < 0.3f) {
                const int bar = std::clamp(static_cast<int>(u * 8), 0, 7);
                return Hex(bars[bar]) * (0.8f + 0.3f * v / 0.3f);
            }
            if (v < 0.48f) {
                // Gratings that get finer to the right.
                const float freq = 0.15f + u * 1.1f;
                const float grating = 0.5f + 0.5f * std::sin(fx * freq);
                return Mix(Hex(0x202020), Hex(0xe8e8e8), grating) * (0.9f + 0.2f * u);
            }
            if (v < 0.64f) {
                const int step = std::clamp(static_cast<int>(u * 10), 0, 9);
                return Col{1, 1, 1} * (0.06f + step * 0.095f) + Col{0.02f, 0, 0.03f} * v;
            }
            if (v < 0.8f) {
                const Col hueRamp = Hsv(u, 0.9f, 0.95f);
                return Mix(hueRamp, Col{1, 1, 1} * u, (v - 0.64f) / 0.16f * 0.6f);
            }
            return Mix(Hex(0x1a3a8a), Hex(0xe05a1a), u) * (0.7f + 0.3f * std::sin(v * 40));
        }
        // Outer field: a grey grid whose cells shade across the screen.
        const float cellX = fx / 37.5f, cellY = (fy + 6) / 37.5f;
        const float line =
            std::min({Fract(cellX), 1 - Fract(cellX), Fract(cellY), 1 - Fract(cellY)});
        const float tone = 0.3f + 0.35f * fx / kWidth + 0.15f * std::sin(fy / 60) +
                           0.05f * noise.Fbm(fx / 30, fy / 30, 2);
        Col c = Col{tone, tone, tone} + Hsv(fy / kHeight + fx / 1200, 0.5f, 0.12f);
        c = Mix(c, Hex(0xf0f0f0), SmoothStep(0.06f, 0.02f, line));
        // Castellations along the edges.
        const int blockX = static_cast<int>(fx / 25), blockY = static_cast<int>(fy / 25);
        if (fy < 14 || fy > kHeight - 14)
            c = (blockX % 2) ? Hex(0xf0f0f0) * (0.8f + 0.2f * fx / kWidth) : Hex(0x181818);
        if (fx < 14 || fx > kWidth - 14)
            c = (blockY % 2) ? Hex(0xf0f0f0) * (0.8f + 0.2f * fy / kHeight) : Hex(0x181818);
        return c;
    });
    Painter p(&image);
    // Centre cross and corner colour discs.
    p.setPen(QPen(Q(0x101010), 2));
    p.drawLine(QPointF(300, 187.5f - 20), QPointF(300, 187.5f + 20));
    p.drawLine(QPointF(280, 187.5f), QPointF(320, 187.5f));
    p.setPen(Qt::NoPen);
    const QPointF corners[] = {{65, 65}, {535, 65}, {65, 310}, {535, 310}};
    for (int k = 0; k < 4; ++k) {
        const Col colour = Hsv(k * 0.25f + 0.05f, 0.8f, 0.95f);
        p.setBrush(RadialGradient(
            corners[k], 40, {{0, Q(Mix(colour, Col{1, 1, 1}, 0.6f))}, {1, Q(colour * 0.6f)}}));
        p.drawEllipse(corners[k], 36, 36);
        p.setPen(QPen(Q(0x101010), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(corners[k], 20, 20);
        p.drawLine(corners[k] - QPointF(36, 0), corners[k] + QPointF(36, 0));
        p.setPen(Qt::NoPen);
    }
    p.end();
    Finish(image, 0.5f);
    return image;
}

QImage WeatherMap() {
    QImage image = NewCanvas();
    const Noise land(4201), pressure(4202);
    auto height = [&](float fx, float fy) {
        return land.Fbm(fx / 160, fy / 140, 5) + 0.25f - std::abs(fx - 330) / 900 -
               std::abs(fy - 200) / 700;
    };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        const float h = height(fx, fy);
        Col c;
        if (h < 0) {
            c = Mix(Hex(0x3a7ab8), Hex(0x0e3a70), Clamp01(-h * 3)) *
                (0.92f + 0.1f * land.At(fx / 12, fy / 12));
        } else {
            // Warmer to the south, hills shaded from the north-west.
            const float shade = (height(fx - 2, fy - 2) - h) * 40;
            c = Mix(Hex(0x5a9a3a), Hex(0xc8b060), Clamp01(h * 2.5f));
            c = Mix(c, Hex(0xf0f0f0), SmoothStep(0.38f, 0.5f, h));
            c = Mix(c, Hex(0xd89a50), Clamp01((fy - 200) / 400));
            c = c * (0.9f - shade * 0.5f);
            if (h < 0.015f)
                c = Hex(0xf0e8c0);
        }
        // Temperature wash from cold north to warm south.
        c = Mix(c, Mix(Hex(0x6a8af0), Hex(0xf06a3a), fy / kHeight), 0.2f);
        // Isobars from a smooth pressure field.
        const float pr = pressure.Fbm(fx / 260, fy / 200, 3) * 9;
        const float iso = std::abs(Fract(pr) - 0.5f) * 2;
        const float spacing = std::abs(pressure.Fbm((fx + 1) / 260, fy / 200, 3) -
                                       pressure.Fbm(fx / 260, fy / 200, 3)) *
                              9;
        c = Mix(c, Hex(0xffffff), SmoothStep(1 - spacing * 3 - 0.04f, 1, iso) * 0.85f);
        // Map graticule.
        const float gx = std::abs(Fract(fx / 75) - 0.5f), gy = std::abs(Fract(fy / 75) - 0.5f);
        c = Mix(c, Hex(0xe0e8ff), SmoothStep(0.493f, 0.5f, std::max(gx, gy)) * 0.3f);
        return c;
    });
    Painter p(&image);
    // Letters for the highs and lows, drawn as strokes.
    auto letterH = [&](QPointF at, Col colour) {
        p.setPen(QPen(Q(colour), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + QPointF(-9, -13), at + QPointF(-9, 13));
        p.drawLine(at + QPointF(9, -13), at + QPointF(9, 13));
        p.drawLine(at + QPointF(-9, 0), at + QPointF(9, 0));
    };
    auto letterL = [&](QPointF at, Col colour) {
        p.setPen(QPen(Q(colour), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + QPointF(-7, -13), at + QPointF(-7, 13));
        p.drawLine(at + QPointF(-7, 13), at + QPointF(9, 13));
    };
    for (const QPointF& at : {QPointF(150, 95), QPointF(470, 300)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Q(0xffffff, 0.75f));
        p.drawEllipse(at, 22, 22);
        letterH(at, Hex(0x1a4ad0));
    }
    for (const QPointF& at : {QPointF(430, 80), QPointF(110, 290)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Q(0xffffff, 0.75f));
        p.drawEllipse(at, 22, 22);
        letterL(at, Hex(0xd02a2a));
    }
    // A cold front with its triangles and a warm front with semicircles.
    QPainterPath cold;
    cold.moveTo(250, 20);
    cold.cubicTo(300, 110, 230, 200, 300, 340);
    QPainterPath warm;
    warm.moveTo(300, 340 - 200);
    warm.cubicTo(360, 150, 420, 170, 560, 150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Q(0x2a5ae0), 3.5));
    p.drawPath(cold);
    p.setPen(QPen(Q(0xe03a3a), 3.5));
    p.drawPath(warm);
    p.setPen(Qt::NoPen);
    for (int k = 1; k < 12; ++k) {
        const float t = k / 12.0f;
        const QPointF at = cold.pointAtPercent(t);
        const float angle = -cold.angleAtPercent(t) * kPi / 180;
        const QPointF along(std::cos(angle), std::sin(angle)), normal(-along.y(), along.x());
        QPainterPath tooth;
        tooth.moveTo(at - along * 7);
        tooth.lineTo(at + along * 7);
        tooth.lineTo(at + normal * 11);
        tooth.closeSubpath();
        p.setBrush(Q(0x2a5ae0));
        p.drawPath(tooth);
    }
    for (int k = 1; k < 9; ++k) {
        const float t = k / 9.0f;
        const QPointF at = warm.pointAtPercent(t);
        p.setBrush(Q(0xe03a3a));
        p.drawPie(QRectF(at.x() - 8, at.y() - 8, 16, 16),
                  static_cast<int>(warm.angleAtPercent(t) * 16), 180 * 16);
    }
    // Weather symbols.
    auto sun = [&](QPointF at) {
        p.setPen(QPen(Q(0xffb020), 3, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 8; ++k) {
            const float a = k * kPi / 4;
            p.drawLine(at + QPointF(std::cos(a), std::sin(a)) * 20,
                       at + QPointF(std::cos(a), std::sin(a)) * 28);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(RadialGradient(at - QPointF(4, 4), 20, {{0, Q(0xfff8a0)}, {1, Q(0xffb020)}}));
        p.drawEllipse(at, 16, 16);
    };
    auto cloud = [&](QPointF at, Col colour) {
        p.setPen(Qt::NoPen);
        p.setBrush(Q(colour * 0.7f));
        p.drawEllipse(at + QPointF(2, 3), 26, 13);
        p.setBrush(Q(colour));
        p.drawEllipse(at, 26, 13);
        p.drawEllipse(at + QPointF(-10, -10), 13, 13);
        p.drawEllipse(at + QPointF(8, -13), 16, 16);
    };
    auto rain = [&](QPointF at) {
        cloud(at, Hex(0xb8c0d0));
        p.setPen(QPen(Q(0x2a6ae0), 3, Qt::SolidLine, Qt::RoundCap));
        for (int k = -1; k <= 1; ++k)
            p.drawLine(at + QPointF(k * 12, 16), at + QPointF(k * 12 - 5, 28));
        p.setPen(Qt::NoPen);
    };
    auto storm = [&](QPointF at) {
        cloud(at, Hex(0x7a8090));
        QPainterPath boltPath;
        boltPath.moveTo(at + QPointF(2, 10));
        boltPath.lineTo(at + QPointF(-8, 26));
        boltPath.lineTo(at + QPointF(0, 25));
        boltPath.lineTo(at + QPointF(-6, 40));
        boltPath.lineTo(at + QPointF(10, 20));
        boltPath.lineTo(at + QPointF(2, 21));
        boltPath.closeSubpath();
        p.setBrush(Q(0xffe040));
        p.drawPath(boltPath);
    };
    auto snow = [&](QPointF at) {
        cloud(at, Hex(0xe8f0ff));
        p.setPen(QPen(Q(0xffffff), 2));
        for (int k = -1; k <= 1; ++k) {
            const QPointF flake = at + QPointF(k * 13, 24);
            for (int a = 0; a < 3; ++a) {
                const float angle = a * kPi / 3;
                p.drawLine(flake - QPointF(std::cos(angle), std::sin(angle)) * 5,
                           flake + QPointF(std::cos(angle), std::sin(angle)) * 5);
            }
        }
        p.setPen(Qt::NoPen);
    };
    sun({530, 235});
    sun({200, 330});
    sun({70, 170});
    rain({360, 215});
    rain({535, 60});
    storm({210, 180});
    snow({330, 50});
    snow({80, 40});
    cloud({420, 340}, Hex(0xf0f4ff));
    // A wind arrow sweeping in from the west.
    QPainterPath wind;
    wind.moveTo(20, 240);
    wind.cubicTo(70, 210, 110, 250, 150, 225);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Q(0xffffff, 0.8f), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wind);
    p.drawLine(QPointF(150, 225), QPointF(136, 222));
    p.drawLine(QPointF(150, 225), QPointF(141, 236));
    p.setPen(Qt::NoPen);
    p.end();
    Finish(image, 0.6f);
    return image;
}

// A little scene for a screen: a sunset over the sea, used by the TV set.
void SunsetScreen(QImage& image, const QRectF& screen, const Noise& noise) {
    for (int y = static_cast<int>(screen.top()); y < screen.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = static_cast<int>(screen.left()); x < screen.right(); ++x) {
            const float u = (x - screen.left()) / screen.width(),
                        v = (y - screen.top()) / screen.height();
            Col c;
            if (v < 0.6f) {
                c = Mix(Hex(0x3a2a8a), Hex(0xff8a4a), v / 0.6f);
                const float d = Length(u - 0.6f, (v - 0.5f) * 0.7f);
                c = Mix(c, Hex(0xfff0a0), SmoothStep(0.13f, 0.11f, d));
            } else {
                c = Mix(Hex(0x5a3a7a), Hex(0x1a1a4a), (v - 0.6f) / 0.4f);
                const float glint = std::exp(-std::pow((u - 0.6f) / 0.08f, 2.0f)) *
                                    (0.5f + 0.5f * noise.At(u * 40, v * 80));
                c = Mix(c, Hex(0xffd080), glint);
            }
            // Scan lines and the curve of the tube darkening the corners.
            c = c * (0.85f + 0.15f * (y % 2)) *
                (1 - 0.5f * std::pow(Length(u - 0.5f, v - 0.5f) * 1.3f, 3.0f));
            line[x] = ToRgb(c);
        }
    }
}

QImage RetroTvSet() {
    QImage image = NewCanvas();
    const Noise noise(4301);
    const float floorY = 300;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy > floorY) {
            // Floorboards in perspective, each with its own tint, under an oval braided rug.
            const float d = (fy - floorY) / (kHeight - floorY);
            const float across = (fx - 300) / (0.5f + d) / 45;
            const int board = static_cast<int>(std::floor(across));
            Col wood =
                Mix(Hex(0x5a3418), Hex(0xa8703a), Hash01(board, 7, 4304)) * (0.75f + 0.35f * d);
            wood = wood * (0.7f + 0.3f * SmoothStep(0.0f, 0.06f, Fract(across))) *
                   (0.9f + 0.2f * noise.Fbm(fx / 40, fy / 3, 3));
            const float ring = Length((fx - 320) / 230, (fy - 342) / 30);
            if (ring < 1) {
                const int band = static_cast<int>(ring * 7);
                const std::uint32_t bands[] = {0xc04a2a, 0xe8b050, 0x3a6a8a, 0xd87a3a,
                                               0x6a3a5a, 0xe8d090, 0x8a2a2a};
                const float braid =
                    0.8f + 0.2f * std::sin(std::atan2(fy - 342, (fx - 320) / 7.6f) * 40 + band);
                return Hex(bands[band]) * braid * (0.8f + 0.3f * d) * (0.85f + 0.3f * fx / kWidth);
            }
            return wood;
        }
        // Striped wallpaper with small diamonds, lit from the lamp on the left.
        // The paper has faded unevenly: its green drifts towards blue up high and to the right.
        // Pattern repeats that do not divide the puzzle's tiles keep neighbouring tiles apart.
        const float stripe = Fract(fx / 41);
        const float drift = 0.45f + 0.08f * (fx / kWidth) - 0.06f * (fy / floorY) +
                            0.04f * noise.At(fx / 150, fy / 150);
        Col wall = stripe < 0.55f ? Hsv(drift, 0.58f, 0.55f) : Hsv(drift + 0.01f, 0.6f, 0.42f);
        const float dx = Fract(fx / 41 + 0.225f) - 0.5f,
                    dy = Fract(fy / 33 + (int(fx / 41) % 2) * 0.5f) - 0.5f;
        if (std::abs(dx) * 2 + std::abs(dy) < 0.22f)
            wall = Hex(0xe8c878);
        const float lamp = std::exp(-Length(fx - 70, fy - 120) / 220);
        wall = wall * (0.45f + 0.9f * lamp) * (0.9f + 0.15f * noise.Fbm(fx / 60, fy / 60, 3));
        // The screen throws a violet glow on the wall around the set.
        wall = wall + Hex(0x302058) * std::exp(-Length(fx - 300, (fy - 170) * 1.4f) / 150);
        return wall * (0.8f + 0.25f * fy / floorY);
    });
    Painter p(&image);
    // Skirting board.
    p.setBrush(LinearGradient({0, floorY - 14}, {0, floorY}, {0xe8d8b8, 0x8a7a5a}));
    p.drawRect(QRectF(0, floorY - 14, 600, 14));
    // A small oval portrait of someone's grandmother between the lamp and the set.
    const QPointF portrait(148, 168);
    p.setBrush(LinearGradient(portrait - QPointF(15, 0), portrait + QPointF(15, 0),
                              {0x8a6a2a, 0xe8c878, 0x7a5a20}));
    p.drawEllipse(portrait, 15, 20);
    p.setBrush(RadialGradient(portrait - QPointF(3, 5), 18, {{0, Q(0xe8d8b0)}, {1, Q(0x9a8060)}}));
    p.drawEllipse(portrait, 11, 16);
    p.setBrush(Q(0x4a3a2a));
    p.drawEllipse(portrait + QPointF(0, -4), 4.5, 5.5);
    p.drawChord(QRectF(portrait.x() - 9, portrait.y() + 3, 18, 16), 0, 180 * 16);
    // Floor lamp with a glowing shade.
    Glow(p, {70, 110}, 150, Hex(0xffd080), 0.45f);
    p.setBrush(Q(0x3a2a1a));
    p.drawRect(QRectF(66, 120, 8, 180));
    p.drawEllipse(QPointF(70, 300), 28, 7);
    QPainterPath shade;
    shade.moveTo(40, 70);
    shade.lineTo(100, 70);
    shade.lineTo(120, 125);
    shade.lineTo(20, 125);
    shade.closeSubpath();
    p.setBrush(LinearGradient({20, 0}, {120, 0}, {0xe8b860, 0xfff0c0, 0xd8a050}));
    p.drawPath(shade);
    // The set: wooden cabinet on splayed legs.
    const QRectF cabinet(175, 70, 280, 200);
    p.setPen(QPen(Q(0x2a1a0a), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(200, 268), QPointF(185, 305));
    p.drawLine(QPointF(430, 268), QPointF(445, 305));
    p.setPen(Qt::NoPen);
    QImage grain = NewCanvas();
    Shade(grain, [&](int x, int y) {
        const float rings = std::sin(x / 4.0f + 6 * noise.Fbm(x / 90.0f, y / 30.0f, 3));
        return Mix(Hex(0x5a3010), Hex(0xa86a38),
                   0.5f + 0.3f * rings + 0.1f * noise.At(x / 5.0f, y / 40.0f)) *
               (0.8f + 0.3f * (y - 70) / 200.0f);
    });
    p.setBrush(QBrush(grain));
    p.drawRoundedRect(cabinet, 18, 18);
    const QRectF screen(195, 88, 190, 160);
    p.setBrush(Q(0x1a1a1e));
    p.drawRoundedRect(screen.adjusted(-8, -8, 8, 8), 26, 26);
    p.end();
    SunsetScreen(image, screen.adjusted(6, 6, -6, -6), noise);
    Painter q(&image);
    QPainterPath bezel;
    bezel.addRoundedRect(screen.adjusted(-8, -8, 8, 8), 26, 26);
    QPainterPath glass;
    glass.addRoundedRect(screen.adjusted(6, 6, -6, -6), 30, 30);
    q.setBrush(Q(0x1a1a1e));
    q.drawPath(bezel.subtracted(glass));
    q.setBrush(RadialGradient({250, 120}, 120, {{0, Q(0xffffff, 0.25f)}, {1, Q(0xffffff, 0.0f)}}));
    q.drawPath(glass);
    // Control panel: dials and a speaker grille.
    for (int k = 0; k < 2; ++k) {
        const QPointF dial(420, 115 + k * 50);
        q.setBrush(RadialGradient(dial - QPointF(5, 5), 20, {{0, Q(0xf0e0c0)}, {1, Q(0x6a5a40)}}));
        q.drawEllipse(dial, 16, 16);
        q.setPen(QPen(Q(0x2a1a0a), 2));
        q.drawLine(dial, dial + QPointF(std::cos(k * 2.0f + 0.5f), std::sin(k * 2.0f + 0.5f)) * 12);
        q.setPen(Qt::NoPen);
    }
    q.setBrush(Q(0x2a1a0a));
    for (int k = 0; k < 7; ++k)
        q.drawRoundedRect(QRectF(402, 200 + k * 8, 36, 4), 2, 2);
    // Rabbit-ear antenna.
    q.setBrush(Q(0x2a2a2e));
    q.drawEllipse(QPointF(315, 70), 26, 10);
    q.setPen(QPen(Q(0xc8c8d0), 2.5, Qt::SolidLine, Qt::RoundCap));
    q.drawLine(QPointF(308, 64), QPointF(240, 5));
    q.drawLine(QPointF(322, 64), QPointF(400, 12));
    q.setPen(Qt::NoPen);
    q.setBrush(Q(0xd8d8e0));
    q.drawEllipse(QPointF(240, 5), 4, 4);
    q.drawEllipse(QPointF(400, 12), 4, 4);
    // A framed landscape and a wall clock.
    const QRectF frame(478, 28, 100, 74);
    q.setBrush(LinearGradient(frame.topLeft(), frame.bottomRight(), {0xe8c060, 0x8a6020}));
    q.drawRect(frame);
    const QRectF canvas = frame.adjusted(8, 8, -8, -8);
    q.setBrush(LinearGradient(canvas.topLeft(), canvas.bottomLeft(), {0x8ac8f0, 0xf0e0b0}));
    q.drawRect(canvas);
    QPainterPath hills;
    hills.moveTo(canvas.bottomLeft());
    hills.lineTo(canvas.left(), canvas.top() + 34);
    hills.quadTo(canvas.left() + 30, canvas.top() + 14, canvas.left() + 50, canvas.top() + 32);
    hills.quadTo(canvas.left() + 70, canvas.top() + 20, canvas.right(), canvas.top() + 36);
    hills.lineTo(canvas.bottomRight());
    hills.closeSubpath();
    q.setBrush(LinearGradient(canvas.topLeft(), canvas.bottomRight(), {0x5aa04a, 0x2a6a3a}));
    q.drawPath(hills);
    q.setBrush(Q(0xfff4c0));
    q.drawEllipse(canvas.topRight() + QPointF(-18, 14), 6, 6);
    const QPointF clock(150, 40);
    q.setBrush(
        LinearGradient(clock - QPointF(24, 24), clock + QPointF(24, 24), {0xe8c060, 0x8a6020}));
    q.drawEllipse(clock, 24, 24);
    q.setBrush(Q(0xf8f4e8));
    q.drawEllipse(clock, 19, 19);
    q.setPen(QPen(Q(0x2a1a0a), 2.5, Qt::SolidLine, Qt::RoundCap));
    q.drawLine(clock, clock + QPointF(9, -6));
    q.drawLine(clock, clock + QPointF(-2, -14));
    q.setPen(QPen(Q(0x2a1a0a), 1.5));
    for (int k = 0; k < 12; ++k) {
        const float a = k * kPi / 6;
        q.drawLine(clock + QPointF(std::cos(a), std::sin(a)) * 15,
                   clock + QPointF(std::cos(a), std::sin(a)) * 18);
    }
    q.setPen(Qt::NoPen);
    // A wall shelf with books and a vase.
    q.setBrush(LinearGradient({470, 140}, {470, 148}, {0xc08a50, 0x6a4220}));
    q.drawRect(QRectF(468, 140, 128, 8));
    Rng shelf(4305);
    for (float bx = 472; bx < 540;) {
        const float w = shelf.Uniform(6, 11), h = shelf.Uniform(22, 34);
        const float value = shelf.Uniform(0.45f, 0.85f), hue = shelf.Uniform(0, 1);
        const Col spine = Hsv(hue, 0.55f, value);
        q.setBrush(
            LinearGradient({bx, 0}, {bx + w, 0},
                           {ToRgb(spine * 1.2f) & 0xffffff, ToRgb(spine * 0.7f) & 0xffffff}));
        q.drawRect(QRectF(bx, 140 - h, w - 1, h));
        q.setBrush(Q(0xe8d090, 0.8f));
        q.drawRect(QRectF(bx + 1, 140 - h + 5, w - 3, 2));
        bx += w;
    }
    q.setBrush(RadialGradient({570, 118}, 20, {{0, Q(0x9ad0f0)}, {1, Q(0x2a5a8a)}}));
    q.drawEllipse(QPointF(572, 126), 12, 14);
    q.drawRect(QRectF(567, 104, 10, 12));
    // Potted plant on the right.
    Rng rng(4302);
    for (int k = 0; k < 11; ++k) {
        const float a = -kPi / 2 + rng.Uniform(-1.1f, 1.1f), len = rng.Uniform(60, 110);
        const QPointF base(535, 235);
        const QPointF tip = base + QPointF(std::cos(a), std::sin(a)) * len;
        QPainterPath leaf;
        leaf.moveTo(base);
        leaf.quadTo((base + tip) / 2 + QPointF(14, 0), tip);
        leaf.quadTo((base + tip) / 2 + QPointF(-14, 0), base);
        q.setBrush(LinearGradient(base, tip, {0x1a5a2a, 0x5aaa4a}));
        q.drawPath(leaf);
    }
    QPainterPath pot;
    pot.moveTo(505, 235);
    pot.lineTo(565, 235);
    pot.lineTo(555, 300);
    pot.lineTo(515, 300);
    pot.closeSubpath();
    q.setBrush(LinearGradient({505, 0}, {565, 0}, {0xb04a2a, 0xe8805a, 0x8a3a1a}));
    q.drawPath(pot);
    // A cat asleep on the rug.
    q.setBrush(Q(0x2a2a30));
    q.drawEllipse(QPointF(120, 338), 40, 16);
    q.drawEllipse(QPointF(88, 330), 14, 12);
    QPainterPath ears;
    ears.moveTo(78, 322);
    ears.lineTo(80, 310);
    ears.lineTo(88, 320);
    ears.lineTo(95, 310);
    ears.lineTo(98, 322);
    q.drawPath(ears);
    q.setPen(QPen(Q(0x2a2a30), 6, Qt::SolidLine, Qt::RoundCap));
    q.setBrush(Qt::NoBrush);
    QPainterPath tail;
    tail.moveTo(158, 340);
    tail.quadTo(180, 350, 165, 360);
    q.drawPath(tail);
    q.end();
    Finish(image);
    return image;
}

// Nine channels on a wall of sets; each screen has its own programme.
QImage ChannelSurfing() {
    QImage image = NewCanvas();
    const Noise noise(4401);
    struct Screen {
        QRectF rect;
        int programme;
    };
    std::vector<Screen> screens;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            screens.push_back({QRectF(14 + col * 196, 12 + row * 121, 180, 108), row * 3 + col});
    auto programme = [&](int which, float u, float v, int x, int y) -> Col {
        switch (which) {
        case 0: { // Colour bars.
            const std::uint32_t bars[] = {0xc0c0c0, 0xc0c000, 0x00c0c0, 0x00c000,
                                          0xc000c0, 0xc00000, 0x0000c0};
            if (v < 0.7f)
                return Hex(bars[std::clamp(static_cast<int>(u * 7), 0, 6)]) * (0.85f + 0.2f * v);
            return Col{u, u, u} * (v < 0.85f ? 1.0f : 0.3f);
        }
        case 1: { // Ocean waves.
            const float wave = 0.55f + 0.08f * std::sin(u * 20) + 0.05f * noise.At(u * 8, 1);
            if (v < wave)
                return Mix(Hex(0x70c0ff), Hex(0xe0f4ff), v / wave);
            return Mix(Hex(0x1a6ab0), Hex(0x0a2a5a), (v - wave) * 2) *
                   (0.8f + 0.3f * noise.At(u * 30, v * 15));
        }
        case 2: { // Starry night and crescent.
            Col c = Mix(Hex(0x0a0a30), Hex(0x3a2a6a), v);
            if (Hash01(x, y, 4402) > 0.98f)
                c = Col{1, 1, 0.9f};
            const float d1 = Length(u - 0.7f, (v - 0.35f) * 0.6f),
                        d2 = Length(u - 0.74f, (v - 0.3f) * 0.6f);
            if (d1 < 0.12f && d2 > 0.11f)
                c = Hex(0xfff0b0);
            // Dark hills below, and a cottage with its light on.
            if (v > 0.74f + 0.07f * std::sin(u * 7 + 1) + 0.03f * std::sin(u * 19))
                c = Mix(Hex(0x141a3a), Hex(0x0a0c1a), u);
            const float roof = (v - 0.61f) / 0.09f;
            if (roof > 0 && roof < 1 && std::abs(u - 0.3f) < 0.075f * roof)
                c = Hex(0x7a3a48);
            if (std::abs(u - 0.3f) < 0.06f && v > 0.7f && v < 0.86f)
                c = std::abs(u - 0.31f) < 0.02f && std::abs(v - 0.78f) < 0.03f ? Hex(0xffd060)
                                                                               : Hex(0x2a2440);
            return c;
        }
        case 3: { // Cartoon face.
            Col c = Hex(0x60d0a0) * (0.8f + 0.3f * v);
            const float face = Length(u - 0.5f, (v - 0.5f) * 0.6f);
            if (face < 0.25f)
                c = Hex(0xffd040);
            const float eyes = std::min(Length(u - 0.42f, (v - 0.42f) * 0.6f),
                                        Length(u - 0.58f, (v - 0.42f) * 0.6f));
            if (eyes < 0.03f)
                c = Hex(0x202020);
            if (std::abs(face - 0.14f) < 0.015f && v > 0.55f)
                c = Hex(0x202020);
            return c;
        }
        case 4: { // Plasma.
            const float a = std::sin(u * 12 + std::sin(v * 9)) + std::sin(v * 10 - u * 4) +
                            std::sin(Length(u - 0.5f, v - 0.5f) * 20);
            return Hsv(a * 0.15f + 0.5f, 0.8f, 0.9f);
        }
        case 5: { // City at dusk.
            Col c = Mix(Hex(0xff7a4a), Hex(0x4a2a6a), 1 - v);
            const float building = 0.5f + 0.3f * Hash01(static_cast<int>(u * 12), 0, 4403);
            if (v > building) {
                c = Hex(0x1a1428);
                if (Hash01(static_cast<int>(u * 60), static_cast<int>(v * 30), 4404) > 0.7f)
                    c = Hex(0xffd070);
            }
            return c;
        }
        case 6: { // Football pitch.
            Col c = (static_cast<int>(u * 10) % 2) ? Hex(0x2a9a3a) : Hex(0x3aaa4a);
            c = c * (0.8f + 0.3f * v);
            if (std::abs(u - 0.5f) < 0.006f ||
                std::abs(Length(u - 0.5f, (v - 0.5f) * 0.6f) - 0.12f) < 0.006f)
                c = Col{0.95f, 0.95f, 0.95f};
            if (Length(u - 0.3f, (v - 0.6f) * 0.6f) < 0.02f)
                c = Col{1, 1, 1};
            return c;
        }
        case 7: { // Rainbow stripes.
            return Hsv(v * 0.8f + u * 0.1f, 0.75f, 0.95f) * (0.85f + 0.15f * std::sin(u * 30));
        }
        default: { // Countdown leader.
            const float d = Length(u - 0.5f, (v - 0.5f) * 0.6f);
            const float angle = std::atan2(v - 0.5f, u - 0.5f);
            Col c = Hex(0x8a8a80) * (0.8f + 0.2f * v);
            if (angle > 0.8f && d < 0.3f)
                c = Hex(0xb8b8a8);
            if (std::abs(d - 0.2f) < 0.008f || std::abs(d - 0.26f) < 0.008f ||
                std::abs(u - 0.5f) < 0.004f || std::abs(v - 0.5f) < 0.007f)
                c = Hex(0x202020);
            return c;
        }
        }
    };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        for (const Screen& s : screens) {
            const QRectF glass = s.rect.adjusted(12, 10, -30, -10);
            if (glass.contains(fx, fy)) {
                const float u = (fx - glass.left()) / glass.width(),
                            v = (fy - glass.top()) / glass.height();
                Col c = programme(s.programme, u, v, x, y);
                const float corner = std::pow(Length(u - 0.5f, v - 0.5f) * 1.35f, 4.0f);
                return c * (0.85f + 0.15f * (y % 2)) * (1 - 0.6f * corner) +
                       Col{0.1f, 0.1f, 0.12f} * (1 - v) * 0.5f;
            }
        }
        // Cabinets: each a different plastic, shaded top to bottom.
        int which = -1;
        for (const Screen& s : screens)
            if (s.rect.contains(fx, fy))
                which = s.programme;
        if (which >= 0) {
            const QRectF& r = screens[which].rect;
            const float v = (fy - r.top()) / r.height();
            const float u = (fx - r.left()) / r.width();
            Col plastic =
                Hsv(0.05f + which * 0.11f, 0.5f, 0.6f) * (1.15f - 0.45f * v) * (0.85f + 0.3f * u);
            // Every other set in a wood-grain case.
            if (which % 2 == 1)
                plastic =
                    Mix(plastic,
                        Hex(0x8a5a30) *
                            (0.8f + 0.25f * std::sin(fy / 2.5f + 5 * noise.At(fx / 40, fy / 20))),
                        0.6f);
            if (fx > r.right() - 24) {
                const float knob = std::min(Length(fx - (r.right() - 12), fy - (r.top() + 28)),
                                            Length(fx - (r.right() - 12), fy - (r.top() + 58)));
                if (knob < 6)
                    plastic = Hex(0xd8d0c0) * (1 - knob / 12);
                else if (fy > r.top() + 74 && static_cast<int>(fy) % 5 < 2)
                    plastic = plastic * 0.6f;
            }
            return plastic * (0.9f + 0.1f * noise.At(fx / 10, fy / 10));
        }
        return Mix(Hex(0x1a1420), Hex(0x2a2030), fy / kHeight) *
               (0.8f + 0.3f * noise.Fbm(fx / 40, fy / 40, 3));
    });
    Painter p(&image);
    // Gloss on each tube.
    for (const Screen& s : screens) {
        const QRectF glass = s.rect.adjusted(12, 10, -30, -10);
        p.setBrush(RadialGradient(glass.topLeft() + QPointF(30, 15), 70,
                                  {{0, Q(0xffffff, 0.2f)}, {1, Q(0xffffff, 0.0f)}}));
        p.drawRoundedRect(glass, 12, 12);
        Glow(p, s.rect.bottomRight() - QPointF(12, 12), 5, Hex(0xff4040), 0.9f);
        // Maker's badge under the tube and vents along the top.
        p.setBrush(LinearGradient(QPointF(glass.center().x() - 14, 0),
                                  QPointF(glass.center().x() + 14, 0),
                                  {0x9a9aa8, 0xf0f0f8, 0x7a7a88}));
        p.drawRoundedRect(QRectF(glass.center().x() - 14, glass.bottom() + 2, 28, 6), 2, 2);
        p.setBrush(Q(0x000000, 0.35f));
        for (int v = 0; v < 6; ++v)
            p.drawRect(QRectF(s.rect.left() + 14 + v * 9, s.rect.top() + 3, 5, 4));
    }
    p.end();
    Finish(image, 0.6f);
    return image;
}

// Draws 0..9 as lit segments in a 10 x 18 cell.
void SevenSegment(QPainter& p, QPointF at, int digit, Col colour) {
    static constexpr std::uint8_t kSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66,
                                                   0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    const QRectF bars[7] = {{1, 0, 8, 2.5f},  {8, 1, 2.5f, 8},     {8, 9, 2.5f, 8},
                            {1, 16, 8, 2.5f}, {-0.5f, 9, 2.5f, 8}, {-0.5f, 1, 2.5f, 8},
                            {1, 8, 8, 2.5f}};
    for (int segment = 0; segment < 7; ++segment) {
        const bool lit = kSegments[digit] & (1 << segment);
        p.setBrush(Q(colour, lit ? 1.0f : 0.12f));
        p.drawRect(bars[segment].translated(at));
    }
}

QImage GameShowStage() {
    QImage image = NewCanvas();
    const Noise noise(4501);
    const QPointF wheel(300, 150);
    const float floorY = 285;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy > floorY) {
            // Glossy floor with a coloured grid.
            const float d = (fy - floorY) / (kHeight - floorY);
            const float u = (fx - 300) / (0.3f + d);
            const float grid =
                std::min(std::abs(Fract(u / 60) - 0.5f), std::abs(Fract(d * 6) - 0.5f));
            Col c = Mix(Hex(0x1a0a3a), Hex(0x3a1a6a), d) *
                    (0.8f + 0.3f * noise.Fbm(fx / 50, fy / 10, 3));
            c = Mix(c, Hsv(0.8f + u / 2000, 0.7f, 0.9f),
                    SmoothStep(0.46f, 0.5f, 0.5f - grid + 0.46f) * 0.5f);
            return c;
        }
        // Sunburst backdrop behind the wheel.
        const float angle = std::atan2(fy - wheel.y(), fx - wheel.x());
        const float ray = Fract(angle / (2 * kPi) * 24);
        const float dist = Length(fx - wheel.x(), fy - wheel.y());
        Col c = ray < 0.5f ? Hsv(0.75f + angle / 12 + dist / 2000, 0.7f, 0.55f)
                           : Hsv(0.92f + angle / 12, 0.75f, 0.4f);
        c = c * (0.45f + 0.8f * std::exp(-dist / 220));
        return c * (0.9f + 0.15f * noise.Fbm(fx / 40, fy / 40, 3));
    });
    Painter p(&image);
    // Spotlight cans in the top corners sweeping beams across the set.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int side = 0; side < 2; ++side) {
        const QPointF can(side ? 585 : 15, 12);
        QPainterPath beam;
        beam.moveTo(can);
        beam.lineTo(side ? QPointF(330, 380) : QPointF(180, 380));
        beam.lineTo(side ? QPointF(420, 380) : QPointF(270, 380));
        beam.closeSubpath();
        QLinearGradient fade(can, QPointF(300, 380));
        fade.setColorAt(0, Q(side ? 0x50a0a0 : 0xa0a050));
        fade.setColorAt(1, Q(0x000000));
        p.setBrush(fade);
        p.drawPath(beam);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (int side = 0; side < 2; ++side) {
        const QPointF can(side ? 585 : 15, 12);
        p.setBrush(Q(0x1a1a20));
        p.drawEllipse(can, 18, 14);
        Glow(p, can + QPointF(side ? -6 : 6, 8), 22, side ? Hex(0x80ffff) : Hex(0xffff80), 0.9f);
    }
    // Arch of marquee bulbs.
    for (int k = 0; k <= 40; ++k) {
        const float a = kPi + k * kPi / 40;
        const QPointF bulb = wheel + QPointF(std::cos(a) * 270, std::sin(a) * 140 + 110);
        Glow(p, bulb, 10, Hsv(k * 0.07f, 0.4f, 1.0f), 0.8f);
        p.setBrush(Q(0xfff8e0));
        p.drawEllipse(bulb, 2.5, 2.5);
    }
    // The prize wheel.
    const float r = 108;
    p.setBrush(Q(0x2a1a0a));
    p.drawEllipse(wheel, r + 10, r + 10);
    const int segments = 16;
    for (int k = 0; k < segments; ++k) {
        const Col colour = Hsv(k / float(segments), 0.75f, 0.95f);
        p.setBrush(RadialGradient(
            wheel, r, {{0, Q(Mix(colour, Col{1, 1, 1}, 0.5f))}, {1, Q(colour * 0.8f)}}));
        p.drawPie(QRectF(wheel.x() - r, wheel.y() - r, 2 * r, 2 * r),
                  k * 360 * 16 / segments + 5 * 16, 360 * 16 / segments);
        const float a = -(k + 0.5f) * 2 * kPi / segments - 5 * kPi / 180;
        p.setBrush(Q(0xffffff, 0.8f));
        for (int dot = 0; dot <= k % 4; ++dot)
            p.drawEllipse(wheel + QPointF(std::cos(a), std::sin(a)) * (r * 0.82f - dot * 13), 3.5,
                          3.5);
    }
    p.setBrush(Q(0xe8c040));
    for (int k = 0; k < segments; ++k) {
        const float a = k * 2 * kPi / segments;
        p.drawEllipse(wheel + QPointF(std::cos(a), std::sin(a)) * (r + 4), 3, 3);
    }
    p.setBrush(RadialGradient(wheel - QPointF(6, 6), 24, {{0, Q(0xfff0a0)}, {1, Q(0xb08020)}}));
    p.drawEllipse(wheel, 20, 20);
    QPainterPath pointer;
    pointer.moveTo(wheel + QPointF(0, -r + 14));
    pointer.lineTo(wheel + QPointF(-12, -r - 18));
    pointer.lineTo(wheel + QPointF(12, -r - 18));
    pointer.closeSubpath();
    p.setBrush(Q(0xf0f0f0));
    p.drawPath(pointer);
    // Three contestant podiums with lit fronts.
    for (int k = 0; k < 3; ++k) {
        const float px = 110 + k * 190;
        const Col colour = Hsv(0.55f + k * 0.2f, 0.7f, 1.0f);
        p.setBrush(Q(0x0a0a14, 0.45f));
        p.drawEllipse(QPointF(px, 352), 62, 12);
        QPainterPath podium;
        podium.moveTo(px - 50, 262);
        podium.lineTo(px + 50, 262);
        podium.lineTo(px + 40, 350);
        podium.lineTo(px - 40, 350);
        podium.closeSubpath();
        p.setBrush(LinearGradient({px - 50, 0}, {px + 50, 0},
                                  {ToRgb(colour * 0.5f) & 0xffffff, ToRgb(colour) & 0xffffff,
                                   ToRgb(colour * 0.4f) & 0xffffff}));
        p.drawPath(podium);
        p.setBrush(Q(0x10101a));
        p.drawRoundedRect(QRectF(px - 32, 275, 64, 26), 4, 4);
        // Each contestant's score on a seven-segment display.
        const int scores[] = {250, 175, 300};
        const int digits[] = {scores[k] / 100, scores[k] / 10 % 10, scores[k] % 10};
        for (int digit = 0; digit < 3; ++digit)
            SevenSegment(p, {px - 22 + digit * 18, 279}, digits[digit], Hex(0xff4a2a));
        p.setBrush(LinearGradient({px - 56, 250}, {px + 56, 262}, {0xf0f0f8, 0x9a9ab0}));
        p.drawRect(QRectF(px - 56, 252, 112, 10));
        Glow(p, {px, 320}, 30, colour, 0.5f);
        p.setBrush(Q(0xffe040));
        p.drawEllipse(QPointF(px, 245), 9, 6);
    }
    // Confetti falling from the rig.
    Rng rng(4502);
    for (int k = 0; k < 160; ++k) {
        p.save();
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        p.translate(x, y);
        p.rotate(rng.Uniform(0, 180));
        p.setBrush(Q(Hsv(rng.Uniform(0, 1), 0.7f, 1.0f)));
        p.drawRect(QRectF(-3, -1.5f, 6, 3));
        p.restore();
    }
    p.end();
    Finish(image);
    return image;
}

QImage RainyStreet() {
    QImage image = NewCanvas();
    const Noise noise(4601);
    const float horizon = 200;
    const QPointF vanish(300, horizon);
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        const float t = fy / horizon;
        if (fy < horizon) {
            Col sky = Mix(Mix(Hex(0x0a0e1a), Hex(0x1a1030), fx / kWidth), Hex(0x3a3858), t);
            const float glow = std::exp(-Length(fx - 330, fy - 40) / 120);
            const float cloud = noise.Fbm(fx / 110, fy / 35, 5);
            sky = Mix(sky, Mix(Hex(0x3a3a5a), Hex(0xa0a0c0), glow),
                      SmoothStep(-0.1f, 0.4f, cloud) * 0.8f);
            sky = sky * (0.8f + 0.5f * SmoothStep(0.1f, 0.5f,
                                                  cloud - noise.Fbm(fx / 110, fy / 35 - 0.2f, 5)));
            return sky + Hex(0x606080) * (glow * 0.4f);
        }
        // Wet road: dark asphalt with long reflections of the lights.
        const float d = (fy - horizon) / (kHeight - horizon);
        Col road =
            Mix(Hex(0x1a1c24), Hex(0x0a0c10), d) * (0.85f + 0.3f * noise.Fbm(fx / 30, fy / 6, 3));
        // Puddles mirror the cloudy sky; the far side of the street is lit warmer.
        const float puddle = SmoothStep(0.05f, 0.25f, noise.Fbm(fx / 70, fy / 18, 4));
        road = Mix(road, Hex(0x4a5070) * (0.7f + 0.5f * noise.At(fx / 9, fy / 4)), puddle * 0.7f);
        road = road + Hex(0x201008) * (fx / kWidth);
        const float lane = std::abs(fx - 300) / (0.02f + d) / 300;
        if (lane < 0.03f && Fract(d * 8 + 0.2f / (d + 0.1f)) < 0.5f)
            road = Mix(road, Hex(0xe8e0c0), 0.8f);
        // Pavements past the kerbs, in slabs.
        const float kerb = 12 + 150 * d;
        if (std::abs(fx - 300) > kerb) {
            const float along = 1 / (d + 0.06f), out = (std::abs(fx - 300) - kerb) / (10 + 60 * d);
            const float slab = std::min(std::abs(Fract(along) - 0.5f), std::abs(Fract(out) - 0.5f));
            road = Mix(Hex(0x2a2a34), Hex(0x4a4a58),
                       Hash01(static_cast<int>(along), static_cast<int>(out), 4604)) *
                   (0.6f + 0.4f * SmoothStep(0.42f, 0.38f, 0.5f - slab + 0.38f)) *
                   (0.8f + 0.3f * d);
        }
        // Neon and lamplight smeared across the wet ground.
        const float pink = std::exp(-std::pow((fx - 80) / 25, 2.0f)),
                    cyan = std::exp(-std::pow((fx - 525) / 40, 2.0f));
        const float shimmer = 0.5f + 0.5f * noise.At(fx / 6, fy / 2);
        road = road + Hex(0xff3a9a) * (pink * shimmer * 0.35f) +
               Hex(0x3af0ff) * (cyan * shimmer * 0.3f);
        return road;
    });
    Painter p(&image);
    Rng rng(4602);
    // Buildings receding on both sides: their edges run to the vanishing point.
    for (int side = 0; side < 2; ++side) {
        auto mirror = [&](float x) { return side ? kWidth - x : x; };
        auto curb = [&](float x) { return horizon + 175 * (vanish.x() - x) / vanish.x(); };
        float xa = -10;
        for (int k = 0; k < 7 && xa < 255; ++k) {
            const float width = (260 - xa) * rng.Uniform(0.25f, 0.4f);
            const float xb = std::min(255.0f, xa + width);
            const float rise = rng.Uniform(150, 300);
            auto top = [&](float x) { return horizon - rise * (vanish.x() - x) / vanish.x(); };
            auto at = [&](float u, float v) {
                const float x = xa + (xb - xa) * u;
                return QPointF(mirror(x), top(x) + (curb(x) - top(x)) * v);
            };
            const Col wall = Hsv(rng.Uniform(0.55f, 0.8f), 0.35f, 0.16f + 0.06f * k);
            QPolygonF facade;
            facade << at(0, 0) << at(1, 0) << at(1, 1) << at(0, 1);
            p.setBrush(
                LinearGradient(at(0, 0), at(0, 1),
                               {ToRgb(wall * 1.4f) & 0xffffff, ToRgb(wall * 0.6f) & 0xffffff}));
            p.drawPolygon(facade);
            const int cols = 3, rows = 9;
            for (int row = 0; row < rows - 2; ++row)
                for (int col = 0; col < cols; ++col) {
                    if (!rng.Chance(0.5f))
                        continue;
                    const float u0 = (col + 0.25f) / cols, u1 = (col + 0.7f) / cols;
                    const float v0 = (row + 0.3f) / rows, v1 = (row + 0.75f) / rows;
                    QPolygonF pane;
                    pane << at(u0, v0) << at(u1, v0) << at(u1, v1) << at(u0, v1);
                    const float alpha = rng.Uniform(0.5f, 1.0f);
                    p.setBrush(Q(rng.Chance(0.7f) ? 0xffd080 : 0x90d0ff, alpha));
                    p.drawPolygon(pane);
                }
            // A lit shop front at street level, under a striped awning.
            QPolygonF shop;
            shop << at(0.08f, 0.8f) << at(0.92f, 0.8f) << at(0.92f, 0.97f) << at(0.08f, 0.97f);
            const Col glow = Hsv(rng.Uniform(0.05f, 0.6f), 0.55f, 0.75f);
            p.setBrush(LinearGradient(at(0.5f, 0.8f), at(0.5f, 0.97f),
                                      {ToRgb(glow) & 0xffffff, ToRgb(glow * 0.4f) & 0xffffff}));
            p.drawPolygon(shop);
            p.setPen(QPen(Q(wall * 0.8f), 1.2));
            for (float u = 0.3f; u < 0.9f; u += 0.22f)
                p.drawLine(at(u, 0.8f), at(u, 0.97f));
            p.setPen(Qt::NoPen);
            for (int stripe = 0; stripe < 6; ++stripe) {
                QPolygonF awning;
                const float u0 = 0.05f + stripe * 0.15f, u1 = u0 + 0.15f;
                awning << at(u0, 0.74f) << at(u1, 0.74f) << at(u1, 0.79f) << at(u0, 0.79f);
                p.setBrush(Q(stripe % 2 ? wall * 3.0f : glow * 0.8f));
                p.drawPolygon(awning);
            }
            xa = xb;
        }
    }
    // Neon signs: simple glowing shapes, no lettering.
    auto neon = [&](QPainterPath shape, Col colour) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Q(colour, 0.3f), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
        p.setPen(QPen(Q(Mix(colour, Col{1, 1, 1}, 0.6f)), 2.5, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(shape);
        p.setPen(Qt::NoPen);
    };
    QPainterPath martini;
    martini.moveTo(60, 110);
    martini.lineTo(100, 110);
    martini.lineTo(80, 135);
    martini.closeSubpath();
    martini.moveTo(80, 135);
    martini.lineTo(80, 155);
    martini.moveTo(70, 155);
    martini.lineTo(90, 155);
    neon(martini, Hex(0xff3a9a));
    QPainterPath arrow;
    arrow.moveTo(480, 90);
    arrow.lineTo(550, 90);
    arrow.lineTo(550, 80);
    arrow.lineTo(570, 100);
    arrow.lineTo(550, 120);
    arrow.lineTo(550, 110);
    arrow.lineTo(480, 110);
    arrow.closeSubpath();
    neon(arrow, Hex(0x3af0ff));
    QPainterPath star = Star({520, 165}, 16, 7, 5, 0);
    neon(star, Hex(0xffe04a));
    // A clock tower at the far end of the street, its face lit.
    p.setBrush(Q(0x12121c));
    p.drawRect(QRectF(276, 112, 18, 90));
    QPainterPath spire;
    spire.moveTo(274, 113);
    spire.lineTo(285, 86);
    spire.lineTo(296, 113);
    spire.closeSubpath();
    p.drawPath(spire);
    Glow(p, {285, 128}, 22, Hex(0xffe0a0), 0.5f);
    p.setBrush(Q(0xfff0c8));
    p.drawEllipse(QPointF(285, 128), 6, 6);
    p.setPen(QPen(Q(0x12121c), 1.2));
    p.drawLine(QPointF(285, 128), QPointF(285, 124));
    p.drawLine(QPointF(285, 128), QPointF(288, 129));
    p.setPen(Qt::NoPen);
    // A manhole cover shining in the wet.
    p.setBrush(Q(0x2a2c36));
    p.drawEllipse(QPointF(205, 352), 26, 7);
    p.setPen(QPen(Q(0x6a6e80), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(205, 352), 20, 5);
    for (int k = -2; k <= 2; ++k)
        p.drawLine(QPointF(205 + k * 7 - 3, 348), QPointF(205 + k * 7 + 3, 356));
    p.setPen(Qt::NoPen);
    // Street lamps with haloes.
    for (int k = 0; k < 4; ++k) {
        const float near = 1 - k / 4.0f;
        const float lx = 300 - (60 + near * 170), ly = horizon - 20 - near * 110;
        const float baseY = horizon + near * 95;
        p.setPen(QPen(Q(0x0a0a10), 1.5f + near * 3));
        p.drawLine(QPointF(lx, ly), QPointF(lx, baseY));
        p.setPen(Qt::NoPen);
        Glow(p, {lx, ly}, 20 + near * 50, Hex(0xffc870), 0.8f);
        p.setBrush(Q(0xfff0c0));
        p.drawEllipse(QPointF(lx, ly), 2 + near * 4, 2 + near * 4);
        // Its reflection shimmering on the wet road.
        QLinearGradient streak(QPointF(0, baseY), QPointF(0, kHeight));
        streak.setColorAt(0, Q(0xffc870, 0.45f * near + 0.1f));
        streak.setColorAt(1, Q(0xffc870, 0.0f));
        p.setBrush(streak);
        p.drawRect(QRectF(lx - 3 - near * 6, baseY, 6 + near * 12, kHeight - baseY));
    }
    // A car's tail lights and headlights far down the street.
    p.setBrush(Q(0x0a0a10));
    p.drawRoundedRect(QRectF(262, 212, 76, 26), 8, 8);
    p.drawRoundedRect(QRectF(275, 200, 50, 16), 6, 6);
    Glow(p, {270, 225}, 16, Hex(0xff2020), 0.9f);
    Glow(p, {330, 225}, 16, Hex(0xff2020), 0.9f);
    p.setBrush(Q(0xff2020, 0.35f));
    p.drawRect(QRectF(265, 238, 10, 137));
    p.drawRect(QRectF(325, 238, 10, 137));
    // A figure in a trench coat under an umbrella.
    const QPointF man(430, 330);
    p.setBrush(Q(0x06060a));
    QPainterPath coat;
    coat.moveTo(man + QPointF(-14, -70));
    coat.lineTo(man + QPointF(14, -70));
    coat.lineTo(man + QPointF(20, 0));
    coat.lineTo(man + QPointF(-20, 0));
    coat.closeSubpath();
    p.drawPath(coat);
    p.drawEllipse(man + QPointF(0, -80), 9, 10);
    p.drawRect(QRectF(man.x() - 16, man.y() - 92, 32, 4));
    p.drawRect(QRectF(man.x() - 9, man.y() - 104, 18, 14));
    p.drawChord(QRectF(man.x() - 50, man.y() - 150, 100, 60), 0, 180 * 16);
    p.setPen(QPen(Q(0x06060a), 2));
    p.drawLine(man + QPointF(0, -120), man + QPointF(0, -60));
    p.setPen(Qt::NoPen);
    // Rain.
    p.setPen(QPen(Q(0xb0c0e0, 0.35f), 1));
    for (int k = 0; k < 500; ++k) {
        const float y = rng.Uniform(-10, 380), x = rng.Uniform(-10, 610);
        const QPointF at(x, y);
        const float len = rng.Uniform(6, 16);
        p.drawLine(at, at + QPointF(-len * 0.15f, len));
    }
    p.end();
    Finish(image);
    return image;
}

constexpr Artwork kTv[] = {
    {"Test card", TestCard},
    {"Weather map", WeatherMap},
    {"Retro TV set", RetroTvSet},
    {"Channel surfing", ChannelSurfing},
    {"Game show stage", GameShowStage},
    {"Detective's rainy street", RainyStreet},
};

} // namespace

std::span<const Artwork> TvArtworks() {
    return kTv;
}

} // namespace art
