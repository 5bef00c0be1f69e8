// Music: instruments, notes and sound.

#include "samples/ArtKit.h"
#include "samples/Gallery.h"

#include <iterator>
#include <vector>

namespace art {
namespace {

// A note head with its stem; flags = 1 draws an eighth note.
void Note(QPainter& p, QPointF head, float size, Col colour, int flags) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(Q(colour));
    p.translate(head);
    p.save();
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), size, size * 0.7f);
    p.restore();
    p.setPen(QPen(Q(colour), size * 0.22f, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(size * 0.88f, -size * 0.2f), QPointF(size * 0.88f, -size * 3.4f));
    if (flags > 0) {
        p.setBrush(Qt::NoBrush);
        QPainterPath flag;
        flag.moveTo(size * 0.88f, -size * 3.4f);
        flag.cubicTo(size * 1.2f, -size * 2.4f, size * 2.4f, -size * 2.4f, size * 1.7f,
                     -size * 1.2f);
        p.drawPath(flag);
    }
    p.restore();
}

void BeamedPair(QPainter& p, QPointF first, QPointF second, float size, Col colour) {
    Note(p, first, size, colour, 0);
    Note(p, second, size, colour, 0);
    p.save();
    p.setPen(QPen(Q(colour), size * 0.6f, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(first + QPointF(size * 0.88f, -size * 3.2f),
               second + QPointF(size * 0.88f, -size * 3.2f));
    p.restore();
}

QImage SoundWaves() {
    QImage image = NewCanvas();
    const Noise noise(3101);
    struct Wave {
        float amp, freq, phase, swell, hue, width;
    };
    const Wave waves[] = {{95, 1 / 70.0f, 0.0f, 1.0f, 0.52f, 2.2f},
                          {70, 1 / 95.0f, 1.3f, 1.6f, 0.85f, 2.6f},
                          {120, 1 / 150.0f, 2.1f, 0.7f, 0.1f, 3.2f},
                          {45, 1 / 48.0f, 0.6f, 2.3f, 0.3f, 1.8f}};
    // Where each wave passes in each column, worked out once per column.
    struct Trace {
        float y, stretch;
        Col colour;
    };
    std::vector<Trace> traces[std::size(waves)];
    for (std::size_t k = 0; k < std::size(waves); ++k) {
        const Wave& w = waves[k];
        for (int x = 0; x < kWidth; ++x) {
            // Each wave swells and fades across the picture.
            const float s = std::sin(x / float(kWidth) * kPi * w.swell + w.phase * 0.7f);
            const float envelope = 0.3f + 0.7f * s * s;
            const float arg = x * w.freq * 2 * kPi + w.phase;
            const float slope = w.amp * envelope * std::cos(arg) * w.freq * 2 * kPi;
            traces[k].push_back({187.5f + w.amp * envelope * std::sin(arg),
                                 1 / std::sqrt(1 + slope * slope),
                                 Hsv(w.hue + x / 2400.0f, 0.85f, 1.0f)});
        }
    }
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        Col c = Mix(Hex(0x06031a), Hex(0x1c0834), fx / kWidth);
        c = Mix(c, Hex(0x042030), fy / kHeight * 0.7f);
        const float haze = noise.Fbm(fx / 110, fy / 80, 4);
        c = c + Hsv(0.6f + haze * 0.6f + fx / 1200, 0.7f, 0.32f) * Clamp01(haze * 1.4f + 0.35f);
        // Faint oscilloscope graticule.
        const float gx = std::abs(Fract(fx / 47) - 0.5f),
                    gy = std::abs(Fract((fy - 187) / 47) - 0.5f);
        c = c + Hex(0x1a2a3a) * (SmoothStep(0.47f, 0.5f, std::max(gx, gy)) * 0.7f);
        for (std::size_t k = 0; k < std::size(waves); ++k) {
            const Trace& trace = traces[k][x];
            const float dist = std::abs(fy - trace.y) * trace.stretch, width = waves[k].width;
            const float glow = std::exp(-dist / (width * 5));
            c = c + trace.colour * (glow * 0.3f);
            if (dist < width * 4)
                c = c + Mix(trace.colour, Col{1, 1, 1}, 0.35f) *
                            (std::exp(-dist * dist / (width * width)) * 0.8f);
        }
        return c;
    });
    Painter p(&image);
    Rng rng(3102);
    for (int k = 0; k < 60; ++k) {
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        const QPointF at(x, y);
        const float strength = rng.Uniform(0.2f, 0.6f), hue = rng.Uniform(0, 1),
                    r = rng.Uniform(4, 14);
        Glow(p, at, r, Hsv(hue, 0.5f, 1.0f), strength);
    }
    // A row of level bars along the bottom, like a spectrum readout.
    for (int b = 0; b < 40; ++b) {
        const float h = 8 + 30 * Clamp01(0.5f + noise.At(b * 0.45f, 7.7f));
        p.setBrush(Q(Hsv(0.55f + b / 80.0f, 0.7f, 0.9f), 0.55f));
        p.drawRect(QRectF(b * 15 + 2, 370 - h, 11, h));
    }
    p.end();
    Finish(image, 0.8f);
    return image;
}

