// Movies: cinematic scenes with dramatic light.

#include "samples/ArtKit.h"
#include "samples/Gallery.h"

#include <tuple>
#include <vector>

namespace art {
namespace {

// Deep space behind the space pictures: nebula clouds and stars of many sizes.
Col SpaceBackdrop(const Noise& noise, int x, int y, std::uint32_t seed, Col tintA, Col tintB) {
    const float fx = x, fy = y;
    const float warp = noise.At(fx / 150, fy / 150) * 1.5f;
    const float cloud = noise.Fbm(fx / 140 + warp, fy / 110 - warp, 5);
    const float dust = noise.Fbm(fx / 40 + 3, fy / 40 - 2, 3);
    Col c = Mix(Mix(Hex(0x03040c), Hex(0x0a0618), fx / kWidth), Hex(0x0c1028), fy / kHeight);
    c = c + tintA * (Clamp01(cloud * 1.6f + 0.25f) * (0.6f + 0.8f * dust) * 1.6f);
    c = c + tintB * (Clamp01(-cloud * 1.6f) * 1.8f);
    // Bright filaments where the gas is densest.
    const float filament = std::pow(noise.Ridged(fx / 90 + warp, fy / 70 + 5, 4), 5.0f);
    c = c + Mix(tintA, tintB, Clamp01(0.5f - cloud * 2)) *
                (filament * 2.2f * SmoothStep(-0.4f, 0.2f, cloud));
    // Dark lanes of dust cut through the glow.
    c = c * (0.55f + 0.45f * SmoothStep(-0.35f, 0.1f, dust));
    const float s = Hash01(x, y, seed);
    if (s > 0.993f)
        c = c + Mix(Hex(0xa0c0ff), Hex(0xfff0d0), Hash01(y, x, seed)) * ((s - 0.993f) * 140);
    return c;
}

void BrightStar(QPainter& p, QPointF at, float size, Col colour) {
    Glow(p, at, size * 3, colour, 0.6f);
    p.setPen(QPen(Q(colour, 0.8f), 1));
    p.drawLine(at - QPointF(size * 2.5f, 0), at + QPointF(size * 2.5f, 0));
    p.drawLine(at - QPointF(0, size * 2.5f), at + QPointF(0, size * 2.5f));
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xffffff));
    p.drawEllipse(at, size * 0.5f, size * 0.5f);
}

