// Misc: landscapes and patterns.

#include "samples/ArtKit.h"
#include "samples/Gallery.h"

#include <vector>

namespace art {
namespace {

QImage LighthouseAtDusk() {
    QImage image = NewCanvas();
    const Noise noise(1101);
    const float horizon = 236, sunX = 440;
    auto rockTop = [&](float x) {
        return 196 + 12 * noise.At(x / 45, 3.5f) + 0.35f * std::pow(std::max(0.0f, x - 195), 1.5f);
    };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy > rockTop(fx) && fx < 320) {
            const float depth = fy - rockTop(fx);
            const float n = noise.Fbm(fx / 22, fy / 22, 4);
            const float strata = 0.5f + 0.5f * std::sin(fy / 5 + n * 4 + fx / 60);
            Col rock = Mix(Hex(0x1d1626), Hex(0x7e5258), Clamp01(0.45f + n * 1.3f));
            rock =
                Mix(rock, Hex(0x4a3a5a), Clamp01(noise.Fbm(fx / 70 + 3, fy / 50, 3) + 0.2f) * 0.5f);
            rock = rock * (0.65f + 0.45f * strata) * (0.8f + 0.35f * fx / 300) *
                   (1.05f - 0.25f * depth / 180);
            const bool flat = rockTop(fx + 2) - rockTop(fx - 2) < 4; // No grass on the cliff face.
            if (flat && depth < 9 + 5 * noise.At(fx / 6, 1))
                rock = Mix(Hex(0x2f4a2a), Hex(0x6f7a3a), Clamp01(0.5f + n + (fx - 100) / 300));
            return rock;
        }
        if (fy < horizon) {
            const float t = fy / horizon;
            const Col zenith = Mix(Hex(0x0a1240), Hex(0x2a1a5a), fx / kWidth);
            Col sky = t < 0.55f ? Mix(zenith, Hex(0x5b3a7c), t / 0.55f)
                                : Mix(Hex(0x5b3a7c), Hex(0xf08a4b), (t - 0.55f) / 0.45f);
            const float gx = (fx - sunX) / 230, gy = (fy - horizon) / 110;
            const float glow = std::exp(-(gx * gx + gy * gy));
            sky = Mix(sky, Hex(0xffcf70), glow * 0.7f);
            const float sunDist = Length(fx - sunX, fy - horizon - 6);
            sky = Mix(sky, Hex(0xfff2c0), SmoothStep(34, 31, sunDist));
            // Long streaks of cloud, lit from below on the side facing the sun.
            // Streaks gathered into banks with gaps between, not one even sheet.
            const float c =
                noise.Fbm(fx / 110, fy / 16, 5) + 0.4f * noise.Fbm(fx / 70 + 3, fy / 45, 2);
            const float cloud =
                SmoothStep(-0.05f, 0.3f, c) * (0.75f + 0.25f * SmoothStep(10, 70, fy));
            const float under =
                SmoothStep(0.1f, 0.35f, c - noise.Fbm(fx / 110, fy / 16 - 0.25f, 5));
            // High cloud still catches the last light, so it reads against the night above.
            const Col cloudColour = Mix(Mix(Hex(0x4a3278), Hex(0xe06a78), std::sqrt(t)),
                                        Hex(0xffd890), Clamp01(glow * 0.7f + under * t));
            sky = Mix(sky, cloudColour, cloud * 0.9f);
            const float star = Hash01(x, y, 77);
            if (star > 0.993f)
                sky = Mix(sky, Col{1, 1, 0.9f},
                          Clamp01(1 - t * 1.8f) * (1 - cloud) * (star - 0.993f) * 140);
            return sky;
        }
        const float d = (fy - horizon) / (kHeight - horizon);
        Col sea = Mix(Hex(0x4b3a6e), Hex(0x0b1631), std::sqrt(d));
        // Near the horizon the water mirrors the glowing sky.
        sea = Mix(sea, Mix(Hex(0x8a4a6a), Hex(0xf09a5a), Clamp01(1 - std::abs(fx - sunX) / 300)),
                  std::exp(-d * 5) * 0.55f);
        const float wave = noise.Fbm(fx / (10 + 50 * d), fy / (1.5f + 9 * d), 4);
        // Swell rolling in: broad light and dark patches that break up the open water.
        const float swell = noise.Fbm(fx / (40 + 60 * d) + 7, fy / (6 + 24 * d), 3);
        sea = sea * (0.85f + 0.5f * wave) * (0.85f + 0.6f * swell);
        sea = Mix(sea, Hex(0x9a6a9a), SmoothStep(0.05f, 0.4f, swell) * (0.5f - 0.3f * d));
        const float rx = (fx - sunX) / (50 + 130 * d);
        const float path = std::exp(-rx * rx) * SmoothStep(-0.1f, 0.5f, wave);
        sea = Mix(sea, Hex(0xffc070), path * (0.8f - 0.3f * d));
        const float foam =
            SmoothStep(14, 0, rockTop(fx) - fy) * SmoothStep(0.1f, 0.5f, noise.At(fx / 5, fy / 3));
        return Mix(sea, Hex(0xd8c8e0), foam * 0.6f);
    });

    Painter p(&image);
    // A thin crescent moon rising over the headland.
    const QPointF moon(262, 26);
    Glow(p, moon, 40, Hex(0xc8c0ff), 0.3f);
    QPainterPath crescent;
    crescent.addEllipse(moon, 13, 13);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(6, -4), 12, 12);
    p.setBrush(Q(0xfff4d8));
    p.drawPath(crescent.subtracted(bite));
    // The first bright stars of the evening.
    Rng stars(1103);
    for (int i = 0; i < 14; ++i) {
        const float y = stars.Uniform(4, 40), x = stars.Uniform(170, 600);
        const QPointF at(x, y);
        const float r = stars.Uniform(1.5f, 3.5f);
        Glow(p, at, r * 4, Hex(0xd8d0ff), 0.45f);
        p.setBrush(Q(0xfffaf0));
        p.drawPath(Star(at, r, r * 0.3f, 4, stars.Uniform(0, 0.4f)));
    }
    const QPointF lamp(140, 52);
    // Beams first, so the tower stands in front of them.
    auto beam = [&](QPointF far1, QPointF far2, float strength) {
        QPainterPath wedge;
        wedge.moveTo(lamp);
        wedge.lineTo(far1);
        wedge.lineTo(far2);
        wedge.closeSubpath();
        QLinearGradient g(lamp, (far1 + far2) / 2);
        g.setColorAt(0, Q(0xfff2b0, strength));
        g.setColorAt(1, Q(0xfff2b0, 0));
        p.setBrush(g);
        p.drawPath(wedge);
    };
    beam({620, 10}, {620, 120}, 0.5f);
    beam({-20, 30}, {-20, 70}, 0.35f);
    Glow(p, lamp, 70, Hex(0xffe08a), 0.6f);

    const float base = rockTop(140);
    QPainterPath tower;
    tower.moveTo(118, base + 4);
    tower.lineTo(128, 72);
    tower.lineTo(152, 72);
    tower.lineTo(162, base + 4);
    tower.closeSubpath();
    p.setBrush(LinearGradient({118, 0}, {162, 0}, {0x9a8fa8, 0xf4ece6, 0xd9cfd6, 0x7a6f88}));
    p.drawPath(tower);
    p.save();
    p.setClipPath(tower);
    p.setBrush(LinearGradient({118, 0}, {162, 0}, {0x5a1020, 0xd23a3a, 0xb02a34, 0x4a0c1c}));
    for (int band = 0; band < 4; ++band)
        p.drawRect(QRectF(110, 72 + band * 33, 60, 16));
    p.setBrush(Q(0x241a2a));
    p.drawRect(QRectF(136, 105, 8, 12));
    p.drawRect(QRectF(136, 150, 8, 12));
    p.restore();
    p.setBrush(Q(0x2a2030));
    p.drawRect(QRectF(122, 66, 36, 7));
    p.setBrush(RadialGradient(lamp, 16, {{0, Q(0xffffff)}, {1, Q(0xffc34a)}}));
    p.drawRect(QRectF(129, 40, 22, 26));
    p.setPen(QPen(Q(0x2a2030), 2));
    for (float bar = 133; bar < 150; bar += 5.5f)
        p.drawLine(QPointF(bar, 40), QPointF(bar, 66));
    p.setPen(Qt::NoPen);
    QPainterPath roof;
    roof.moveTo(125, 41);
    roof.quadTo(140, 14, 155, 41);
    roof.closeSubpath();
    p.setBrush(LinearGradient({125, 0}, {155, 0}, {0x5a1020, 0xc03a3a, 0x4a0c1c}));
    p.drawPath(roof);

    // Keeper's cottage with a lit window.
    const float cottage = rockTop(200);
    p.setBrush(LinearGradient({172, 0}, {222, 0}, {0x8a7c8a, 0xd8ccc8}));
    p.drawRect(QRectF(172, cottage - 24, 50, 28));
    QPainterPath gable;
    gable.moveTo(167, cottage - 23);
    gable.lineTo(197, cottage - 44);
    gable.lineTo(227, cottage - 23);
    gable.closeSubpath();
    p.setBrush(Q(0x4a2a3a));
    p.drawPath(gable);
    p.setBrush(Q(0xffd27a));
    p.drawRect(QRectF(182, cottage - 17, 10, 9));
    p.drawRect(QRectF(204, cottage - 17, 10, 9));
    Glow(p, {197, cottage - 12}, 30, Hex(0xffb050), 0.35f);

    // A sailboat heading home and a few gulls.
    QPainterPath hull;
    hull.moveTo(455, 262);
    hull.lineTo(505, 262);
    hull.lineTo(497, 270);
    hull.lineTo(462, 270);
    hull.closeSubpath();
    p.setBrush(Q(0x1a1428));
    p.drawPath(hull);
    QPainterPath sail;
    sail.moveTo(478, 258);
    sail.lineTo(478, 212);
    sail.lineTo(500, 258);
    sail.closeSubpath();
    p.setBrush(Q(0xe8b89a));
    p.drawPath(sail);
    p.setBrush(Q(0xb8889a));
    QPainterPath jib;
    jib.moveTo(475, 258);
    jib.lineTo(475, 220);
    jib.lineTo(458, 258);
    jib.closeSubpath();
    p.drawPath(jib);
    p.setBrush(Qt::NoBrush);
    Rng rng(1102);
    for (int i = 0; i < 7; ++i) {
        const float gx = rng.Uniform(250, 580), gy = rng.Uniform(60, 170), s = rng.Uniform(4, 9);
        p.setPen(QPen(Q(0x1c1230), 1.6));
        QPainterPath gull;
        gull.moveTo(gx - s, gy - s * 0.3f);
        gull.quadTo(gx - s * 0.4f, gy - s * 0.6f, gx, gy);
        gull.quadTo(gx + s * 0.4f, gy - s * 0.6f, gx + s, gy - s * 0.3f);
        p.drawPath(gull);
    }
    p.end();
    Finish(image);
    return image;
}