QImage EqualizerLights() {
    QImage image = NewCanvas();
    const Noise noise(3201);
    const float floorY = 300;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        Col c = Mix(Hex(0x100828), Hex(0x281048), fy / floorY);
        const float haze = noise.Fbm(fx / 90, fy / 70, 4);
        c = c + Hsv(0.75f + fx / 1200 + haze * 0.3f, 0.6f, 0.3f) * Clamp01(haze + 0.3f);
        if (fy > floorY) {
            // A lit dance floor in perspective, each square its own colour.
            const float depth = (fy - floorY + 12) / 87;
            const float u = (fx - 300) / depth / 60, v = 1 / depth * 3;
            const int cu = static_cast<int>(std::floor(u)), cv = static_cast<int>(std::floor(v));
            const float edge = std::min({Fract(u), 1 - Fract(u), Fract(v), 1 - Fract(v)});
            const float on = Hash01(cu, cv, 3204);
            Col tile =
                Hsv(Hash01(cv, cu, 3205), 0.7f, 0.12f + 0.4f * on * on) * (0.6f + 0.6f * depth);
            tile = Mix(Hex(0x05030a), tile, SmoothStep(0.0f, 0.08f, edge));
            return tile;
        }
        return c;
    });
    Painter p(&image);
    Rng rng(3202);
    // Soft disco lights behind the display.
    for (int k = 0; k < 45; ++k) {
        const float strength = rng.Uniform(0.2f, 0.5f), hue = rng.Uniform(0, 1),
                    r = rng.Uniform(15, 45);
        const float x = rng.Uniform(0, 600), y = rng.Uniform(0, 300) * (k % 3 ? 1.0f : 0.4f);
        Glow(p, {x, y}, r, Hsv(hue, 0.7f, 1.0f), strength);
    }
    constexpr int kBars = 22;
    const float barW = 600.0f / kBars;
    const float segment = 10, gap = 3;
    for (int b = 0; b < kBars; ++b) {
        // Loud lows, quieter highs, and a wobble so no two bars match.
        const float level = Clamp01(0.85f - 0.45f * b / kBars + 0.3f * noise.At(b * 0.7f, 3.3f) +
                                    0.15f * std::sin(b * 1.9f));
        const int lit = static_cast<int>(level * 21);
        const float x = b * barW + 3;
        for (int s = 0; s < 22; ++s) {
            const float y = floorY - 8 - (s + 1) * (segment + gap);
            const float height = s / 21.0f;
            const Col colour = Hsv(0.35f - 0.35f * height + b * 0.01f, 0.85f, 1.0f);
            if (s < lit) {
                p.setBrush(LinearGradient(
                    {x, y}, {x, y + segment},
                    {ToRgb(Mix(colour, Col{1, 1, 1}, 0.4f)) & 0xffffff, ToRgb(colour) & 0xffffff}));
                p.drawRect(QRectF(x, y, barW - 6, segment));
                // Reflection in the glossy floor, fading with distance.
                const float ry = floorY + (floorY - 8 - y - segment) * 0.6f + 4;
                if (ry < kHeight) {
                    p.setBrush(Q(colour, 0.55f * (1 - (ry - floorY) / 80)));
                    p.drawRect(QRectF(x, ry, barW - 6, segment * 0.6f));
                }
            } else {
                p.setBrush(Q(colour * 0.35f, 0.55f));
                p.drawRect(QRectF(x, y, barW - 6, segment));
            }
        }
        const int peak = std::min(21, lit + 1 + static_cast<int>(rng.Uniform(0, 3)));
        const float py = floorY - 8 - (peak + 1) * (segment + gap) + segment - 3;
        p.setBrush(Q(0xffffff, 0.9f));
        p.drawRect(QRectF(x, py, barW - 6, 3));
    }
    p.setPen(QPen(Q(0x8a7ab0, 0.6f), 2));
    p.drawLine(QPointF(0, floorY - 4), QPointF(600, floorY - 4));
    p.end();
    Finish(image, 0.8f);
    return image;
}