QImage StarshipOverRingedPlanet() {
    QImage image = NewCanvas();
    const Noise noise(2101);
    const float cx = 210, cy = 330, radius = 185, tilt = -0.28f;
    const float cosT = std::cos(tilt), sinT = std::sin(tilt);
    auto ring = [&](float dx, float dy, float& v) {
        const float u = dx * cosT + dy * sinT;
        v = (-dx * sinT + dy * cosT) / 0.26f;
        const float r = Length(u, v) / radius;
        if (r < 1.25f || r > 2.15f)
            return 0.0f;
        const float bands = 0.55f + 0.45f * std::sin(r * 60) * std::sin(r * 23 + 1);
        const float gap = SmoothStep(0.015f, 0.03f, std::abs(r - 1.72f));
        return bands * gap * SmoothStep(1.25f, 1.3f, r) * SmoothStep(2.15f, 2.05f, r);
    };
    Shade(image, [&](int x, int y) {
        const float dx = x - cx, dy = y - cy;
        Col c = SpaceBackdrop(noise, x, y, 2102, Hex(0x40204a), Hex(0x102a4a));
        float v = 0;
        const float density = ring(dx, dy, v);
        const Col ringColour = Mix(Hex(0xa08a70), Hex(0xf0dcb8), density);
        const float nx = dx / radius, ny = dy / radius, d2 = nx * nx + ny * ny;
        if (d2 < 1) {
            const float nz = std::sqrt(1 - d2);
            const float light = Clamp01(nx * 0.55f - ny * 0.6f + nz * 0.55f);
            const float lat = (-nx * sinT + ny * cosT);
            const float bands = noise.Fbm(lat * 9 + noise.At(nx * 3, ny * 3) * 0.4f, nx * 0.8f, 4);
            Col surface = Mix(Hex(0xb06a3a), Hex(0xf0d0a0), 0.5f + bands);
            surface =
                Mix(surface, Hex(0x7a3a2a), SmoothStep(0.06f, 0.02f, std::abs(lat + 0.35f)) * 0.6f);
            c = surface * (0.08f + 1.05f * light) +
                Hex(0x3050a0) * (SmoothStep(0.6f, 1.0f, std::sqrt(d2)) * 0.25f);
            // The ring in front of the planet.
            if (v > 0 && density > 0)
                c = Mix(c, ringColour * (0.6f + 0.5f * light), density * 0.85f);
            return c;
        }
        if (density > 0)
            c = Mix(c, ringColour * (v < 0 ? 0.75f : 1.0f), density * 0.85f);
        const float halo = std::exp(-(std::sqrt(d2) - 1) * 14);
        return c + Hex(0x4070d0) * (halo * 0.4f);
    });

    Painter p(&image);
    BrightStar(p, {540, 40}, 4, Hex(0xc0d8ff));
    BrightStar(p, {90, 60}, 3, Hex(0xffe0c0));
    BrightStar(p, {360, 25}, 2.5f, Hex(0xffffff));
    // Small moon.
    p.setBrush(RadialGradient({468, 118}, 30, {{0, Q(0xe0e4f0)}, {1, Q(0x40445a)}}));
    p.drawEllipse(QPointF(475, 125), 22, 22);

    // The starship: a long wedge hull with glowing engines.
    p.save();
    p.translate(420, 230);
    p.rotate(-12);
    for (float ey : {-9.0f, 9.0f})
        Glow(p, {-112, ey}, 38, Hex(0x60b0ff), 0.9f);
    QPainterPath hull;
    hull.moveTo(120, 0);
    hull.lineTo(-100, -34);
    hull.lineTo(-112, -20);
    hull.lineTo(-112, 20);
    hull.lineTo(-100, 34);
    hull.closeSubpath();
    p.setBrush(LinearGradient({0, -34}, {0, 34}, {0xe8ecf4, 0x9aa2b8, 0x4a5068}));
    p.drawPath(hull);
    p.setPen(QPen(Q(0x3a4058), 1));
    for (int k = 0; k < 9; ++k) {
        const float px = -90 + k * 22;
        const float half = 34 * (120 - px) / 220;
        p.drawLine(QPointF(px, -half + 2), QPointF(px + 4, half - 2));
    }
    p.drawLine(QPointF(-100, 0), QPointF(118, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(LinearGradient({0, -16}, {0, 4}, {0xc8d0e0, 0x5a6078}));
    QPainterPath bridge;
    bridge.moveTo(-60, -8);
    bridge.lineTo(-40, -22);
    bridge.lineTo(0, -20);
    bridge.lineTo(10, -8);
    bridge.closeSubpath();
    p.drawPath(bridge);
    p.setBrush(Q(0xfff0a0));
    for (int k = 0; k < 8; ++k)
        p.drawRect(QRectF(-40 + k * 6, -16, 3, 2));
    for (int k = 0; k < 14; ++k)
        p.drawRect(QRectF(-80 + k * 13, 6 + (k % 3) * 5, 3, 2));
    p.setBrush(Q(0xd0f0ff));
    p.drawEllipse(QPointF(-110, -9), 5, 7);
    p.drawEllipse(QPointF(-110, 9), 5, 7);
    p.restore();
    p.end();
    Finish(image, 0.8f);
    return image;
}

QImage CitySkylineAtNight() {
    QImage image = NewCanvas();
    const Noise noise(2201);
    const int water = 282;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y, t = fy / water;
        Col c =
            Mix(Mix(Hex(0x040a2a), Hex(0x24124a), fx / kWidth), Hex(0x6a3060), std::pow(t, 1.8f));
        c = Mix(c, Hex(0xf0905a), std::pow(t, 6.0f) * 0.6f);
        c = c + Hex(0x30104a) * (noise.Fbm(fx / 120, fy / 90, 3) * 1.5f);
        // Low clouds lit from below by the city, gathered into banks.
        const float cloud =
            SmoothStep(-0.1f, 0.35f,
                       noise.Fbm(fx / 150, fy / 28, 5) + 0.3f * noise.Fbm(fx / 60 + 3, fy / 40, 2));
        const float under = SmoothStep(
            0.0f, 0.25f, noise.Fbm(fx / 150, fy / 28, 5) - noise.Fbm(fx / 150, fy / 28 + 0.2f, 5));
        c = Mix(c, Mix(Mix(Hex(0x2a2a60), Hex(0xc07a98), t * t), Hex(0xe0a0b0), under * t),
                cloud * 0.8f);
        const float s = Hash01(x, y, 2202);
        if (s > 0.996f && t < 0.6f)
            c = c + Col{1, 1, 1} * ((s - 0.996f) * 150 * (1 - cloud));
        return c;
    });
    Painter p(&image);
    // The two stars bright enough to outshine the city.
    BrightStar(p, {322, 16}, 2.5f, Hex(0xd8e4ff));
    BrightStar(p, {236, 122}, 2, Hex(0xffe8d0));
    Glow(p, {110, 70}, 90, Hex(0xd0d8ff), 0.35f);
    p.setBrush(RadialGradient({104, 64}, 30, {{0, Q(0xffffff)}, {1, Q(0xd8dcf0)}}));
    p.drawEllipse(QPointF(110, 70), 26, 26);
    p.setBrush(Q(0xb8bcd0, 0.5f));
    p.drawEllipse(QPointF(102, 62), 5, 4);
    p.drawEllipse(QPointF(118, 78), 6, 5);

    // Searchlights sweeping the clouds.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const float beams[][2] = {{200, -0.35f}, {420, 0.25f}, {520, -0.1f}};
    for (const auto& b : beams) {
        QPainterPath beam;
        const QPointF from(b[0], water - 60);
        const QPointF dir(std::sin(b[1]), -std::cos(b[1]));
        const QPointF side(dir.y(), -dir.x());
        beam.moveTo(from);
        beam.lineTo(from + dir * 400 + side * 30);
        beam.lineTo(from + dir * 400 - side * 30);
        beam.closeSubpath();
        QLinearGradient fade(from, from + dir * 330);
        fade.setColorAt(0, Q(0x504860));
        fade.setColorAt(1, Q(0x000000));
        p.setBrush(fade);
        p.drawPath(beam);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // A helicopter shining its light down on the towers.
    const QPointF heli(545, 45);
    QPainterPath spot;
    spot.moveTo(heli + QPointF(0, 6));
    spot.lineTo(heli + QPointF(-150, 230));
    spot.lineTo(heli + QPointF(-80, 240));
    spot.closeSubpath();
    QLinearGradient spotFade(heli, heli + QPointF(-110, 235));
    spotFade.setColorAt(0, Q(0xfff8d0, 0.5f));
    spotFade.setColorAt(1, Q(0xfff8d0, 0.0f));
    p.setBrush(spotFade);
    p.drawPath(spot);
    p.setBrush(Q(0x05040c));
    p.drawEllipse(heli, 16, 7);
    p.drawRect(QRectF(heli.x() + 10, heli.y() - 2, 26, 3));
    p.setPen(QPen(Q(0x05040c), 1.5));
    p.drawLine(heli + QPointF(-26, -10), heli + QPointF(26, -10));
    p.drawLine(heli + QPointF(0, -10), heli + QPointF(0, -6));
    p.setPen(Qt::NoPen);
    Glow(p, heli + QPointF(36, -2), 8, Hex(0xff4040), 0.9f);
    Glow(p, heli + QPointF(-8, 6), 10, Hex(0xffffff), 0.9f);
    Rng rng(2203);
    struct Layer {
        float minH, maxH, minW, maxW;
        Col body;
        float lit;
    };
    const Layer layers[] = {{60, 150, 30, 60, Hex(0x2a2450), 0.15f},
                            {50, 190, 26, 55, Hex(0x1a1838), 0.35f},
                            {30, 120, 34, 70, Hex(0x0e0c1e), 0.55f}};
    for (int l = 0; l < 3; ++l) {
        const Layer& layer = layers[l];
        float x = -10;
        while (x < 610) {
            const float w = rng.Uniform(layer.minW, layer.maxW);
            float h = rng.Uniform(layer.minH, layer.maxH);
            if (l == 1 && x > 330 && x < 400)
                h = 230;
            const float top = water - h;
            const Col body = layer.body * rng.Uniform(0.85f, 1.25f);
            p.setBrush(LinearGradient({x, 0}, {x + w, 0},
                                      {ToRgb(body * 1.3f) & 0xffffff, ToRgb(body) & 0xffffff}));
            p.drawRect(QRectF(x, top, w - 2, h + 2));
            if (rng.Chance(0.35f)) {
                p.setPen(QPen(Q(body * 1.4f), 1.5));
                p.drawLine(QPointF(x + w / 2, top), QPointF(x + w / 2, top - rng.Uniform(10, 30)));
                p.setPen(Qt::NoPen);
                Glow(p, {x + w / 2, top - 20}, 6, Hex(0xff3030), 0.9f);
            }
            if (l == 1 && h == 230) {
                QPainterPath spire;
                spire.moveTo(x + 4, top);
                spire.lineTo(x + w / 2, top - 45);
                spire.lineTo(x + w - 6, top);
                p.setBrush(Q(body * 1.2f));
                p.drawPath(spire);
            }
            const Col warm = Hex(0xffd27a), cool = Hex(0x9ad8ff);
            for (float wy = top + 6; wy < water - 6; wy += 7 + l)
                for (float wx = x + 4; wx < x + w - 6; wx += 6 + l) {
                    if (!rng.Chance(layer.lit))
                        continue;
                    const float bright = rng.Uniform(0.5f, 1.0f);
                    const Col c = Mix(warm, cool, rng.Chance(0.2f) ? 1.0f : 0.0f) * bright;
                    p.setBrush(Q(c, 0.6f + 0.4f * l / 2));
                    p.drawRect(QRectF(wx, wy, 2.5f + l * 0.5f, 3 + l * 0.5f));
                }
            // Here and there a whole floor still at work.
            p.setBrush(Q(Hex(0xffe8b0), 0.55f + 0.2f * l));
            for (float wy = top + 6; wy < water - 6; wy += 7 + l)
                if (Hash01(static_cast<int>(x), static_cast<int>(wy), 2204) < 0.1f)
                    for (float wx = x + 4; wx < x + w - 6; wx += 6 + l)
                        p.drawRect(QRectF(wx, wy, 2.5f + l * 0.5f, 3 + l * 0.5f));
            x += w;
        }
    }
    // Bridge across the river, its lights strung along the cables.
    p.setPen(QPen(Q(0x3a3058), 4));
    p.drawLine(QPointF(380, water - 4), QPointF(610, water - 4));
    p.setPen(QPen(Q(0x4a4068), 3));
    p.drawLine(QPointF(450, water - 4), QPointF(450, water - 80));
    p.drawLine(QPointF(560, water - 4), QPointF(560, water - 80));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(380, water - 10);
    cable.quadTo(415, water - 30, 450, water - 80);
    cable.quadTo(505, water - 10, 560, water - 80);
    cable.quadTo(590, water - 40, 610, water - 30);
    p.setPen(QPen(Q(0x6a5a8a), 1.5));
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    for (int k = 0; k <= 40; ++k) {
        p.setBrush(Q(0xfff0b0));
        p.drawEllipse(cable.pointAtPercent(k / 40.0f), 1.6, 1.6);
    }
    p.end();

    // The lights along the waterfront, column by column: what the river drags
    // down into long streaks.
    std::vector<Col> shore(kWidth);
    for (int x = 0; x < kWidth; ++x) {
        for (int y = water - 70; y < water - 2; ++y)
            for (int dx = -2; dx <= 2; ++dx) {
                const Col c = FromRgb(image.pixel(std::clamp(x + dx, 0, kWidth - 1), y));
                shore[x] = shore[x] + c * SmoothStep(0.3f, 0.6f, (c.r + c.g + c.b) / 3);
            }
        shore[x] = shore[x] * (1.0f / (68 * 5));
    }
    // The river mirrors the city, broken up by ripples.
    for (int y = water; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float d = float(y - water) / (kHeight - water);
        for (int x = 0; x < kWidth; ++x) {
            const float ripple = noise.Fbm(x / 30.0f, y / (1.5f + 4 * d), 3);
            const int sx = std::clamp(static_cast<int>(x + ripple * (6 + 20 * d)), 0, kWidth - 1);
            const int sy = std::clamp(2 * water - y - 2, 0, water - 1);
            Col c = FromRgb(image.pixel(sx, sy)) * (0.55f - 0.2f * d);
            c = c + Hex(0x10142a) * (1 + ripple);
            const float glint =
                SmoothStep(-0.05f, 0.35f, noise.Fbm(x / 14.0f, y / (1.2f + 3 * d), 3));
            c = c + shore[sx] * (glint * 6 * (1 - 0.5f * d));
            // Gusts roughen the water in patches that catch more of the glow.
            const float gust = noise.Fbm(x / 60.0f + 4, y / (4 + 10 * d) + 2, 3);
            c = c * (0.7f + 0.7f * SmoothStep(-0.3f, 0.3f, gust));
            // The moon's path across the water.
            const float moon = std::exp(-std::pow((sx - 110) / (14 + 30 * d), 2.0f));
            c = Mix(c, Hex(0xd8dcf0), moon * glint * 0.9f);
            line[x] = ToRgb(c);
        }
    }
    Finish(image, 0.8f);
    return image;
}

QImage DesertCaravan() {
    QImage image = NewCanvas();
    const Noise noise(2301);
    const QPointF sun(410, 175);
    constexpr int kDunes = 4;
    std::vector<float> crest[kDunes];
    for (int d = 0; d < kDunes; ++d) {
        crest[d].resize(kWidth + 2);
        for (int x = 0; x < kWidth + 2; ++x) {
            const float fx = x;
            crest[d][x] = 205 + d * 42 - (30 - d * 3) * std::sin(fx / (150 - d * 20) + d * 1.7f) -
                          18 * noise.Fbm(fx / 120 + d * 9, d * 2.0f, 3);
        }
    }
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        for (int d = kDunes - 1; d >= 0; --d) {
            if (fy < crest[d][x])
                continue;
            bool inFront = false;
            for (int e = d + 1; e < kDunes; ++e)
                inFront = inFront || fy >= crest[e][x];
            if (inFront)
                continue;
            // Light from the broad shape of the dune only; the fine wobble
            // of the crest would streak the sand.
            const float slope =
                (30 - d * 3) / (150 - d * 20.0f) * std::cos(fx / (150 - d * 20) + d * 1.7f);
            const float depth = fy - crest[d][x];
            const float broad = noise.Fbm(fx / 140 + d * 5, fy / 50, 3);
            const float lit =
                Clamp01(0.5f + slope * 2.5f + 0.3f * SmoothStep(30, 0, depth) + 0.6f * broad);
            const float ripple = 0.5f + 0.5f * std::sin((fx * (0.6f - d * 0.3f) + fy * 1.4f +
                                                         30 * noise.At(fx / 50, fy / 30)) /
                                                        (3 + d));
            const std::uint32_t shadows[kDunes] = {0x7a3a58, 0x8a3a30, 0x7a3a20, 0x8a4a20};
            const std::uint32_t lights[kDunes] = {0xf0a080, 0xff9a50, 0xffb860, 0xffd080};
            Col sand = Mix(Hex(shadows[d]), Hex(lights[d]), lit);
            sand = Mix(sand, Hex(0xffd090), std::exp(-std::abs(fx - sun.x()) / 140) * 0.35f * lit);
            sand = sand * (0.82f + 0.3f * ripple * (d + 1) / kDunes +
                           0.12f * noise.Fbm(fx / 20, fy / 20, 2));
            return sand;
        }
        const float t = fy / 260;
        Col sky = Mix(Mix(Hex(0x140838), Hex(0x7a2050), fx / kWidth), Hex(0xff7a3a),
                      std::pow(Clamp01(t), 1.2f));
        sky = sky + Hex(0x301028) * noise.Fbm(fx / 100, fy / 60, 3) * (1 - t);
        const float star = Hash01(x, y, 2304);
        if (star > 0.996f)
            sky = sky + Col{1, 0.9f, 0.8f} * ((star - 0.996f) * 200 * Clamp01(1 - t * 2.5f));
        sky = Mix(sky, Hex(0xffd070), std::pow(Clamp01(t), 4.0f) * 0.7f);
        sky = Mix(sky, Hex(0x7a2060), (1 - fx / kWidth) * 0.2f * SmoothStep(40, 150, fy));
        const float dist = Length(fx - sun.x(), fy - sun.y());
        sky = Mix(sky, Hex(0xffe0a0), std::exp(-dist / 70) * 0.7f);
        // Rays fanning out from the sun.
        const float angle = std::atan2(fy - sun.y(), fx - sun.x());
        const float rays = 0.5f + 0.5f * std::sin(angle * 14 + noise.At(angle * 3, 0.5f) * 3);
        sky = Mix(sky, Hex(0xffc080), rays * std::exp(-dist / 220) * 0.35f);
        // Long clouds whose undersides catch the low sun.
        const float field = noise.Fbm(fx / 150, fy / 12, 5);
        const float band = SmoothStep(0.0f, 0.3f, field);
        const float underside =
            SmoothStep(0.0f, 0.12f, field - noise.Fbm(fx / 150, (fy + 5) / 12, 5));
        const Col cloudColour =
            Mix(Mix(Hex(0x3a1040), Hex(0xc04a60), t), Hex(0xffb070), underside * 0.8f);
        sky = Mix(sky, cloudColour, band * 0.8f);
        if (dist < 52)
            sky = Mix(sky, Mix(Hex(0xfff8d0), Hex(0xffb050), (fy - sun.y() + 52) / 104),
                      SmoothStep(52, 49, dist) * (1 - band * 0.6f));
        // Pyramids far off on the horizon, hazy in the evening light.
        const float pyramids[][2] = {{85, 118}, {165, 150}, {30, 160}};
        for (const auto& pyramid : pyramids) {
            const float rise = fy - pyramid[1], across = fx - pyramid[0];
            if (rise > 0 && std::abs(across) < rise * 1.15f) {
                const Col face = across > rise * 0.2f ? Hex(0xf0a070) : Hex(0x5a2a4a);
                const float courses = 0.9f + 0.1f * SmoothStep(0.3f, 0.5f, Fract(rise / 5));
                return Mix(face * courses, sky, 0.3f);
            }
        }
        return sky;
    });
    Painter p(&image);
    // Camels walking along the second dune crest, in silhouette.
    Rng rng(2302);
    auto camel = [&](float x, float scale, bool rider) {
        const float ground = crest[1][std::clamp(int(x), 0, kWidth - 1)];
        p.save();
        p.translate(x, ground + 2);
        p.scale(scale, scale);
        p.setBrush(Q(0x2a1020));
        p.setPen(QPen(Q(0x2a1020), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-14, -22), QPointF(-18, 0));
        p.drawLine(QPointF(-8, -22), QPointF(-6, 0));
        p.drawLine(QPointF(10, -22), QPointF(8, 0));
        p.drawLine(QPointF(16, -22), QPointF(20, 0));
        p.setPen(Qt::NoPen);
        QPainterPath body;
        body.moveTo(-22, -22);
        body.cubicTo(-22, -38, -8, -48, 0, -36);
        body.cubicTo(6, -46, 18, -44, 20, -28);
        body.lineTo(26, -30);
        body.cubicTo(30, -44, 32, -52, 40, -52);
        body.lineTo(44, -48);
        body.lineTo(36, -44);
        body.cubicTo(34, -30, 30, -20, 18, -18);
        body.lineTo(-20, -18);
        body.closeSubpath();
        p.drawPath(body);
        if (rider) {
            p.drawEllipse(QPointF(-2, -52), 5, 6);
            QPainterPath robe;
            robe.moveTo(-8, -36);
            robe.lineTo(-6, -48);
            robe.lineTo(4, -48);
            robe.lineTo(6, -36);
            robe.closeSubpath();
            p.drawPath(robe);
        }
        p.restore();
    };
    for (int k = 0; k < 5; ++k)
        camel(150 + k * 48 + rng.Uniform(-6, 6), 0.75f, k % 2 == 0);
    // The oasis they are heading away from: a pool of sky between two palms.
    const float oasis = crest[2][60] + 12;
    p.setBrush(LinearGradient({0, oasis - 5}, {0, oasis + 5}, {0xffb070, 0x7a3060}));
    p.drawEllipse(QPointF(62, oasis), 38, 6);
    p.setBrush(Q(0x2a1020));
    for (const auto& [baseX, lean, height] :
         {std::tuple{40.0f, -10.0f, 58.0f}, {88.0f, 12.0f, 46.0f}}) {
        const QPointF foot(baseX, oasis + 2), crown(baseX + lean, oasis - height);
        QPainterPath trunk;
        trunk.moveTo(foot + QPointF(-3, 0));
        trunk.quadTo(QPointF(baseX, oasis - height / 2), crown + QPointF(-1.5, 0));
        trunk.lineTo(crown + QPointF(1.5, 0));
        trunk.quadTo(QPointF(baseX + 3, oasis - height / 2), foot + QPointF(3, 0));
        trunk.closeSubpath();
        p.drawPath(trunk);
        // Fronds arch up from the crown and droop at the tips.
        for (const float degrees : {-175, -145, -115, -80, -50, -20, 5, 185}) {
            const float a = degrees * kPi / 180, length = 22;
            const QPointF dir(std::cos(a), std::sin(a)), side(-dir.y(), dir.x());
            const QPointF tip = crown + dir * length + QPointF(0, length * 0.45f);
            const QPointF mid = crown + dir * (length * 0.55f) + QPointF(0, -length * 0.15f);
            QPainterPath frond;
            frond.moveTo(crown);
            frond.quadTo(mid + side * 3.5f, tip);
            frond.quadTo(mid - side * 3.5f, crown);
            p.drawPath(frond);
        }
    }
    // The caravan's tracks winding back over the near dunes.
    QPainterPath tracks;
    tracks.moveTo(150, crest[1][150] + 4);
    tracks.cubicTo(80, 300, 330, 310, 260, 390);
    for (int k = 0; k < 60; ++k) {
        const QPointF at = tracks.pointAtPercent(k / 60.0f);
        const float s = 1.2f + 2.5f * k / 60;
        p.setBrush(Q(0x6a2a20, 0.45f));
        p.drawEllipse(at + QPointF(k % 2 ? s * 1.5f : -s * 1.5f, 0), s, s * 0.6f);
    }
    p.setPen(QPen(Q(0x3a1a2a), 1.5));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 5; ++k) {
        const float bx = rng.Uniform(80, 560), by = rng.Uniform(40, 130), s = rng.Uniform(4, 8);
        QPainterPath bird;
        bird.moveTo(bx - s, by);
        bird.quadTo(bx - s / 2, by - s * 0.6f, bx, by);
        bird.quadTo(bx + s / 2, by - s * 0.6f, bx + s, by);
        p.drawPath(bird);
    }
    p.end();
    Finish(image);
    return image;
}