QImage MountainLake() {
    QImage image = NewCanvas();
    const Noise noise(1201);
    const int shore = 252;
    const float sunX = 395, sunY = 178;
    constexpr int kLayers = 3;
    const float base[kLayers] = {200, 222, 246};
    const float amp[kLayers] = {165, 95, 50};
    const float scale[kLayers] = {230, 130, 80};
    const Col rockColour[kLayers] = {Hex(0x9a88a8), Hex(0x6a5f80), Hex(0x34504e)};
    // Silhouettes keep the fine octaves; shading uses a smoother profile so
    // faces read as faces rather than as vertical streaks.
    std::vector<float> top[kLayers], smooth[kLayers], trees(kWidth);
    for (int l = 0; l < kLayers; ++l) {
        top[l].resize(kWidth);
        smooth[l].resize(kWidth + 16);
        auto envelope = [&](float x) {
            if (l != 0)
                return 0.6f;
            return 0.35f + 0.65f * std::exp(-std::pow((x - 250) / 130, 2.0f)) +
                   0.45f * std::exp(-std::pow((x - 520) / 80, 2.0f));
        };
        for (int x = 0; x < kWidth + 16; ++x) {
            const float fx = x - 8.0f;
            smooth[l][x] = base[l] - amp[l] * envelope(fx) *
                                         noise.Ridged(fx / scale[l] + l * 13.7f, l * 3.1f, 2) *
                                         1.4f;
        }
        for (int x = 0; x < kWidth; ++x) {
            const float detail = noise.Ridged(x / scale[l] + l * 13.7f, l * 3.1f, 6) -
                                 noise.Ridged(x / scale[l] + l * 13.7f, l * 3.1f, 2);
            top[l][x] = smooth[l][x + 8] - amp[l] * envelope(x) * detail * 0.8f;
        }
    }
    for (int x = 0; x < kWidth; ++x) {
        const float t = Fract(x / 9.0f + noise.At(x / 30.0f, 5) * 0.6f);
        const float spike = 1 - std::abs(2 * t - 1);
        trees[x] = shore - 4 - (5 + 20 * spike) * (0.55f + 0.45f * noise.At(x / 25.0f, 9));
    }
    auto sky = [&](float fx, float fy) {
        const float t = fy / shore;
        Col c =
            Mix(Mix(Hex(0x2a58a8), Hex(0x5a80c8), fx / kWidth), Hex(0xf7c9a2), std::pow(t, 1.3f));
        const float gx = (fx - sunX) / 120, gy = (fy - sunY) / 90;
        c = Mix(c, Hex(0xfff0c8), std::exp(-(gx * gx + gy * gy)) * 0.8f);
        const float cloud = SmoothStep(0.0f, 0.4f, noise.Fbm(fx / 130, fy / 20 + 4, 5));
        const float rim = SmoothStep(0.3f, 0.5f, noise.Fbm(fx / 130, fy / 20 + 4.15f, 5));
        const Col cloudColour = Mix(Mix(Hex(0xb0a0c8), Hex(0xffd8c0), t), Hex(0xfff4e0), rim);
        // High wisps of cirrus, combed by the wind.
        const float wisps =
            noise.Fbm(fx / 70 + fy / 25, fy / 7 + 9, 4) + 0.3f * noise.At(fx / 60 + 5, fy / 30);
        const float cirrus = SmoothStep(0.15f, 0.45f, wisps) * SmoothStep(130, 20, fy);
        c = Mix(c, Hex(0xf8f0ff), cirrus * 0.6f);
        return Mix(c, cloudColour, cloud * 0.85f);
    };
    for (int y = 0; y < shore; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const float fx = x, fy = y;
            Col c;
            bool mountain = false;
            // Only the nearest layer that reaches this pixel shows.
            for (int l = kLayers - 1; l >= 0 && !mountain; --l) {
                const float h = top[l][x];
                if (fy < h)
                    continue;
                mountain = true;
                const float slope = (smooth[l][x] - smooth[l][x + 16]) / 16;
                // Ridges of a 2D field run down the faces; the profile's slope
                // decides the light only near the crest.
                const float u = fx / 38 + l * 11, v = fy / 50 + l * 5;
                const float gully = noise.Ridged(u, v, 4);
                const float across =
                    (noise.Ridged(u + 0.05f, v, 4) - noise.Ridged(u - 0.05f, v, 4)) * 6;
                const float crest = SmoothStep(45, 5, fy - h);
                const float lit =
                    Clamp01(0.5f + Mix(across, slope * 2.2f, crest) * 0.8f + (gully - 0.5f) * 0.3f);
                const float n = noise.Fbm(fx / 9 + l * 7, fy / 9, 2);
                Col rock = rockColour[l] * (0.55f + 0.75f * lit + 0.15f * n);
                const float snowLine =
                    base[l] - amp[l] * 0.62f + 16 * noise.At(fx / 18, l + 0.5f) + 18 * gully;
                if (l < 2 && fy < snowLine)
                    rock = Mix(Hex(0x8a94c8), Hex(0xfff0e2), lit) * (0.94f + 0.1f * n);
                const float haze = (l == 0   ? 0.32f
                                    : l == 1 ? 0.16f
                                             : 0.04f) +
                                   0.45f * SmoothStep(base[l] - 60, base[l] + 10, fy);
                c = Mix(rock, Mix(Hex(0xd8b8c0), Hex(0xf0d0b8), fx / kWidth), Clamp01(haze));
            }
            if (!mountain) {
                c = sky(fx, fy);
                const float sunDist = Length(fx - sunX, fy - sunY);
                if (sunDist < 24)
                    c = Mix(c, Hex(0xfffbe8), SmoothStep(24, 21, sunDist));
            }
            if (fy > trees[x]) {
                const float n = noise.At(fx / 3, fy / 3);
                c = Mix(Hex(0x0f2a22), Hex(0x2f5a3a), Clamp01(0.35f + n + (fx - 200) / 900));
            }
            line[x] = ToRgb(c);
        }
    }
    for (int y = shore; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float d = float(y - shore) / (kHeight - shore);
        for (int x = 0; x < kWidth; ++x) {
            const float ripple = noise.Fbm(x / 40.0f, y / (2.0f + 6 * d), 3);
            const int sx = std::clamp(static_cast<int>(x + ripple * (4 + 14 * d)), 0, kWidth - 1);
            const int sy =
                std::clamp(2 * shore - y - static_cast<int>(ripple * 6 * d), 0, shore - 1);
            Col c = FromRgb(image.pixel(sx, sy));
            c = Mix(c, Mix(Hex(0x28507a), Hex(0x0e2438), d), 0.25f + 0.45f * d);
            // Close to us the ripples tilt up and catch the blue overhead.
            const float tilt = noise.Fbm(x / (25.0f + 40 * d), y / (3.0f + 9 * d) + 20, 3);
            c = Mix(c, Hex(0x6a96d8), SmoothStep(0.0f, 0.35f, tilt) * 0.55f * d);
            const float rx = (x - sunX) / (30 + 60 * d);
            c = Mix(c, Hex(0xfff0c8), std::exp(-rx * rx) * SmoothStep(0.2f, 0.6f, ripple) * 0.7f);
            c = c * (0.92f + 0.25f * ripple);
            line[x] = ToRgb(c);
        }
    }

    Painter p(&image);
    // A canoe drifting on the lake, and shore rocks.
    QPainterPath canoe;
    canoe.moveTo(150, 310);
    canoe.quadTo(200, 324, 250, 308);
    canoe.quadTo(200, 316, 150, 310);
    p.setBrush(LinearGradient({150, 306}, {150, 322}, {0xe25a3a, 0x7a2414}));
    p.drawPath(canoe);
    p.setPen(QPen(Q(0x3a2010), 2.5));
    p.drawLine(QPointF(185, 300), QPointF(215, 326));
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0x3a3a56));
    p.drawEllipse(QPointF(200, 304), 6, 7);
    p.setBrush(Q(0xe8b890));
    p.drawEllipse(QPointF(200, 294), 4, 4.5);
    Rng rng(1202);
    for (int i = 0; i < 9; ++i) {
        const float rx = rng.Uniform(-10, 130) + (i % 2) * 470, ry = rng.Uniform(340, 385);
        const float r = rng.Uniform(14, 30);
        p.setBrush(RadialGradient({rx - r * 0.3f, ry - r * 0.4f}, r * 1.3f,
                                  {{0, Q(0x8a8a96)}, {1, Q(0x2a2a36)}}));
        p.drawEllipse(QPointF(rx, ry), r * 1.3f, r * 0.8f);
    }
    p.end();
    Finish(image);
    return image;
}