QImage VinylOnTheTurntable() {
    QImage image = NewCanvas();
    constexpr std::pair<float, float> kKnots[] = {
        {34, 70}, {22, 290}, {440, 330}, {568, 350}, {450, 40}};
    const Noise noise(3301);
    const QPointF centre(250, 187);
    const float radius = 172;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        const float dx = fx - centre.x(), dy = fy - centre.y();
        const float r = Length(dx, dy);
        if (r < radius) {
            const float angle = std::atan2(dy, dx);
            if (r < 58) {
                // The label: two colours split by a wavy line, and the spindle.
                Col label = dy + 12 * std::sin(dx / 12) < 0 ? Hex(0xf2c230) : Hex(0xe04a3a);
                label = label * (0.9f + 0.15f * noise.Fbm(fx / 10, fy / 10, 2));
                if (std::abs(r - 44) < 1.2f)
                    label = label * 0.6f;
                if (r < 5)
                    label = Hex(0xd8d8e0) * (0.7f + 0.3f * (dx - dy) / 10);
                return label;
            }
            // Marbled coloured vinyl with fine grooves and a sheen that
            // sweeps once around, so no two parts of the disc match.
            const float marble = noise.Fbm(dx / 60 + noise.At(dx / 90, dy / 90), dy / 60, 4);
            Col vinyl = Mix(Hex(0x4a0a5a), Hex(0x1a4ab0), Clamp01(0.5f + marble * 1.4f));
            vinyl = Mix(vinyl, Hex(0xe04a8a), SmoothStep(0.2f, 0.5f, marble) * 0.7f);
            const float grooves = 0.85f + 0.15f * std::sin(r * 2.2f) + 0.05f * std::sin(r * 0.31f);
            const float track = SmoothStep(
                1.2f, 0.3f, std::min({std::abs(r - 92), std::abs(r - 125), std::abs(r - 150)}));
            const float sheen = std::pow(0.5f + 0.5f * std::cos(angle + 2.2f), 10.0f) * 0.8f +
                                std::pow(0.5f + 0.5f * std::cos(angle - 0.8f), 30.0f) * 0.35f;
            vinyl = vinyl * (grooves * (0.75f + 0.25f * (angle + kPi) / (2 * kPi))) *
                    (1 - track * 0.5f);
            vinyl = vinyl + Hsv(0.55f + angle / (2 * kPi) * 0.4f + r / 900, 0.3f, 1.0f) * sheen;
            return Mix(vinyl, Hex(0x100810), SmoothStep(radius - 4, radius, r));
        }
        // Walnut plinth: grain that bends around knots.
        const float warp = noise.Fbm(fx / 120, fy / 60, 3) * 12;
        float phase = fy / 3.5f + warp + 2 * noise.At(fx / 25, fy / 8), knot = 0;
        for (const auto& [kx, ky] : kKnots) {
            // Near a knot the grain closes into rings around it.
            const float d = Length(fx - kx, (fy - ky) * 1.8f);
            const float pull = std::exp(-std::pow(d / 26, 2.0f));
            phase = Mix(phase, d / 2.2f, pull);
            knot = std::max(knot, SmoothStep(8, 3, d));
        }
        const float grain = 0.5f + 0.5f * std::sin(phase);
        Col wood = Mix(Hex(0x4a2614), Hex(0x9a5a30),
                       grain * 0.6f + 0.4f * Clamp01(0.5f + noise.Fbm(fx / 50, fy / 20, 3)));
        // Broad figure in the veneer, light and dark.
        wood = wood * (0.85f + 0.25f * fx / kWidth) *
               (0.75f + 0.5f * Clamp01(0.5f + 1.5f * noise.Fbm(fx / 70 + 8, fy / 40, 3)));
        wood = Mix(wood, Hex(0x1a0a04), knot * 0.8f);
        const float shadow = SmoothStep(radius + 18, radius, r);
        return wood * (1 - 0.5f * shadow);
    });
    Painter p(&image);
    // The record's sleeve, put down in the corner: bold rings on orange.
    p.save();
    p.translate(20, 345);
    p.rotate(-10);
    p.setBrush(Q(0x000000, 0.35f));
    p.drawRect(QRectF(-66, -62, 136, 136));
    const QRectF sleeve(-70, -68, 136, 136);
    p.setBrush(LinearGradient(sleeve.topLeft(), sleeve.bottomRight(), {0xf08a30, 0xd0501a}));
    p.drawRect(sleeve);
    p.setClipRect(sleeve);
    for (int ring = 0; ring < 5; ++ring) {
        p.setBrush(Q(ring % 2 ? 0xf8e8c8 : 0x1a6a7a));
        p.drawEllipse(sleeve.center() + QPointF(20, -18), 58 - ring * 12.0f, 58 - ring * 12.0f);
    }
    p.setBrush(Q(0xf8e8c8));
    p.drawRect(QRectF(sleeve.left() + 10, sleeve.top() + 12, 50, 8));
    p.drawRect(QRectF(sleeve.left() + 10, sleeve.top() + 24, 32, 5));
    p.restore();
    // A velvet record brush left out along the top.
    p.save();
    p.translate(398, 22);
    p.rotate(6);
    p.setBrush(Q(0x000000, 0.3f));
    p.drawRoundedRect(QRectF(-42, -7, 88, 20), 6, 6);
    p.setBrush(LinearGradient({0, -10}, {0, 10}, {0xd8a070, 0x7a4a28}));
    p.drawRoundedRect(QRectF(-45, -10, 88, 20), 6, 6);
    p.setBrush(LinearGradient({0, 4}, {0, 12}, {0xc02a3a, 0x5a0a18}));
    p.drawRect(QRectF(-40, 4, 78, 8));
    p.restore();
    // Tonearm resting on the outer grooves.
    const QPointF pivot(520, 70);
    p.setBrush(RadialGradient(pivot - QPointF(8, 8), 40, {{0, Q(0xf0f0f4)}, {1, Q(0x505058)}}));
    p.drawEllipse(pivot, 30, 30);
    p.setBrush(Q(0x202024));
    p.drawEllipse(pivot, 12, 12);
    QPainterPath arm;
    arm.moveTo(pivot);
    arm.cubicTo(pivot + QPointF(10, 110), pivot + QPointF(-40, 170), QPointF(385, 255));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Q(0x30303a), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(QPen(Q(0xe0e0ea), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(385, 255);
    p.rotate(35);
    p.setBrush(LinearGradient({-12, 0}, {12, 0}, {0x303038, 0x8a8a96, 0x303038}));
    p.drawRoundedRect(QRectF(-12, -8, 26, 34), 4, 4);
    p.restore();
    p.setBrush(RadialGradient(pivot + QPointF(-6, -50), 18, {{0, Q(0x9a9aa8)}, {1, Q(0x2a2a30)}}));
    p.drawEllipse(pivot + QPointF(0, -48), 14, 14);
    // Speed buttons, a pitch slider and the power light.
    const float bx = 470;
    for (int k = 0; k < 2; ++k) {
        p.setBrush(LinearGradient({bx + k * 50, 300}, {bx + k * 50, 330}, {0xe8e8ee, 0x8a8a96}));
        p.drawRoundedRect(QRectF(bx + k * 50, 305, 40, 24), 4, 4);
    }
    Glow(p, {bx + 60, 345}, 16, Hex(0xff3030), 0.9f);
    p.setBrush(Q(0x1a0c06));
    p.drawRoundedRect(QRectF(565, 150, 10, 140), 4, 4);
    p.setBrush(LinearGradient({555, 0}, {585, 0}, {0x9a9aa8, 0xf0f0f4, 0x6a6a76}));
    p.drawRoundedRect(QRectF(555, 205, 30, 16), 3, 3);
    p.setPen(QPen(Q(0xd8c8a0, 0.7f), 1));
    for (int k = 0; k < 9; ++k)
        p.drawLine(QPointF(545, 160 + k * 15), QPointF(552, 160 + k * 15));
    p.end();
    Finish(image, 0.8f);
    return image;
}

QImage GuitarInTheSpotlight() {
    QImage image = NewCanvas();
    const Noise noise(3401);
    const QPointF spot(300, 170);
    const float stage = 315;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        const float light =
            std::exp(-std::pow(Length(fx - spot.x(), (fy - spot.y()) * 1.3f) / 220, 2.0f));
        if (fy > stage) {
            const float d = (fy - stage) / (kHeight - stage);
            const float board = Fract((fx - 300) / (40 + 60 * d) * 0.5f);
            const int plank = static_cast<int>(std::floor((fx - 300) / (40 + 60 * d) * 0.5f));
            Col wood = Mix(Hex(0x3a2010), Hex(0x9a6a38), 0.3f + 0.7f * light) *
                       (0.7f + 0.3f * SmoothStep(0, 0.05f, board));
            wood = wood * (0.6f + 0.7f * Hash01(plank, 0, 3404)) * (0.75f + 0.3f * fx / kWidth);
            wood = wood * (0.8f + 0.4f * std::exp(-std::pow((fx - 300) / 200, 2.0f)));
            return wood * (0.85f + 0.3f * noise.Fbm(fx / 50, fy / 3, 3));
        }
        // Velvet curtain folds.
        // The folds fan out from the top, so each height has its own pattern.
        const float fan = (fx - 300) * (1 + (stage - fy) / 500) + 300;
        const float fold = 0.5f + 0.5f * std::sin(fan / 17 + 3.5f * noise.At(fx / 80, fy / 90));
        Col curtain = Mix(Hex(0x2a0408), Hex(0xc01c30), fold * (0.6f + 0.4f * light));
        curtain = Mix(curtain, Hex(0x5a0a3a), (1 - fx / kWidth) * 0.3f);
        curtain =
            curtain * (0.62f + 0.7f * light) * (0.85f + 0.2f * noise.Fbm(fx / 20, fy / 70, 3));
        // Each lamp on the truss washes the curtain below it in its colour.
        for (int k = 0; k < 10; ++k) {
            if (k == 4 || k == 5)
                continue;
            const float spread = (fx - 30 - k * 60) / (18 + fy * 0.2f);
            curtain = curtain + Hsv(k * 0.13f, 0.7f, 0.5f) *
                                    (std::exp(-spread * spread) * std::exp(-fy / 170) * fold);
        }
        return curtain * (0.8f + 0.3f * fy / stage);
    });
    Painter p(&image);
    // Beam of the spotlight, and dust floating in it.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    QPainterPath beam;
    beam.moveTo(260, -5);
    beam.lineTo(340, -5);
    beam.lineTo(480, 330);
    beam.lineTo(120, 330);
    beam.closeSubpath();
    QLinearGradient beamFade(0, 0, 0, 330);
    beamFade.setColorAt(0, Q(0x605840));
    beamFade.setColorAt(1, Q(0x101008));
    p.setBrush(beamFade);
    p.drawPath(beam);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Rng rng(3402);
    for (int k = 0; k < 60; ++k) {
        const float y = rng.Uniform(0, 320), half = 40 + y * 0.55f;
        p.setBrush(Q(0xfff0c0, rng.Uniform(0.2f, 0.7f)));
        const float r = rng.Uniform(0.8f, 2.0f);
        p.drawEllipse(QPointF(300 + rng.Uniform(-half, half), y), r, r);
    }
    p.setBrush(Q(0x000000, 0.4f));
    p.drawEllipse(QPointF(300, 335), 170, 18);
    // Scalloped valance with gold fringe, and the lamps on the truss.
    QPainterPath valance;
    valance.moveTo(-5, -5);
    valance.lineTo(605, -5);
    for (int k = 10; k >= 0; --k)
        valance.quadTo(k * 60 + 30, 58, k * 60, 34);
    valance.closeSubpath();
    p.setBrush(LinearGradient({0, 0}, {0, 60}, {0x4a0610, 0x9a1426, 0x5a0812}));
    p.drawPath(valance);
    // Folds in the valance and a gold crest at its centre.
    p.save();
    p.setClipPath(valance);
    for (int k = 0; k < 30; ++k) {
        p.setBrush(Q(k % 2 ? 0x000000u : 0xff6070u, k % 2 ? 0.25f : 0.12f));
        p.drawRect(QRectF(k * 20 + 6 * std::sin(k * 1.3f), 0, 8 + 4 * std::sin(k * 0.7f), 60));
    }
    p.restore();
    p.setBrush(Q(0xe8b840));
    p.drawPath(Star({300, 20}, 14, 6, 5, 0));
    for (int k = 0; k < 24; ++k)
        p.drawPath(Star({12.5f + k * 25, 12}, 3.5f, 1.5f, 4, 0));
    p.setPen(QPen(Q(0xe8b840), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath fringe;
    fringe.moveTo(0, 34);
    for (int k = 0; k < 10; ++k)
        fringe.quadTo(k * 60 + 30, 58, k * 60 + 60, 34);
    p.drawPath(fringe);
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 10; ++k) {
        const float lx = 30 + k * 60 + 0.0f;
        p.setBrush(Q(0xe8b840));
        p.drawEllipse(QPointF(lx, 50), 4, 6);
        if (k == 4 || k == 5)
            continue;
        const Col lamp = Hsv(k * 0.13f, 0.6f, 1.0f);
        p.setBrush(Q(0x1a1a1e));
        p.drawRoundedRect(QRectF(lx - 9, 6, 18, 16), 3, 3);
        Glow(p, {lx, 24}, 22, lamp, 0.7f);
    }

    // A small amplifier on the left and a microphone stand on the right.
    const QRectF amp(22, 250, 92, 78);
    p.setBrush(LinearGradient(amp.topLeft(), amp.bottomRight(), {0x3a3036, 0x141014}));
    p.drawRoundedRect(amp, 6, 6);
    p.setBrush(Q(0x5a4a3a));
    p.drawRoundedRect(amp.adjusted(8, 18, -8, -8), 4, 4);
    p.setPen(QPen(Q(0x3a2e24), 1));
    for (float gy = amp.top() + 22; gy < amp.bottom() - 10; gy += 4)
        p.drawLine(QPointF(amp.left() + 10, gy), QPointF(amp.right() - 10, gy));
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xe0d0a0));
    for (int knob = 0; knob < 5; ++knob)
        p.drawEllipse(QPointF(amp.left() + 16 + knob * 15, amp.top() + 9), 3, 3);
    // Spike tape marking places on the stage.
    p.setPen(QPen(Q(0xf0e040, 0.85f), 3));
    for (const QPointF& mark : {QPointF(215, 358), QPointF(395, 352)}) {
        p.drawLine(mark + QPointF(-8, -4), mark + QPointF(8, 4));
        p.drawLine(mark + QPointF(-8, 4), mark + QPointF(8, -4));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xe04a8a));
    QPainterPath pick;
    pick.moveTo(318, 362);
    pick.quadTo(330, 352, 326, 370);
    pick.quadTo(316, 372, 318, 362);
    p.drawPath(pick);
    // Cable from the amp to a pedal, and the set list on the boards.
    QPainterPath lead;
    lead.moveTo(100, 320);
    lead.cubicTo(120, 372, 300, 340, 420, 368);
    lead.cubicTo(480, 380, 530, 355, 560, 352);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Q(0x101014), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lead);
    p.setPen(Qt::NoPen);
    p.setBrush(LinearGradient({548, 340}, {590, 366}, {0x30c0a0, 0x1a6a5a}));
    p.drawRoundedRect(QRectF(548, 340, 40, 28), 4, 4);
    p.setBrush(Q(0xd8d8e0));
    p.drawEllipse(QPointF(558, 348), 3.5, 3.5);
    p.drawEllipse(QPointF(578, 348), 3.5, 3.5);
    p.drawRoundedRect(QRectF(556, 356, 24, 8), 2, 2);
    Glow(p, {568, 343}, 6, Hex(0xff3030), 0.9f);
    p.save();
    p.translate(58, 352);
    p.rotate(8);
    p.setBrush(Q(0xf4f0e4));
    p.drawRect(QRectF(-24, -13, 48, 26));
    p.setPen(QPen(Q(0x2a2a38), 1.2));
    for (int k = 0; k < 5; ++k)
        p.drawLine(QPointF(-19, -8 + k * 4.5f), QPointF(2 + (k * 7) % 15, -8 + k * 4.5f));
    p.setPen(Qt::NoPen);
    p.restore();
    p.setPen(QPen(Q(0x2a2a30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(505, 330), QPointF(505, 175));
    p.drawLine(QPointF(505, 330), QPointF(480, 345));
    p.drawLine(QPointF(505, 330), QPointF(530, 345));
    p.drawLine(QPointF(505, 330), QPointF(505, 348));
    p.drawLine(QPointF(505, 178), QPointF(470, 150));
    p.setPen(Qt::NoPen);
    p.save();
    p.translate(466, 147);
    p.rotate(-38);
    p.setBrush(LinearGradient({-8, 0}, {8, 0}, {0x6a6a76, 0xe0e0ea, 0x5a5a66}));
    p.drawRoundedRect(QRectF(-8, -24, 16, 28), 8, 8);
    p.restore();
    // The guitar leans from lower left to upper right.
    p.save();
    p.translate(270, 220);
    p.rotate(-32);
    QPainterPath body;
    body.addEllipse(QPointF(-40, 0), 92, 82);
    QPainterPath upper;
    upper.addEllipse(QPointF(68, 0), 66, 60);
    body = body.united(upper);
    p.setBrush(Q(0x1a0a04));
    p.drawPath(body.translated(0, 0));
    QPainterPath top = QTransform().scale(0.96, 0.95).map(body);
    p.setBrush(RadialGradient(
        {-10, 0}, 150,
        {{0, Q(0xffd070)}, {0.5f, Q(0xe08a30)}, {0.85f, Q(0x7a2a10)}, {1, Q(0x3a1006)}}));
    p.drawPath(top);
    p.save();
    p.setClipPath(top);
    p.setPen(QPen(Q(0x6a2a08, 0.18f), 1.2));
    for (int k = -90; k < 90; k += 4)
        p.drawLine(QPointF(-140, k + 2 * std::sin(k * 0.3f)),
                   QPointF(140, k + 3 * std::sin(k * 0.17f)));
    p.restore();
    p.setPen(QPen(Q(0x3a1a08), 4));
    p.setBrush(Q(0x0a0402));
    p.drawEllipse(QPointF(35, 0), 28, 28);
    p.setPen(QPen(Q(0xf0e0b0), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(35, 0), 33, 33);
    p.drawEllipse(QPointF(35, 0), 36, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0x2a1006));
    p.drawRoundedRect(QRectF(-78, -22, 14, 44), 4, 4);
    // Neck, frets, headstock.
    p.setBrush(LinearGradient({0, -12}, {0, 12}, {0x6a3a1a, 0x3a1a0a, 0x6a3a1a}));
    p.drawRect(QRectF(110, -12, 200, 24));
    p.setPen(QPen(Q(0xd8d0c0), 1.5));
    for (int f = 0; f < 14; ++f) {
        const float fx = 120 + 190 * (1 - std::pow(0.92f, f + 1)) / (1 - std::pow(0.92f, 14.0f));
        p.drawLine(QPointF(fx, -12), QPointF(fx, 12));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xf0ece0));
    for (float dot : {163.0f, 196.0f, 228.0f, 260.0f})
        p.drawEllipse(QPointF(dot, 0), 2.5, 2.5);
    QPainterPath head;
    head.moveTo(308, -13);
    head.lineTo(370, -20);
    head.lineTo(375, 20);
    head.lineTo(308, 13);
    head.closeSubpath();
    p.setBrush(LinearGradient({308, 0}, {375, 0}, {0x3a1a0a, 0x7a4a2a}));
    p.drawPath(head);
    p.setBrush(Q(0xe0d8c0));
    for (int k = 0; k < 3; ++k) {
        p.drawEllipse(QPointF(325 + k * 17, -22), 4, 5);
        p.drawEllipse(QPointF(325 + k * 17, 22), 4, 5);
    }
    p.setPen(QPen(Q(0xf0f0f0, 0.85f), 1));
    for (int s = 0; s < 6; ++s) {
        const float sy = -8.5f + s * 3.4f;
        p.drawLine(QPointF(-71, sy * 1.2f), QPointF(345, sy * 1.4f));
    }
    p.restore();

    // Notes drifting up from the sound hole.
    for (int k = 0; k < 9; ++k) {
        const float y = rng.Uniform(40, 290), x = rng.Uniform(30, 580);
        const QPointF at(x, y);
        if (std::abs(at.x() - 300) < 120 && at.y() > 90)
            continue;
        const float hue = rng.Uniform(0.08f, 0.16f), size = rng.Uniform(6, 10);
        Note(p, at, size, Hsv(hue, 0.4f, 1.0f), k % 2);
    }
    p.end();
    Finish(image);
    return image;
}