void DeadTree(QPainter& p, QPointF at, float length, float angle, int depth, Rng& rng) {
    if (depth == 0 || length < 3)
        return;
    const QPointF end = at + QPointF(std::cos(angle), std::sin(angle)) * length;
    p.setPen(QPen(Q(0x0a0612), depth * 1.3f, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at, end);
    const int branches = rng.Int(2, 3);
    for (int b = 0; b < branches; ++b) {
        const float turn = rng.Uniform(-0.7f, 0.7f), shrink = rng.Uniform(0.55f, 0.78f);
        DeadTree(p, end, length * shrink, angle + turn, depth - 1, rng);
    }
}

QImage HauntedCastle() {
    QImage image = NewCanvas();
    const Noise noise(2401);
    const QPointF moon(420, 105);
    auto hill = [&](float x) {
        return 255 - 70 * std::exp(-std::pow((x - 250) / 170, 2.0f)) + 8 * noise.At(x / 40, 1);
    };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy > hill(fx)) {
            const float n = noise.Fbm(fx / 30, fy / 15, 4);
            return Mix(Hex(0x0a0816), Hex(0x3a3052), Clamp01(0.35f + n * 1.4f + (fx - 300) / 900));
        }
        Col c = Mix(Hex(0x140a30), Hex(0x6a4a8a), std::pow(fy / 260, 1.4f));
        const float dist = Length(fx - moon.x(), fy - moon.y());
        c = Mix(c, Hex(0xd8d0ff), std::exp(-dist / 90) * 0.55f);
        const float cloud = SmoothStep(-0.05f, 0.35f, noise.Fbm(fx / 120, fy / 35, 5));
        const float rim = std::exp(-dist / 200);
        c = Mix(c, Mix(Hex(0x3a2a60), Hex(0xd8d0ff), rim), cloud * 0.8f);
        if (dist < 68) {
            const Col face = Mix(Hex(0xfffbe0), Hex(0xd8d0a0),
                                 SmoothStep(0.0f, 0.4f, noise.Fbm(fx / 20, fy / 20, 3)));
            c = Mix(c, face, SmoothStep(68, 65, dist) * (1 - cloud * 0.6f));
        }
        const float s = Hash01(x, y, 2402);
        if (s > 0.995f)
            c = c + Col{1, 1, 1} * ((s - 0.995f) * 120 * (1 - cloud));
        return c;
    });
    // Moonlit masonry for the castle walls, laid out in picture coordinates.
    QImage masonry = NewCanvas();
    Shade(masonry, [&](int x, int y) {
        const int course = y / 7;
        const float along = (x + (course % 2) * 7) / 14.0f;
        const float mortar = std::min(SmoothStep(0.0f, 0.15f, Fract(y / 7.0f)),
                                      SmoothStep(0.0f, 0.08f, Fract(along)));
        const float tint = Hash01(static_cast<int>(along), course, 2405);
        const float moonlit = std::exp(-Length(x - moon.x(), y - moon.y()) / 260);
        Col c = Mix(Hex(0x0e0a1a), Hex(0x2e2648), Clamp01(tint * 0.5f + moonlit * 0.8f));
        return c * (0.55f + 0.45f * mortar);
    });
    Painter p(&image);
    const QBrush stone(masonry);
    p.setBrush(stone);
    const float base = hill(250) + 10;
    auto tower = [&](float x, float w, float h, bool cone) {
        p.setBrush(stone);
        p.drawRect(QRectF(x - w / 2, base - h, w, h));
        if (cone) {
            QPainterPath roof;
            roof.moveTo(x - w / 2 - 5, base - h);
            roof.lineTo(x, base - h - w * 1.5f);
            roof.lineTo(x + w / 2 + 5, base - h);
            roof.closeSubpath();
            p.drawPath(roof);
            p.setPen(QPen(Q(0x120c20), 1.5));
            p.drawLine(QPointF(x, base - h - w * 1.5f), QPointF(x, base - h - w * 1.5f - 12));
            p.setPen(Qt::NoPen);
        } else {
            for (float c = x - w / 2; c < x + w / 2 - 2; c += 8)
                p.drawRect(QRectF(c, base - h - 7, 5, 8));
        }
    };
    p.drawRect(QRectF(150, base - 80, 200, 80));
    for (float c = 150; c < 350; c += 12)
        p.drawRect(QRectF(c, base - 88, 7, 9));
    tower(150, 34, 130, true);
    tower(350, 30, 120, true);
    tower(250, 46, 170, true);
    tower(205, 26, 105, false);
    tower(300, 26, 110, false);
    Rng rng(2403);
    for (int k = 0; k < 14; ++k) {
        const float wx = rng.Uniform(140, 360), wy = rng.Uniform(base - 150, base - 20);
        if (std::abs(wx - 250) > 22 && wy < base - 125)
            continue;
        Glow(p, {wx + 2.5f, wy + 4}, 12, Hex(0xffb040), 0.5f);
        p.setBrush(Q(0xffd070));
        p.drawRoundedRect(QRectF(wx, wy, 5, 8), 2, 2);
    }
    // A round window high in the keep, and someone still up in the west wing.
    Glow(p, {250, base - 140}, 20, Hex(0xffb040), 0.6f);
    p.setBrush(Q(0xffd070));
    p.drawEllipse(QPointF(250, base - 140), 7, 7);
    p.setBrush(Q(0x1a1028));
    p.drawRect(QRectF(249, base - 147, 2, 14));
    p.drawRect(QRectF(243, base - 141, 14, 2));
    Glow(p, {163, base - 70}, 16, Hex(0xffb040), 0.6f);
    p.setBrush(Q(0xffd070));
    p.drawRoundedRect(QRectF(159, base - 76, 8, 12), 3, 3);
    p.setBrush(Q(0xffc060, 0.9f));
    p.drawChord(QRectF(238, base - 30, 24, 40), 0, 180 * 16);
    // A lantern-lit path winding down from the gate.
    QPainterPath lane;
    lane.moveTo(250, base - 2);
    lane.cubicTo(170, base + 40, 330, base + 70, 230, 390);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Q(0x4a3a5a), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lane);
    p.setPen(QPen(Q(0x6a5a78), 6, Qt::DotLine, Qt::RoundCap));
    p.drawPath(lane);
    p.setPen(Qt::NoPen);
    for (int k = 1; k < 5; ++k) {
        const QPointF post = lane.pointAtPercent(k / 5.0f) + QPointF(k % 2 ? 14 : -14, 0);
        p.setBrush(Q(0x0a0612));
        p.drawRect(QRectF(post.x() - 1, post.y() - 16, 2, 16));
        Glow(p, post - QPointF(0, 18), 16, Hex(0xffb040), 0.7f);
    }

    DeadTree(p, {40, hill(40) + 5}, 55, -kPi / 2 - 0.15f, 6, rng);
    DeadTree(p, {540, hill(540) + 5}, 65, -kPi / 2 + 0.2f, 6, rng);
    // Tombstones on the near slope.
    for (int k = 0; k < 9; ++k) {
        const float tx = 40 + k * 62 + rng.Uniform(-10, 10), ty = 330 + rng.Uniform(-20, 35);
        const float w = rng.Uniform(12, 20), h = rng.Uniform(18, 30);
        p.setBrush(LinearGradient({tx - w, 0}, {tx + w, 0}, {0x3a3450, 0x6a6088, 0x2a2440}));
        QPainterPath stoneShape;
        stoneShape.moveTo(tx - w / 2, ty);
        stoneShape.lineTo(tx - w / 2, ty - h + w / 2);
        stoneShape.arcTo(QRectF(tx - w / 2, ty - h, w, w), 180, -180);
        stoneShape.lineTo(tx + w / 2, ty);
        stoneShape.closeSubpath();
        p.drawPath(stoneShape);
        p.setPen(QPen(Q(0x1a1428), 1.5));
        p.drawLine(QPointF(tx, ty - h + 6), QPointF(tx, ty - h + 16));
        p.drawLine(QPointF(tx - 4, ty - h + 9), QPointF(tx + 4, ty - h + 9));
        p.setPen(Qt::NoPen);
    }
    // A witch crossing the moon on her broom.
    p.save();
    p.translate(moon + QPointF(-10, 10));
    p.rotate(-8);
    p.setBrush(Q(0x0a0614));
    p.setPen(QPen(Q(0x0a0614), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-40, 6), QPointF(38, 6));
    p.setPen(Qt::NoPen);
    QPainterPath bristles;
    bristles.moveTo(-38, 6);
    bristles.lineTo(-58, -2);
    bristles.lineTo(-60, 14);
    bristles.closeSubpath();
    p.drawPath(bristles);
    QPainterPath witch;
    witch.moveTo(-14, 6);
    witch.lineTo(-4, -18);
    witch.lineTo(8, -18);
    witch.lineTo(14, 6);
    witch.closeSubpath();
    p.drawPath(witch);
    p.drawEllipse(QPointF(3, -22), 5, 5);
    QPainterPath hat;
    hat.moveTo(-7, -25);
    hat.lineTo(14, -25);
    hat.lineTo(0, -44);
    hat.closeSubpath();
    p.drawPath(hat);
    p.restore();
    // Bats, most round the moon and a few heading off into the night.
    for (int k = 0; k < 12; ++k) {
        QPointF at;
        if (k < 9) {
            const float y = rng.Uniform(40, 190), x = rng.Uniform(300, 560);
            at = QPointF(x, y);
        } else {
            const float y = rng.Uniform(8, 32), x = 540 + (k - 9) * 25 + rng.Uniform(-8, 8);
            at = QPointF(x, y);
        }
        const float s = rng.Uniform(5, 10) * (k < 9 ? 1.0f : 0.85f);
        QPainterPath bat;
        bat.moveTo(at);
        bat.quadTo(at + QPointF(-s * 0.6f, -s * 0.7f), at + QPointF(-s * 1.6f, -s * 0.3f));
        bat.quadTo(at + QPointF(-s, 0), at + QPointF(-s * 0.9f, s * 0.3f));
        bat.quadTo(at + QPointF(-s * 0.4f, 0), at + QPointF(0, s * 0.4f));
        bat.quadTo(at + QPointF(s * 0.4f, 0), at + QPointF(s * 0.9f, s * 0.3f));
        bat.quadTo(at + QPointF(s, 0), at + QPointF(s * 1.6f, -s * 0.3f));
        bat.quadTo(at + QPointF(s * 0.6f, -s * 0.7f), at);
        p.setBrush(Q(0x0a0614));
        p.drawPath(bat);
    }
    p.end();
    // Ground fog drifting across the hill.
    Modify(image, [&](int x, int y, Col c) {
        const float fog =
            SmoothStep(230, 330, y) * Clamp01(0.25f + 1.5f * noise.Fbm(x / 80.0f, y / 22.0f, 4));
        return Mix(c, Hex(0x9a90c0), fog * 0.6f);
    });
    Finish(image);
    return image;
}