QImage AutumnForestPath() {
    QImage image = NewCanvas();
    const Noise noise(1301);
    const float ground = 222;
    auto pathCentre = [](float d) { return 300 + 60 * std::sin(d * 3.2f) - 20 * d; };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy < ground) {
            const float t = fy / ground;
            Col c = Mix(Hex(0xfff0c0), Hex(0xd98a3a), t);
            const float gx = (fx - 330) / 160, gy = (fy - 70) / 120;
            c = Mix(c, Hex(0xfffbe8), std::exp(-(gx * gx + gy * gy)));
            const float canopy = noise.Fbm(fx / 36, fy / 30, 5);
            const float far = SmoothStep(-0.2f, 0.3f, canopy + (t - 0.6f) * 0.8f);
            const Col leaves = Mix(Hex(0xc8502a), Hex(0xf2b640), 0.5f + noise.At(fx / 60, fy / 60));
            return Mix(c, Mix(leaves, Hex(0x8a5a3a), t * 0.5f), far * 0.75f);
        }
        const float d = (fy - ground) / (kHeight - ground);
        const float mist = SmoothStep(0.3f, 0.0f, d) * 0.6f;
        const float u = (fx - 300) / (0.08f + d) / 300;
        const float leafNoise = noise.Fbm(u * 3, 1 / (0.08f + d) * 0.7f, 4);
        Col c = Hsv(0.06f + 0.05f * leafNoise + 0.02f * std::sin(u * 2), 0.85f,
                    0.45f + 0.35f * d + 0.35f * leafNoise);
        const float offset = std::abs(fx - pathCentre(d)) / (12 + 130 * d);
        if (offset < 1) {
            const Col dirt = Mix(Hex(0x9a7450), Hex(0xd8b888), d) *
                             (0.85f + 0.3f * noise.Fbm(fx / 6, fy / 4, 3));
            c = Mix(dirt, c,
                    SmoothStep(0.6f, 1.0f, offset) * 0.8f +
                        0.2f * SmoothStep(0.1f, 0.5f, leafNoise));
        }
        return Mix(c, Mix(Hex(0xf0c080), Hex(0xffe8b0), 1 - std::abs(fx - 330) / 330), mist);
    });

    Painter p(&image);
    Rng rng(1302);
    struct Tree {
        float x, depth;
    };
    std::vector<Tree> trunks;
    Rng dapple(1303);
    for (int i = 0; i < 13; ++i) {
        const float x = rng.Uniform(-20, 620), depth = rng.Uniform(0.05f, 1.0f);
        trunks.push_back({x, depth});
    }
    std::sort(trunks.begin(), trunks.end(),
              [](const Tree& a, const Tree& b) { return a.depth < b.depth; });
    for (const Tree& t : trunks) {
        const float path = pathCentre(t.depth), half = 12 + 130 * t.depth;
        float x = t.x;
        if (std::abs(x - path) < half + 10)
            x = x < path ? path - half - 10 - 30 * t.depth : path + half + 10 + 30 * t.depth;
        const float w = 5 + 42 * t.depth * t.depth + 4 * t.depth;
        const float baseY = ground + (kHeight - ground) * t.depth + 6;
        const Col bark = Mix(Hex(0x7a5a48), Hex(0x2a1a14), t.depth);
        p.setBrush(LinearGradient({x - w / 2, 0}, {x + w / 2, 0},
                                  {ToRgb(bark * 0.7f) & 0xffffff, ToRgb(bark * 1.4f) & 0xffffff,
                                   ToRgb(bark) & 0xffffff}));
        p.drawRect(QRectF(x - w / 2, -5, w, baseY + 5));
        // Sun catches the middle of the trunk; the foot sinks into shadow.
        QLinearGradient shade(0, 0, 0, baseY);
        shade.setColorAt(0, Q(0x000000, 0.25f));
        shade.setColorAt(0.45f, Q(0xffc070, 0.18f));
        shade.setColorAt(1, Q(0x000000, 0.35f));
        p.setBrush(shade);
        p.drawRect(QRectF(x - w / 2, -5, w, baseY + 5));
        p.setBrush(Q(bark * 0.45f));
        for (int k = 0; k < 3; ++k) {
            const float ky = rng.Uniform(20, baseY - 30), kx = x + rng.Uniform(-0.25f, 0.25f) * w;
            p.drawEllipse(QPointF(kx, ky), w * 0.12f, w * 0.2f);
        }
        p.setPen(QPen(Q(bark * 0.5f, 0.6f), std::max(1.0f, w / 14)));
        for (int k = 0; k < 12; ++k) {
            const float bx = x - w / 2 + w * rng.Uniform(0.15f, 0.85f);
            const float by = rng.Uniform(0, baseY - 20);
            const float drop = rng.Uniform(15, 60), drift = rng.Uniform(-2, 2);
            p.drawLine(QPointF(bx, by), QPointF(bx + drift, by + drop));
        }
        p.setPen(Qt::NoPen);
        // Sun through the canopy dapples the near trunks.
        p.save();
        p.setClipRect(QRectF(x - w / 2, -5, w, baseY + 5));
        for (int k = 0; t.depth > 0.5f && k < 8; ++k) {
            const float r = w * dapple.Uniform(0.2f, 0.4f);
            const float gx = x + w * dapple.Uniform(-0.5f, 0.5f),
                        gy = baseY * dapple.Uniform(0.1f, 0.9f);
            Glow(p, {gx, gy}, r, Hex(0xffc878), 0.55f);
        }
        p.restore();
        for (int k = 0; k < 40; ++k) {
            const float lx = x + rng.Uniform(-60, 60) * (0.5f + t.depth);
            const float ly = rng.Uniform(-20, 120 - 60 * t.depth);
            const float r = rng.Uniform(6, 18) * (0.5f + t.depth);
            const float value = rng.Uniform(0.55f, 1.0f), saturation = rng.Uniform(0.7f, 0.95f),
                        hue = rng.Uniform(0.0f, 0.13f);
            p.setBrush(Q(Hsv(hue, saturation, value), 0.75f));
            p.drawEllipse(QPointF(lx, ly), r, r * 0.8f);
        }
    }
    for (int i = 0; i < 900; ++i) {
        const float y = rng.Uniform(ground, kHeight + 5);
        const float d = (y - ground) / (kHeight - ground);
        const float x = rng.Uniform(-10, 610), s = 1.5f + 7 * d;
        p.save();
        p.translate(x, y);
        p.rotate(rng.Uniform(0, 180));
        const float value = rng.Uniform(0.5f, 1.0f), hue = rng.Uniform(0.0f, 0.14f);
        p.setBrush(Q(Hsv(hue, 0.9f, value), 0.9f));
        p.drawEllipse(QPointF(0, 0), s, s * 0.45f);
        p.restore();
    }
    for (int i = 0; i < 45; ++i) {
        p.save();
        const float ly = rng.Uniform(0, 230), lx = rng.Uniform(0, 600);
        p.translate(lx, ly);
        p.rotate(rng.Uniform(0, 180));
        p.setBrush(Q(Hsv(rng.Uniform(0.02f, 0.13f), 0.9f, 0.95f)));
        p.drawEllipse(QPointF(0, 0), 5, 2.2);
        p.restore();
    }
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int i = 0; i < 4; ++i) {
        const float x0 = 260 + i * 45;
        QPainterPath ray;
        ray.moveTo(x0, -5);
        ray.lineTo(x0 + 22, -5);
        ray.lineTo(x0 - 60 + i * 70, 380);
        ray.lineTo(x0 - 120 + i * 70, 380);
        ray.closeSubpath();
        QLinearGradient g(0, 0, 0, 375);
        g.setColorAt(0, Q(0x403018));
        g.setColorAt(1, Q(0x000000));
        p.setBrush(g);
        p.drawPath(ray);
    }
    p.end();
    Finish(image);
    return image;
}