QImage DancingNotes() {
    QImage image = NewCanvas();
    const Noise noise(3501);
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        const float t = Clamp01((fx * 0.7f + fy) / 700);
        Col c = t < 0.5f ? Mix(Hex(0x2a1a6a), Hex(0xd04a8a), t * 2)
                         : Mix(Hex(0xd04a8a), Hex(0xffb050), t * 2 - 1);
        c = c * (0.85f + 0.35f * noise.Fbm(fx / 80, fy / 60, 4));
        return Mix(c, Hsv(0.6f + noise.At(fx / 150, fy / 150) * 0.3f, 0.5f, 0.9f),
                   Clamp01(noise.Fbm(fx / 120 + 5, fy / 90, 3)) * 0.5f);
    });
    Painter p(&image);
    Rng rng(3502);
    for (int k = 0; k < 70; ++k) {
        const float strength = rng.Uniform(0.2f, 0.55f), hue = rng.Uniform(0.75f, 1.2f),
                    r = rng.Uniform(10, 40);
        const float x = rng.Uniform(0, 600), y = rng.Uniform(0, 375);
        Glow(p, {x, y}, r, Hsv(hue, 0.4f, 1.0f), strength);
    }
    // Three staves ripple across the picture like ribbons.
    struct Staff {
        float y, amp, freq, phase;
    };
    const Staff staves[] = {
        {80, 22, 1 / 95.0f, 0.0f}, {195, 30, 1 / 120.0f, 1.8f}, {305, 20, 1 / 80.0f, 3.3f}};
    const float spacing = 9;
    for (const Staff& s : staves) {
        auto lineY = [&](float x, int line) {
            return s.y + s.amp * std::sin(x * s.freq + s.phase) +
                   (line - 2) * spacing * (1 + 0.15f * std::sin(x / 70));
        };
        for (int line = 0; line < 5; ++line) {
            QPainterPath path;
            path.moveTo(-5, lineY(-5, line));
            for (int x = 0; x <= 605; x += 5)
                path.lineTo(x, lineY(x, line));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Q(0xfff4e8, 0.75f), 1.6));
            p.drawPath(path);
        }
        p.setPen(Qt::NoPen);
        // A treble clef built from curves at the start of each staff.
        const QPointF clef(28, lineY(28, 2));
        QPainterPath g;
        g.moveTo(clef + QPointF(2, 26));
        g.cubicTo(clef + QPointF(-8, 28), clef + QPointF(-6, 14), clef + QPointF(0, 16));
        g.moveTo(clef + QPointF(2, 26));
        g.lineTo(clef + QPointF(4, -30));
        g.cubicTo(clef + QPointF(14, -22), clef + QPointF(8, -10), clef + QPointF(-8, 2));
        g.cubicTo(clef + QPointF(-18, 12), clef + QPointF(-4, 22), clef + QPointF(10, 12));
        g.cubicTo(clef + QPointF(16, 4), clef + QPointF(4, -6), clef + QPointF(-2, 4));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Q(0xfff4e8), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(g);
        p.setPen(Qt::NoPen);
        float x = 60;
        int k = 0;
        while (x < 585) {
            const int line = rng.Int(0, 8);
            const float ny = lineY(x, 0) + line * spacing / 2;
            const Col colour =
                Hsv(x / 600 + s.phase * 0.1f + rng.Uniform(-0.05f, 0.05f), 0.55f, 1.0f);
            if (k % 3 == 2 && x < 550) {
                const float x2 = x + 26;
                BeamedPair(p, {x, ny}, {x2, lineY(x2, 0) + rng.Int(0, 8) * spacing / 2}, 5.5f,
                           colour);
                x += 26;
            } else {
                Note(p, {x, ny}, 5.5f, colour, k % 2);
            }
            x += rng.Uniform(28, 44);
            ++k;
        }
    }
    // Loose notes dancing between the staves.
    for (int k = 0; k < 26; ++k) {
        const float y = k < 8 ? rng.Uniform(15, 60) : rng.Uniform(20, 370);
        const float x = rng.Uniform(20, 580);
        const QPointF at(x, y);
        p.save();
        p.translate(at);
        p.rotate(rng.Uniform(-30, 30));
        const float hue = rng.Uniform(0, 1), size = rng.Uniform(5, 11);
        Note(p, {0, 0}, size, Hsv(hue, 0.35f, 1.0f), k % 2);
        p.restore();
    }
    for (int k = 0; k < 50; ++k) {
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        const QPointF at(x, y);
        p.setBrush(Q(0xffffff, 0.8f));
        p.drawPath(Star(at, rng.Uniform(2, 5), 1, 4, 0));
    }
    p.end();
    Finish(image);
    return image;
}