QImage PirateShipInAStorm() {
    QImage image = NewCanvas();
    const Noise noise(2501);
    auto waveY = [&](float x) {
        return 250 + 18 * std::sin(x / 60 + 1) + 10 * std::sin(x / 23) +
               14 * noise.At(x / 80, 0.5f);
    };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        const float surface = waveY(fx);
        if (fy > surface) {
            const float d = (fy - surface) / (kHeight - 240);
            const float n = noise.Fbm(fx / 40 + fy / 90, fy / 12, 4);
            const float swell = noise.Fbm(fx / 110 - fy / 200, fy / 30, 3);
            Col sea = Mix(Hex(0x2a5a5a), Hex(0x081a22), Clamp01(d * 1.3f)) *
                      (0.7f + 0.5f * n + 0.8f * swell);
            // Light shows green through the steep faces of the near waves.
            sea =
                Mix(sea, Hex(0x3a8a7a), SmoothStep(0.05f, 0.35f, swell) * 0.6f * Clamp01(d * 1.5f));
            const float foam =
                SmoothStep(0.15f, 0.4f, noise.Fbm(fx / 25, fy / 6, 3)) * (1 - d * 0.6f) +
                SmoothStep(8, 0, fy - surface) * SmoothStep(0.0f, 0.3f, noise.At(fx / 8, fy / 3));
            return Mix(sea, Hex(0xd8e8e0), Clamp01(foam) * 0.8f);
        }
        const float cloud = noise.Fbm(fx / 110 + noise.At(fx / 200, fy / 100), fy / 60, 5);
        Col sky = Mix(Hex(0x141c22), Hex(0x7a8a80), Clamp01(0.5f + cloud * 2.0f));
        sky = Mix(sky, Hex(0x9ab0a0), std::exp(-Length(fx - 120, fy - 60) / 110) * 0.5f);
        return sky * (0.8f + 0.3f * fy / 250);
    });
    Painter p(&image);
    // Lightning: a jagged bolt with branches, glowing.
    Rng rng(2502);
    auto bolt = [&](QPointF from, int steps, float width) {
        QPainterPath path;
        path.moveTo(from);
        QPointF at = from;
        for (int k = 0; k < steps; ++k) {
            const float dy = rng.Uniform(10, 22), dx = rng.Uniform(-14, 14);
            at += QPointF(dx, dy);
            path.lineTo(at);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Q(0x9ab8ff, 0.35f), width * 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(Q(0xf0f4ff), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        return path;
    };
    const QPainterPath main = bolt({120, 0}, 11, 3);
    bolt(main.pointAtPercent(0.4f), 5, 1.5f);
    bolt(main.pointAtPercent(0.7f), 3, 1.2f);
    p.setPen(Qt::NoPen);
    Glow(p, {120, 60}, 150, Hex(0xb0c8ff), 0.25f);
    // Sheet lightning further off, lighting the clouds from inside.
    Glow(p, {565, 75}, 110, Hex(0x9ab0e0), 0.3f);
    // Gulls beating into the wind, pale against the cloud.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Q(0xe8ece8), 2, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [gx, gy, s] : {std::tuple{168.0f, 170.0f, 8.0f}, {212.0f, 152.0f, 6.0f}}) {
        QPainterPath gull;
        gull.moveTo(gx - s, gy - s * 0.2f);
        gull.quadTo(gx - s * 0.4f, gy - s * 0.7f, gx, gy);
        gull.quadTo(gx + s * 0.5f, gy - s * 0.5f, gx + s, gy + s * 0.1f);
        p.drawPath(gull);
    }
    p.setPen(Qt::NoPen);

    // The ship, heeling in the swell.
    p.save();
    p.translate(390, 262);
    p.rotate(-9);
    const QColor wood = Q(0x2a1810);
    QPainterPath hull;
    hull.moveTo(-130, -40);
    hull.lineTo(120, -30);
    hull.lineTo(150, -52);
    hull.lineTo(135, -20);
    hull.cubicTo(110, 30, -90, 30, -115, 0);
    hull.lineTo(-138, -58);
    hull.closeSubpath();
    p.setBrush(LinearGradient({0, -50}, {0, 25}, {0x6a4028, 0x3a2214, 0x1a0e08}));
    p.drawPath(hull);
    p.setPen(QPen(Q(0x1a0c06), 1.5));
    for (int k = 0; k < 3; ++k)
        p.drawLine(QPointF(-118, -25 + k * 10), QPointF(128, -18 + k * 10));
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xffc050));
    for (int k = 0; k < 7; ++k)
        p.drawRect(QRectF(-90 + k * 30, -30, 8, 6));
    p.setPen(QPen(wood, 5));
    const float masts[] = {-70, 10, 85};
    const float heights[] = {150, 185, 140};
    for (int m = 0; m < 3; ++m)
        p.drawLine(QPointF(masts[m], -35), QPointF(masts[m], -35 - heights[m]));
    p.setPen(QPen(wood, 1));
    p.drawLine(QPointF(150, -52), QPointF(masts[2], -35 - heights[2]));
    p.drawLine(QPointF(-138, -58), QPointF(masts[0], -35 - heights[0]));
    p.setPen(Qt::NoPen);
    for (int m = 0; m < 3; ++m)
        for (int s = 0; s < 2; ++s) {
            const float top = -35 - heights[m] + 12 + s * heights[m] * 0.45f;
            const float h = heights[m] * 0.38f, w = 42 - s * -6;
            QPainterPath sail;
            sail.moveTo(masts[m] - w, top);
            sail.quadTo(masts[m], top - 8, masts[m] + w, top);
            sail.quadTo(masts[m] + w + 10, top + h / 2, masts[m] + w - 4, top + h);
            sail.quadTo(masts[m], top + h - 10, masts[m] - w + 4, top + h);
            sail.quadTo(masts[m] - w + 14, top + h / 2, masts[m] - w, top);
            p.setBrush(LinearGradient({masts[m] - w, 0}, {masts[m] + w, 0},
                                      {0x8a8470, 0xd8d0b0, 0xa8a088}));
            p.drawPath(sail);
            p.setPen(QPen(Q(0x6a6450), 1));
            p.drawLine(QPointF(masts[m] - w + 10, top + h * 0.3f),
                       QPointF(masts[m] + w - 10, top + h * 0.35f));
            p.setPen(Qt::NoPen);
        }
    // Skull flag at the main mast.
    const QPointF flag(10, -35 - heights[1]);
    p.setBrush(Q(0x0a0a0a));
    QPainterPath cloth;
    cloth.moveTo(flag);
    cloth.quadTo(flag + QPointF(20, -6), flag + QPointF(40, 2));
    cloth.lineTo(flag + QPointF(40, 24));
    cloth.quadTo(flag + QPointF(20, 18), flag + QPointF(0, 24));
    cloth.closeSubpath();
    p.drawPath(cloth);
    p.setBrush(Q(0xf0f0e0));
    p.drawEllipse(flag + QPointF(20, 11), 6, 6);
    p.setPen(QPen(Q(0xf0f0e0), 2));
    p.drawLine(flag + QPointF(11, 16), flag + QPointF(29, 22));
    p.drawLine(flag + QPointF(29, 16), flag + QPointF(11, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0x0a0a0a));
    p.drawEllipse(flag + QPointF(18, 10), 1.5, 1.5);
    p.drawEllipse(flag + QPointF(22, 10), 1.5, 1.5);
    p.restore();

    // Spray over the bow and slanting rain everywhere.
    for (int k = 0; k < 30; ++k) {
        const float r = rng.Uniform(8, 22);
        const float x = rng.Uniform(250, 560), y = rng.Uniform(250, 300);
        Glow(p, {x, y}, r, Hex(0xd0e0e0), 0.5f);
    }
    p.setPen(QPen(Q(0xc8d8e0, 0.35f), 1));
    for (int k = 0; k < 420; ++k) {
        const float y = rng.Uniform(-20, 380), x = rng.Uniform(-20, 620);
        const QPointF at(x, y);
        const float len = rng.Uniform(8, 20);
        p.drawLine(at, at + QPointF(len * 0.35f, len));
    }
    p.end();
    Finish(image);
    return image;
}