QImage StainedGlass() {
    QImage image = NewCanvas();
    const Noise noise(1401);
    Rng rng(1402);
    const QPointF centre(300, 187);
    struct Seed {
        float x, y;
        Col colour;
    };
    std::vector<Seed> seeds;
    auto addSeed = [&](float x, float y) {
        const float r = Length(x - centre.x(), y - centre.y());
        Col c;
        if (r < 140) {
            const float value = rng.Uniform(0.7f, 1.0f), saturation = rng.Uniform(0.65f, 0.95f),
                        hue = rng.Uniform(-0.04f, 0.14f) + r / 1400;
            c = Hsv(hue, saturation, value);
        } else {
            const float hue =
                0.5f + 0.22f * std::sin(x / 150 + y / 110) + rng.Uniform(-0.06f, 0.06f);
            const float value = rng.Uniform(0.55f, 0.95f), saturation = rng.Uniform(0.55f, 0.9f);
            c = Hsv(hue, saturation, value);
        }
        seeds.push_back({x, y, c});
    };
    for (int gy = 0; gy < 10; ++gy)
        for (int gx = 0; gx < 15; ++gx) {
            const float x = gx * 42 + rng.Uniform(4, 38), y = gy * 39 + rng.Uniform(4, 35);
            if (Length(x - centre.x(), y - centre.y()) > 150)
                addSeed(x, y);
        }
    const int rings[] = {1, 7, 13, 19};
    for (int ring = 0; ring < 4; ++ring)
        for (int k = 0; k < rings[ring]; ++k) {
            const float a = 2 * kPi * k / rings[ring] + ring * 0.3f;
            const float r = ring * 37.0f;
            addSeed(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        }
    Shade(image, [&](int x, int y) {
        const float fx = x + 3 * noise.At(x / 25.0f, y / 25.0f);
        const float fy = y + 3 * noise.At(y / 25.0f + 9, x / 25.0f);
        float d1 = 1e9f, d2 = 1e9f;
        const Seed* nearest = nullptr;
        for (const Seed& s : seeds) {
            const float d = (fx - s.x) * (fx - s.x) + (fy - s.y) * (fy - s.y);
            if (d < d1) {
                d2 = d1;
                d1 = d;
                nearest = &s;
            } else if (d < d2) {
                d2 = d;
            }
        }
        const float edge = std::sqrt(d2) - std::sqrt(d1);
        const float r = Length(fx - centre.x(), fy - centre.y());
        const float ringLead = std::min(std::abs(r - 150), std::abs(r - 20));
        const float light = 0.55f + 0.45f * Clamp01(1.2f - Length(x - 480.0f, y - 40.0f) / 520);
        const float mottle = noise.Fbm(x / 9.0f, y / 9.0f, 3);
        Col glass = nearest->colour *
                    (light * (0.85f + 0.35f * mottle) + 0.25f * SmoothStep(30, 0, std::sqrt(d1)));
        const float lead = std::max(SmoothStep(3.5f, 2.0f, edge), SmoothStep(4.0f, 2.5f, ringLead));
        const Col leadColour = Mix(Hex(0x1a1a20), Hex(0x50505a), Clamp01(0.5f + mottle));
        return Mix(glass, leadColour, lead);
    });
    Finish(image, 0.6f);
    return image;
}

QImage NorthernLights() {
    QImage image = NewCanvas();
    const Noise noise(1501);
    std::vector<float> far(kWidth), near(kWidth), peaks(kWidth);
    for (int x = 0; x < kWidth; ++x) {
        const float massif = std::exp(-std::pow((x - 160) / 120.0f, 2.0f)) +
                             0.6f * std::exp(-std::pow((x - 470) / 80.0f, 2.0f));
        peaks[x] = 252 - (45 + 110 * massif) * noise.Ridged(x / 90.0f + 4, 2.5f, 5);
        far[x] = 262 - 34 * noise.Fbm(x / 160.0f, 1.5f, 4) - 14 * std::sin(x / 140.0f);
        near[x] = 318 - 22 * noise.Fbm(x / 230.0f, 7.5f, 3) + 10 * std::sin(x / 100.0f + 1);
    }
    auto aurora = [&](float fx, float fy) {
        Col light;
        // A faint red curtain high up, where the aurora glows red.
        const float highEdge = 75 + 25 * noise.At(fx / 150, 8.5f);
        const float high = (highEdge - fy) / 60;
        const float highRays = 0.5f + 0.5f * noise.At(fx / 9 + 3, fy / 200 + 6);
        light = light +
                Hex(0xd04070) * ((high > 0 ? std::exp(-high * 2) : std::exp(high * 10)) * highRays *
                                 0.45f * std::exp(-std::pow((fx - 330) / 200, 2.0f)));
        for (int k = 0; k < 2; ++k) {
            const float edge = (k == 0 ? 150 : 205) + 45 * noise.At(fx / 190 + k * 4, k * 2.5f) +
                               (k == 0 ? -40 : 30) * std::sin(fx / 170 + k);
            const float up = (edge - fy) / (k == 0 ? 130.0f : 120.0f);
            const float rays =
                0.5f + 0.5f * noise.At(fx / 6 + noise.At(fx / 70, fy / 120) * 5, fy / 260 + k * 3);
            float a = up > 0 ? std::exp(-up * 2.0f) * (0.3f + 0.8f * rays) : std::exp(up * 14);
            a *= 0.6f + 0.6f * noise.At(fx / 120 + k, 2.0f + k);
            light = light +
                    Mix(k == 0 ? Hex(0x3cff9a) : Hex(0x50ffd0), Hex(0xb050ff), Clamp01(up * 1.2f)) *
                        (a * (k == 0 ? 0.9f : 0.85f));
        }
        return light;
    };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy < far[x] && fy > peaks[x]) {
            // Distant mountains, their snow tinted by the aurora.
            const float depth = fy - peaks[x];
            const float n = noise.Fbm(fx / 12, fy / 12, 3);
            Col rock = Mix(Hex(0x0c1a2c), Hex(0x2a4a60), Clamp01(0.4f + n));
            rock = Mix(rock, Hex(0x8ac8c0), SmoothStep(18, 4, depth + 6 * n) * 0.8f);
            return rock + aurora(fx, 170) * 0.12f;
        }
        if (fy < far[x]) {
            Col c = Mix(Mix(Hex(0x02061a), Hex(0x0a0a24), fx / kWidth), Hex(0x123a52),
                        std::pow(fy / 280, 1.5f));
            // A faint band of the galaxy across the top.
            const float band = std::exp(-std::pow((fy - 14 - fx * 0.04f) / 40, 2.0f));
            const float dust = noise.Fbm(fx / 40, fy / 22, 5);
            c = c + Mix(Hex(0x3a2a60), Hex(0x6a5a8a), Clamp01(dust + 0.5f)) *
                        (band * Clamp01(0.3f + dust * 1.8f));
            if (Hash01(x, y, 1506) > 0.985f)
                c = c + Col{0.5f, 0.5f, 0.6f} * band;
            const Col glow = aurora(fx, fy);
            c = c + glow;
            const float s = Hash01(x, y, 1502);
            if (s > 0.995f)
                c = c + Col{1, 1, 1} * ((s - 0.995f) * 160 * Clamp01(1 - glow.g));
            return c;
        }
        const bool isNear = fy >= near[x];
        const float h = isNear ? near[x] : far[x];
        const float slope = isNear ? (near[std::max(0, x - 2)] - near[std::min(kWidth - 1, x + 2)])
                                   : (far[std::max(0, x - 2)] - far[std::min(kWidth - 1, x + 2)]);
        const float lit = Clamp01(0.55f + slope * 0.25f);
        const float drift = noise.Fbm(fx / 50, fy / 12, 4);
        Col snow = Mix(Hex(0x2a4470), Hex(0xb8d8f0), lit * 0.6f + 0.25f + 0.25f * drift);
        snow = Mix(snow, Hex(0x1a3050), SmoothStep(0, 60, fy - h) * (isNear ? 0.15f : 0.45f));
        if (isNear) {
            // Rolling drifts, lit on the faces that turn up to the sky.
            auto drift = [&](float v) { return noise.Fbm(fx / 80 + 3, v / 16 - fx / 500, 2); };
            const float face = (drift(fy - 4) - drift(fy + 4)) * 3.0f;
            snow =
                Mix(snow, face > 0 ? Hex(0xe8f4ff) : Hex(0x2a4a7a), Clamp01(std::abs(face)) * 0.6f);
        }
        snow = snow + aurora(fx, 160) * 0.18f;
        if (Hash01(x, y, 1503) > 0.993f)
            snow = snow + Col{0.5f, 0.6f, 0.7f};
        return snow;
    });

    Painter p(&image);
    const QPointF moon(528, 46);
    Glow(p, moon, 60, Hex(0xc0d0ff), 0.35f);
    p.setBrush(RadialGradient(moon - QPointF(6, 6), 22, {{0, Q(0xfffef0)}, {1, Q(0xd8dcc8)}}));
    p.drawEllipse(moon, 18, 18);
    p.setBrush(Q(0xb8bca8, 0.6f));
    p.drawEllipse(moon + QPointF(-6, -4), 4, 4);
    p.drawEllipse(moon + QPointF(6, 6), 3, 3);
    p.drawEllipse(moon + QPointF(5, -8), 2, 2);
    // A shooting star.
    QLinearGradient trail(QPointF(70, 14), QPointF(190, 44));
    trail.setColorAt(0, Q(0xffffff, 0.0f));
    trail.setColorAt(1, Q(0xffffff, 0.9f));
    p.setPen(QPen(QBrush(trail), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 14), QPointF(190, 44));
    p.setPen(Qt::NoPen);
    Glow(p, {190, 44}, 8, Hex(0xffffff), 0.9f);
    Rng rng(1504);
    auto pine = [&](float x, float baseY, float h) {
        p.setBrush(Q(0x1a1008));
        p.drawRect(QRectF(x - h * 0.04f, baseY - h * 0.15f, h * 0.08f, h * 0.17f));
        for (int tier = 0; tier < 4; ++tier) {
            const float ty = baseY - h * 0.12f - tier * h * 0.21f, w = h * (0.32f - tier * 0.06f);
            QPainterPath t;
            t.moveTo(x - w, ty);
            t.lineTo(x, ty - h * 0.34f);
            t.lineTo(x + w, ty);
            t.closeSubpath();
            p.setBrush(Q(Mix(Hex(0x08241e), Hex(0x16403a), tier / 4.0f)));
            p.drawPath(t);
            QPainterPath cap;
            cap.moveTo(x - w * 0.6f, ty - h * 0.1f);
            cap.lineTo(x, ty - h * 0.34f);
            cap.lineTo(x + w * 0.5f, ty - h * 0.12f);
            cap.quadTo(x, ty - h * 0.2f, x - w * 0.6f, ty - h * 0.1f);
            p.setBrush(Q(0xd8ecff, 0.85f));
            p.drawPath(cap);
        }
    };
    for (int i = 0; i < 22; ++i) {
        const float x = rng.Uniform(0, 600);
        pine(x, far[std::clamp(int(x), 0, kWidth - 1)] + 4, rng.Uniform(22, 40));
    }
    // Cabin with a warm window.
    const float cx = 430, cy = near[430] + 8;
    p.setBrush(LinearGradient({cx - 40, 0}, {cx + 40, 0}, {0x3a2414, 0x6a4024, 0x4a2c18}));
    p.drawRect(QRectF(cx - 40, cy - 38, 80, 40));
    QPainterPath roof;
    roof.moveTo(cx - 50, cy - 36);
    roof.lineTo(cx, cy - 70);
    roof.lineTo(cx + 50, cy - 36);
    roof.closeSubpath();
    p.setBrush(Q(0xe8f4ff));
    p.drawPath(roof);
    p.setBrush(Q(0x3a2414));
    p.drawRect(QRectF(cx + 18, cy - 80, 10, 26));
    p.setBrush(Q(0xffc060));
    p.drawRect(QRectF(cx - 28, cy - 28, 16, 14));
    p.drawRect(QRectF(cx + 10, cy - 28, 16, 14));
    Glow(p, {cx, cy - 20}, 70, Hex(0xffa040), 0.35f);
    for (int i = 0; i < 6; ++i)
        Glow(p, {cx + 24 + i * 9.0f + 6 * std::sin(i * 1.3f), cy - 88 - i * 16.0f}, 8 + i * 3.0f,
             Hex(0xa0b0c8), 0.35f);
    for (int i = 0; i < 9; ++i) {
        const float x = rng.Uniform(0, 600);
        if (std::abs(x - cx) > 70)
            pine(x, near[std::clamp(int(x), 0, kWidth - 1)] + 12, rng.Uniform(55, 95));
    }
    p.end();
    Finish(image);
    return image;
}