QImage DrumKitOnStage() {
    QImage image = NewCanvas();
    const Noise noise(3601);
    const float stage = 290;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy > stage) {
            const float d = (fy - stage) / (kHeight - stage);
            const float plank = Fract(fy / (4 + 10 * d));
            Col floor =
                Mix(Hex(0x1a1420), Hex(0x3a2a3a), d) * (0.75f + 0.25f * SmoothStep(0, 0.1f, plank));
            return floor * (0.8f + 0.4f * noise.Fbm(fx / 60, fy / 5, 3));
        }
        Col c = Mix(Hex(0x0a0818), Hex(0x201838), fy / stage);
        const float haze = noise.Fbm(fx / 70, fy / 50, 5);
        return c + Hsv(0.7f + haze * 0.5f + fx / 800, 0.65f, 0.35f) * Clamp01(haze * 1.5f + 0.4f);
    });
    Painter p(&image);
    // Coloured stage beams.
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    const float beams[][3] = {
        {60, 0.95f, 0.35f}, {200, 0.6f, 0.15f}, {400, 0.12f, -0.15f}, {540, 0.33f, -0.35f}};
    for (const auto& b : beams) {
        QPainterPath cone;
        const QPointF from(b[0], 30);
        cone.moveTo(from + QPointF(-10, 0));
        cone.lineTo(from + QPointF(10, 0));
        cone.lineTo(from + QPointF(std::sin(b[2]) * 360 + 70, 340));
        cone.lineTo(from + QPointF(std::sin(b[2]) * 360 - 70, 340));
        cone.closeSubpath();
        QLinearGradient fade(0, 0, 0, 340);
        fade.setColorAt(0, Q(Hsv(b[1], 0.7f, 0.5f)));
        fade.setColorAt(1, Q(0x000000));
        p.setBrush(fade);
        p.drawPath(cone);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The lighting truss the beams hang from.
    p.setBrush(Q(0x3a3a44));
    p.drawRect(QRectF(-5, 4, 610, 3));
    p.drawRect(QRectF(-5, 20, 610, 3));
    p.setPen(QPen(Q(0x5a5a66), 1.5));
    for (int k = 0; k < 40; ++k)
        p.drawLine(QPointF(k * 16, 6), QPointF(k * 16 + 8, 21));
    p.setPen(Qt::NoPen);
    for (const auto& b : beams) {
        p.setBrush(Q(0x18181c));
        p.drawRoundedRect(QRectF(b[0] - 12, 14, 24, 20), 4, 4);
        Glow(p, {b[0], 32}, 26, Hsv(b[1], 0.5f, 1.0f), 0.9f);
    }
    // Rug under the kit, with a patterned border, and pools of coloured light.
    QPainterPath rug;
    rug.moveTo(130, 292);
    rug.lineTo(470, 292);
    rug.lineTo(560, 372);
    rug.lineTo(40, 372);
    rug.closeSubpath();
    p.setBrush(LinearGradient({0, 292}, {0, 372}, {0x5a1a28, 0x8a2a30}));
    p.drawPath(rug);
    p.setPen(QPen(Q(0xd8a040), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(QTransform().translate(300, 332).scale(0.9, 0.8).translate(-300, -332).map(rug));
    p.setPen(Qt::NoPen);
    Rng decor(3604);
    for (int k = 0; k < 26; ++k) {
        const float t = k / 26.0f;
        const QPointF at(75 + 450 * t, 360);
        p.setBrush(Q(Hsv(0.1f + (k % 3) * 0.35f, 0.6f, 0.9f)));
        p.drawPath(Star(at, 5, 2.5f, 4, 0));
    }
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (const auto& b :
         {std::pair{180.0f, 0.95f}, {260.0f, 0.6f}, {340.0f, 0.12f}, {420.0f, 0.33f}})
        p.setBrush(RadialGradient({b.first, 320}, 90,
                                  {{0, Q(Hsv(b.second, 0.7f, 0.35f))}, {1, Q(0x000000)}})),
            p.drawEllipse(QPointF(b.first, 320), 90, 30);
    p.setBrush(RadialGradient({40, 330}, 80, {{0, Q(Hsv(0.9f, 0.7f, 0.35f))}, {1, Q(0x000000)}}));
    p.drawEllipse(QPointF(40, 330), 80, 40);
    p.setBrush(RadialGradient({560, 320}, 80, {{0, Q(Hsv(0.35f, 0.7f, 0.3f))}, {1, Q(0x000000)}}));
    p.drawEllipse(QPointF(560, 320), 80, 40);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // A set list taped to the boards.
    p.save();
    p.translate(110, 312);
    p.rotate(-12);
    p.setBrush(Q(0xf0ece0));
    p.drawRect(QRectF(-14, -10, 28, 20));
    p.setPen(QPen(Q(0x3a3a48), 1));
    for (int k = 0; k < 4; ++k)
        p.drawLine(QPointF(-10, -6 + k * 4), QPointF(4 + (k % 2) * 6, -6 + k * 4));
    p.setPen(Qt::NoPen);
    p.restore();
    // Cables snaking across the boards.
    for (int k = 0; k < 4; ++k) {
        QPainterPath cable;
        cable.moveTo(k < 2 ? 0 : 600, decor.Uniform(300, 370));
        const float endX = decor.Uniform(100, 500);
        const float y2 = decor.Uniform(290, 380), x2 = decor.Uniform(0, 600);
        const float y1 = decor.Uniform(290, 380), x1 = decor.Uniform(0, 600);
        cable.cubicTo(x1, y1, x2, y2, endX, 300);
        p.setPen(QPen(Q(0x0a0a0c), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cable);
    }
    p.setPen(Qt::NoPen);
    // Amplifier stacks at the sides.
    for (float ax : {10.0f, 500.0f}) {
        for (int k = 0; k < 2; ++k) {
            const QRectF box(ax, 130 + k * 80, 90, 78);
            p.setBrush(LinearGradient(box.topLeft(), box.bottomRight(), {0x2a2a30, 0x0e0e12}));
            p.drawRoundedRect(box, 4, 4);
            p.setBrush(Q(0x1a1a1e));
            p.drawRect(box.adjusted(6, 6, -6, -14));
            p.setPen(QPen(Q(0x3a3a44), 1));
            for (float gy = box.top() + 9; gy < box.bottom() - 14; gy += 4)
                p.drawLine(QPointF(box.left() + 7, gy), QPointF(box.right() - 7, gy));
            p.setPen(Qt::NoPen);
            p.setBrush(Q(0xd8c080));
            for (int knob = 0; knob < 5; ++knob)
                p.drawEllipse(QPointF(box.left() + 14 + knob * 15, box.bottom() - 7), 2.5, 2.5);
            // The lower box is the speaker cabinet, cones showing through the
            // cloth; the head on top wears its badge.
            if (k == 1) {
                for (const float cx : {box.left() + 25, box.right() - 25}) {
                    p.setBrush(RadialGradient({cx - 4, box.top() + 28}, 20,
                                              {{0, Q(0x5a5a66, 0.9f)}, {1, Q(0x0a0a0e, 0.9f)}}));
                    p.drawEllipse(QPointF(cx, box.top() + 32), 17, 17);
                }
            } else {
                p.drawRect(QRectF(box.center().x() - 14, box.top() + 10, 28, 6));
            }
        }
    }
    auto shell = [&](QPointF top, float rx, float ry, float depth, Col wrap) {
        p.setBrush(LinearGradient(top - QPointF(rx, 0), top + QPointF(rx, 0),
                                  {ToRgb(wrap * 0.5f) & 0xffffff,
                                   ToRgb(Mix(wrap, Col{1, 1, 1}, 0.35f)) & 0xffffff,
                                   ToRgb(wrap * 0.4f) & 0xffffff}));
        p.drawRect(QRectF(top.x() - rx, top.y(), 2 * rx, depth));
        p.drawEllipse(QPointF(top.x(), top.y() + depth), rx, ry);
        p.setBrush(Q(0xd8d8e0));
        for (int lug = 0; lug < 5; ++lug)
            p.drawRect(QRectF(top.x() - rx + (lug + 0.5f) * 2 * rx / 5 - 2, top.y() + depth * 0.3f,
                              4, depth * 0.4f));
        p.setBrush(RadialGradient(top - QPointF(rx * 0.3f, ry * 0.3f), rx,
                                  {{0, Q(0xf8f4ec)}, {1, Q(0xb8b0a0)}}));
        p.setPen(QPen(Q(0xc0c0c8), 2));
        p.drawEllipse(top, rx, ry);
        p.setPen(Qt::NoPen);
    };
    auto cymbal = [&](QPointF at, float rx, float tilt) {
        p.setPen(QPen(Q(0x9a9aa8), 2.5));
        p.drawLine(at, QPointF(at.x(), stage + 10));
        p.setPen(Qt::NoPen);
        p.save();
        p.translate(at);
        p.rotate(tilt);
        p.setBrush(QConicalGradient(0, 0, 30));
        QConicalGradient shine(0, 0, 40);
        shine.setColorAt(0, Q(0xfff0a0));
        shine.setColorAt(0.25f, Q(0xb08020));
        shine.setColorAt(0.5f, Q(0xffe080));
        shine.setColorAt(0.75f, Q(0x8a6010));
        shine.setColorAt(1, Q(0xfff0a0));
        p.setBrush(shine);
        p.drawEllipse(QPointF(0, 0), rx, rx * 0.22f);
        p.setBrush(Q(0x6a4a10));
        p.drawEllipse(QPointF(0, 0), rx * 0.15f, rx * 0.06f);
        p.restore();
    };
    cymbal({130, 150}, 62, -8);
    cymbal({470, 130}, 70, 10);
    cymbal({95, 228}, 48, 0);
    // Bass drum facing us.
    const QPointF bass(300, 225);
    p.setBrush(Q(0x5a0a14));
    p.drawEllipse(bass, 98, 98);
    p.setBrush(RadialGradient(bass - QPointF(30, 30), 120, {{0, Q(0xf8f0e0)}, {1, Q(0xb0a890)}}));
    p.drawEllipse(bass, 86, 86);
    p.setPen(QPen(Q(0xc01a2a), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(bass, 50, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xc01a2a));
    p.drawPath(Star(bass, 36, 15, 5, 0));
    p.setBrush(Q(0xd8d8e0));
    for (int lug = 0; lug < 10; ++lug) {
        const float a = lug * 2 * kPi / 10;
        p.drawEllipse(bass + QPointF(std::cos(a), std::sin(a)) * 92, 4, 4);
    }
    shell({225, 118}, 38, 13, 34, Hex(0xc01a2a));
    shell({375, 112}, 42, 14, 38, Hex(0xc01a2a));
    shell({150, 262}, 44, 14, 26, Hex(0xd8d8e0));
    shell({465, 238}, 50, 16, 56, Hex(0xc01a2a));
    // Monitor wedges at the front corners.
    for (int side = 0; side < 2; ++side) {
        const float wx = side ? 505 : 10;
        QPainterPath wedge;
        wedge.moveTo(wx, 372);
        wedge.lineTo(wx + 10, 325);
        wedge.lineTo(wx + 75, 318);
        wedge.lineTo(wx + 85, 372);
        wedge.closeSubpath();
        p.setBrush(LinearGradient({wx, 320}, {wx + 85, 372}, {0x3a3a44, 0x121216}));
        p.drawPath(wedge);
        p.setBrush(Q(0x1c1c22));
        p.drawEllipse(QPointF(wx + 45, 345), 22, 16);
        p.setBrush(Q(0x2a2a32));
        p.drawEllipse(QPointF(wx + 45, 345), 8, 6);
    }
    // Crossed sticks resting on the snare.
    p.setPen(QPen(Q(0xe8c890), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(115, 250), QPointF(200, 272));
    p.drawLine(QPointF(120, 278), QPointF(196, 246));
    p.setPen(Qt::NoPen);
    p.end();
    Finish(image);
    return image;
}

constexpr Artwork kMusic[] = {
    {"Sound waves", SoundWaves},
    {"Equalizer lights", EqualizerLights},
    {"Vinyl on the turntable", VinylOnTheTurntable},
    {"Guitar in the spotlight", GuitarInTheSpotlight},
    {"Dancing notes", DancingNotes},
    {"Drum kit on stage", DrumKitOnStage},
};

} // namespace

std::span<const Artwork> MusicArtworks() {
    return kMusic;
}

} // namespace art