QImage OrbitingPlanets() {
    QImage image = NewCanvas();
    const Noise noise(2601);
    const QPointF sun(-40, 200);
    Shade(image, [&](int x, int y) {
        Col c = SpaceBackdrop(noise, x, y, 2602, Hex(0x1a2a50), Hex(0x3a1a3a));
        const float dist = Length(x - sun.x(), y - sun.y());
        c = c + Hex(0xffa040) * (std::exp(-(dist - 150) / 80) * 0.5f);
        if (dist < 150) {
            const float n = noise.Fbm(x / 14.0f, y / 14.0f, 4);
            c = Mix(Hex(0xffd050), Hex(0xfff8d0), Clamp01(0.5f + n * 1.5f)) *
                (0.85f + 0.15f * (1 - dist / 150));
            c = Mix(c, Hex(0xff7a20), SmoothStep(120, 150, dist) * 0.7f);
        }
        return c;
    });
    Painter p(&image);
    Rng rng(2603);
    struct Planet {
        float orbit, angle, size;
        Col a, b;
        bool rings;
    };
    const Planet planets[] = {{230, 0.05f, 9, Hex(0xb0a090), Hex(0x6a5a50), false},
                              {300, -0.32f, 15, Hex(0xf0c080), Hex(0xa0602a), false},
                              {375, 0.18f, 17, Hex(0x60b0ff), Hex(0x2a8a4a), false},
                              {450, -0.12f, 13, Hex(0xff7a50), Hex(0x8a2a1a), false},
                              {560, 0.3f, 34, Hex(0xf0d0a0), Hex(0xb07a4a), false},
                              {660, -0.22f, 28, Hex(0xe8d8a0), Hex(0x9a8a5a), true},
                              {750, 0.08f, 20, Hex(0xa0f0ff), Hex(0x3a8ab0), false}};
    p.setBrush(Qt::NoBrush);
    for (const Planet& pl : planets) {
        p.setPen(QPen(Q(0x8aa0d0, 0.35f), 1.2, Qt::DashLine));
        p.drawEllipse(sun, pl.orbit, pl.orbit * 0.72f);
    }
    // The asteroid belt between the inner and outer planets.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 500; ++k) {
        const float a = rng.Uniform(-1.2f, 1.2f), r = rng.Uniform(490, 520);
        const QPointF at = sun + QPointF(r * std::cos(a), r * 0.72f * std::sin(a));
        p.setBrush(Q(Hsv(0.08f, 0.3f, rng.Uniform(0.4f, 0.85f))));
        const float ry = rng.Uniform(0.8f, 2.0f), rx = rng.Uniform(0.8f, 2.2f);
        p.drawEllipse(at, rx, ry);
    }
    for (const Planet& pl : planets) {
        const QPointF at =
            sun + QPointF(pl.orbit * std::cos(pl.angle), pl.orbit * 0.72f * std::sin(pl.angle));
        if (pl.rings) {
            p.setPen(QPen(Q(0xd8c8a0, 0.8f), 3));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(at.x() - pl.size * 2, at.y() - pl.size * 0.5f, pl.size * 4, pl.size),
                      0, 180 * 16);
            p.setPen(Qt::NoPen);
        }
        QPainterPath disc;
        disc.addEllipse(at, pl.size, pl.size);
        p.setBrush(RadialGradient(at - QPointF(pl.size * 0.5f, pl.size * 0.1f), pl.size * 1.6f,
                                  {{0, Q(pl.a)}, {0.6f, Q(pl.b)}, {1, Q(pl.b * 0.2f)}}));
        p.drawPath(disc);
        p.save();
        p.setClipPath(disc);
        for (int band = 0; band < 6; ++band) {
            p.setBrush(Q(band % 2 ? pl.a : pl.b, 0.25f));
            const float thick = rng.Uniform(0, 3), shift = rng.Uniform(-2, 2);
            p.drawRect(QRectF(at.x() - pl.size, at.y() - pl.size + band * pl.size / 3 + shift,
                              pl.size * 2, pl.size / 6 + thick));
        }
        p.restore();
        if (pl.rings) {
            p.setPen(QPen(Q(0xf0e0b8, 0.9f), 3));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(at.x() - pl.size * 2, at.y() - pl.size * 0.5f, pl.size * 4, pl.size),
                      180 * 16, 180 * 16);
            p.setPen(Qt::NoPen);
        }
    }
    // A comet with its tail pointing away from the sun.
    const QPointF comet(470, 60);
    QPainterPath tail;
    tail.moveTo(comet + QPointF(0, -5));
    tail.lineTo(comet + QPointF(130, -45));
    tail.lineTo(comet + QPointF(125, -20));
    tail.lineTo(comet + QPointF(0, 5));
    tail.closeSubpath();
    QLinearGradient fade(comet, comet + QPointF(130, -35));
    fade.setColorAt(0, Q(0xc0e8ff, 0.8f));
    fade.setColorAt(1, Q(0xc0e8ff, 0.0f));
    p.setBrush(fade);
    p.drawPath(tail);
    BrightStar(p, comet, 3, Hex(0xd0f0ff));
    BrightStar(p, {518, 152}, 3, Hex(0xffe8c8));
    BrightStar(p, {268, 318}, 2.5f, Hex(0xc8dcff));
    p.end();
    Finish(image, 0.8f);
    return image;
}

constexpr Artwork kMovies[] = {
    {"Starship over a ringed planet", StarshipOverRingedPlanet},
    {"City skyline at night", CitySkylineAtNight},
    {"Desert caravan at sunset", DesertCaravan},
    {"Haunted castle under the full moon", HauntedCastle},
    {"Pirate ship in a storm", PirateShipInAStorm},
    {"Orbiting planets", OrbitingPlanets},
};

} // namespace

std::span<const Artwork> MovieArtworks() {
    return kMovies;
}

} // namespace art