QImage TropicalBeach() {
    QImage image = NewCanvas();
    const Noise noise(1601);
    const float horizon = 188;
    auto shoreY = [&](float x) { return 282 + 16 * std::sin(x / 95) + 6 * noise.At(x / 40, 2.5f); };
    auto cloudAt = [&](float fx, float fy) {
        return SmoothStep(0.05f, 0.35f, noise.Fbm(fx / 110, fy / 45, 5)) *
               SmoothStep(horizon, horizon - 60, fy);
    };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy < horizon) {
            Col sky = Mix(Mix(Hex(0x1f6fc8), Hex(0x3aa0e0), fx / kWidth), Hex(0xcdf0fa),
                          std::pow(fy / horizon, 1.6f));
            const float gx = (fx - 520) / 140, gy = (fy - 30) / 110;
            sky = Mix(sky, Hex(0xfffbe0), std::exp(-(gx * gx + gy * gy)) * 0.75f);
            // Soft rays fanning out from the sun.
            const float angle = std::atan2(fy - 30, fx - 520);
            const float rays = SmoothStep(
                0.3f, 0.9f, 0.5f + 0.5f * std::sin(angle * 11 + 2 * noise.At(angle * 3, 4.5f)));
            sky = Mix(sky, Hex(0xfffcec), rays * 0.3f * std::exp(-Length(fx - 520, fy - 30) / 150));
            sky = Mix(sky, Hex(0xffffff), SmoothStep(26, 23, Length(fx - 520, fy - 30)));
            const float c = cloudAt(fx, fy);
            const float shade = Clamp01((cloudAt(fx, fy - 6) - c) * 2.5f + 0.6f);
            sky = Mix(sky, Mix(Hex(0xa8b8d0), Hex(0xffffff), shade), c);
            // Fair-weather cumulus piled along the horizon, sunlit on top.
            const float bankTop = horizon - 10 -
                                  50 * Clamp01(0.45f + 1.8f * noise.Fbm(fx / 80 + 20, 0.5f, 3)) -
                                  9 * noise.Fbm(fx / 16, fy / 12 + 30, 3);
            const float into = (fy - bankTop) / (horizon - bankTop);
            if (into > 0)
                sky = Mix(sky, Mix(Hex(0xffffff), Hex(0x9ab4cc), Clamp01(into * 1.4f)),
                          SmoothStep(0, 0.12f, into) * 0.85f);
            const float island = 182 - 26 * std::exp(-std::pow((fx - 470) / 50, 2)) -
                                 8 * std::exp(-std::pow((fx - 520) / 25, 2));
            if (fy > island)
                sky = Mix(Hex(0x2f6a5a), Hex(0x5a9a7a), noise.At(fx / 6, fy / 6) * 0.5f + 0.3f);
            return sky;
        }
        const float shore = shoreY(fx);
        if (fy < shore) {
            const float d = (fy - horizon) / (shore - horizon);
            Col sea = Mix(Hex(0x0b4f86), Hex(0x27c6c0), std::pow(d, 1.4f));
            const float wave = noise.Fbm(fx / (8 + 60 * d), fy / (1.5f + 6 * d), 4);
            sea =
                sea * (0.9f + 0.35f * wave) * (0.85f + 0.35f * noise.Fbm(fx / 150, fy / 30 + 5, 2));
            // Turquoise over the sandbanks, deep blue over the reef and under cloud shadow.
            const float reef = noise.Fbm(fx / (35 + 50 * d) + 9, fy / (5 + 20 * d), 3);
            sea = Mix(sea, Hex(0x30c8c8), SmoothStep(0.05f, 0.35f, reef) * 0.55f);
            sea = Mix(sea, Hex(0x06305a), SmoothStep(-0.05f, -0.35f, reef) * 0.5f);
            // Sunlight glittering on the water below the sun.
            const float glitter =
                std::exp(-std::pow((fx - 520) / 70, 2.0f)) * SmoothStep(0.2f, 0.45f, wave);
            sea = Mix(sea, Hex(0xffffff), glitter * 0.6f);
            sea = Mix(sea, Col{1, 1, 1}, SmoothStep(0.35f, 0.55f, wave) * 0.6f);
            const float foam =
                SmoothStep(12, 0, shore - fy) * SmoothStep(-0.2f, 0.3f, noise.At(fx / 9, fy / 3));
            return Mix(sea, Hex(0xf4fbff), foam);
        }
        const float d = (fy - shore) / (kHeight - shore);
        const float ripple =
            0.5f + 0.5f * std::sin((fy + 8 * noise.At(fx / 50, fy / 30)) / 3.5f + fx / 90);
        Col sand = Mix(Hex(0xc9a670), Hex(0xf6dfa8), Clamp01(d * 3));
        sand = sand * (0.9f + 0.08f * ripple + 0.12f * noise.Fbm(fx / 18, fy / 18, 3));
        sand = sand * (0.92f + 0.16f * Hash01(x, y, 1602)) * (1.05f - 0.1f * fx / 600);
        return sand;
    });

    Painter p(&image);
    // A sailing boat on the horizon and gulls overhead.
    p.setBrush(Q(0x2a3a4a));
    QPainterPath boatHull;
    boatHull.moveTo(215, 186);
    boatHull.lineTo(265, 186);
    boatHull.lineTo(258, 193);
    boatHull.lineTo(222, 193);
    boatHull.closeSubpath();
    p.drawPath(boatHull);
    QPainterPath mainsail;
    mainsail.moveTo(240, 184);
    mainsail.lineTo(240, 140);
    mainsail.lineTo(262, 184);
    mainsail.closeSubpath();
    p.setBrush(LinearGradient({240, 140}, {262, 184}, {0xffffff, 0xd0dce8}));
    p.drawPath(mainsail);
    QPainterPath foresail;
    foresail.moveTo(237, 184);
    foresail.lineTo(237, 148);
    foresail.lineTo(218, 184);
    foresail.closeSubpath();
    p.setBrush(Q(0xf05a4a));
    p.drawPath(foresail);
    // A windsurfer further along the coast.
    p.setBrush(Q(0xf8f0e0));
    p.drawRect(QRectF(30, 214, 22, 2.5));
    QPainterPath sail;
    sail.moveTo(41, 213);
    sail.lineTo(41, 190);
    sail.quadTo(53, 198, 50, 212);
    sail.closeSubpath();
    p.setBrush(LinearGradient({41, 190}, {50, 212}, {0xffd020, 0xf05a2a}));
    p.drawPath(sail);
    p.setBrush(Qt::NoBrush);
    for (const QPointF& gull : {QPointF(300, 120), QPointF(330, 100), QPointF(372, 128),
                                QPointF(200, 90), QPointF(515, 136), QPointF(572, 122)}) {
        QPainterPath wings;
        wings.moveTo(gull + QPointF(-9, 0));
        wings.quadTo(gull + QPointF(-4, -6), gull);
        wings.quadTo(gull + QPointF(4, -6), gull + QPointF(9, 0));
        p.setPen(QPen(Q(0x3a4a5a), 1.8));
        p.drawPath(wings);
    }
    p.setPen(Qt::NoPen);
    // Palm on the left.
    QPainterPath trunkLine;
    trunkLine.moveTo(70, 385);
    trunkLine.cubicTo(110, 280, 95, 160, 160, 80);
    for (int i = 0; i < 40; ++i) {
        const float t = i / 40.0f;
        const QPointF pt = trunkLine.pointAtPercent(t);
        const float w = 13 - 6 * t;
        p.setBrush(Q(Mix(Hex(0x7a5230), Hex(0xb0865a), (i % 2) * 0.4f + t * 0.3f)));
        p.drawEllipse(pt, w, w * 0.9f);
    }
    Rng rng(1603);
    for (int i = 0; i < 9; ++i) {
        const float a = -kPi + i * kPi / 8 + rng.Uniform(-0.15f, 0.15f);
        const float len = rng.Uniform(95, 140);
        const QPointF tip(160 + len * std::cos(a), 80 + len * std::sin(a) * 0.55f + len * 0.35f);
        const QPointF mid(160 + len * 0.5f * std::cos(a),
                          80 + len * 0.5f * std::sin(a) * 0.55f - 18);
        QPainterPath leaf;
        leaf.moveTo(160, 80);
        leaf.quadTo(mid + QPointF(0, -14), tip);
        leaf.quadTo(mid + QPointF(0, 12), QPointF(160, 80));
        p.setBrush(LinearGradient({160, 80}, tip, {0x2c7a2a, 0x5cb840, 0x2a6a24}));
        p.drawPath(leaf);
        p.setPen(QPen(Q(0x1e4a1a), 1.5));
        QPainterPath rib;
        rib.moveTo(160, 80);
        rib.quadTo(mid, tip);
        p.setBrush(Qt::NoBrush);
        p.drawPath(rib);
        p.setPen(Qt::NoPen);
    }
    p.setBrush(Q(0x4a3018));
    p.drawEllipse(QPointF(152, 88), 7, 7);
    p.drawEllipse(QPointF(165, 90), 7, 7);
    // Umbrella, towel and ball on the right.
    p.setBrush(Q(0xf2f2ea));
    p.drawRect(QRectF(487, 250, 4, 90));
    const QRectF canopy(410, 225, 160, 70);
    for (int k = 0; k < 6; ++k) {
        p.setBrush(Q(k % 2 ? 0xf8f4e8 : 0xe0403a));
        p.drawPie(canopy, (k * 30) * 16, 30 * 16);
    }
    QPainterPath towel;
    towel.moveTo(380, 345);
    towel.lineTo(470, 330);
    towel.lineTo(520, 370);
    towel.lineTo(420, 390);
    towel.closeSubpath();
    p.setBrush(
        LinearGradient({380, 345}, {520, 370}, {0x2a8ad8, 0xf8e060, 0x2a8ad8, 0xf8e060, 0x2a8ad8}));
    p.drawPath(towel);
    const QPointF ball(300, 340);
    for (int k = 0; k < 6; ++k) {
        const uint32_t colours[] = {0xe83a3a, 0xffffff, 0x2a6ae0, 0xffffff, 0xf8d030, 0xffffff};
        p.setBrush(Q(colours[k]));
        p.drawPie(QRectF(ball.x() - 18, ball.y() - 18, 36, 36), k * 60 * 16 + 200, 60 * 16);
    }
    p.setBrush(RadialGradient(ball + QPointF(-6, -6), 24,
                              {{0, Q(0xffffff, 0.5f)}, {1, Q(0x000000, 0.25f)}}));
    p.drawEllipse(ball, 18, 18);
    for (int i = 0; i < 3; ++i) {
        const float y = rng.Uniform(300, 370), x = rng.Uniform(200, 560);
        const QPointF s(x, y);
        p.setBrush(Q(0xf07a50));
        p.drawPath(Star(s, 10, 4, 5, rng.Uniform(0, 1)));
    }
    // A sandcastle with a paper flag, its shaded side away from the sun.
    const float castleBase = 368;
    QPainterPath castle;
    castle.setFillRule(Qt::WindingFill);
    castle.addRect(QRectF(176, castleBase - 26, 64, 26));
    for (const float towerX : {170.0f, 226.0f}) {
        castle.addRect(QRectF(towerX, castleBase - 44, 20, 44));
        for (int m = 0; m < 3; ++m)
            castle.addRect(QRectF(towerX + m * 7.5f, castleBase - 50, 5, 7));
    }
    castle.addRect(QRectF(198, castleBase - 60, 20, 60));
    for (int m = 0; m < 3; ++m)
        castle.addRect(QRectF(198 + m * 8.0f, castleBase - 66, 4, 7));
    p.setBrush(LinearGradient({170, 0}, {246, 0}, {0xf6e2b0, 0xe0c088, 0xa07a48}));
    p.drawPath(castle);
    QPainterPath door;
    door.moveTo(202, castleBase);
    door.lineTo(202, castleBase - 12);
    door.quadTo(208, castleBase - 20, 214, castleBase - 12);
    door.lineTo(214, castleBase);
    door.closeSubpath();
    p.setBrush(Q(0x5a3a20));
    p.drawPath(door);
    p.setPen(QPen(Q(0x6a4a2a), 1.5));
    p.drawLine(QPointF(208, castleBase - 66), QPointF(208, castleBase - 86));
    p.setPen(Qt::NoPen);
    QPainterPath flag;
    flag.moveTo(208.5, castleBase - 86);
    flag.lineTo(224, castleBase - 81);
    flag.lineTo(208.5, castleBase - 76);
    flag.closeSubpath();
    p.setBrush(Q(0xf05a4a));
    p.drawPath(flag);
    p.end();
    Finish(image);
    return image;
}

constexpr Artwork kMisc[] = {
    {"Lighthouse at dusk", LighthouseAtDusk},          {"Mountain lake at sunrise", MountainLake},
    {"Autumn forest path", AutumnForestPath},          {"Stained glass window", StainedGlass},
    {"Northern lights over the snow", NorthernLights}, {"Tropical island beach", TropicalBeach},
};

} // namespace

std::span<const Artwork> MiscArtworks() {
    return kMisc;
}

} // namespace art
