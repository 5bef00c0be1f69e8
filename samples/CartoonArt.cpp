// Cartoons: bold, cheerful shapes with thick outlines.

#include "samples/ArtKit.h"
#include "samples/Gallery.h"

#include <vector>

namespace art {
namespace {

const QColor kInk = Q(0x2a1a3a);

QPen InkPen(float width = 3.5f) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPainterPath Cloud(QPointF at, float size) {
    QPainterPath cloud;
    const float parts[][3] = {{-1.0f, 0.15f, 0.45f}, {-0.45f, -0.2f, 0.6f}, {0.2f, -0.3f, 0.7f},
                              {0.85f, 0.0f, 0.5f},   {0.3f, 0.25f, 0.5f},   {-0.4f, 0.3f, 0.45f}};
    for (const auto& part : parts) {
        QPainterPath puff;
        puff.addEllipse(at + QPointF(part[0] * size, part[1] * size), part[2] * size,
                        part[2] * size * 0.85f);
        cloud = cloud.united(puff);
    }
    return cloud;
}

void Flower(QPainter& p, QPointF at, float size, Col petal) {
    p.setPen(QPen(kInk, 1.2f));
    p.setBrush(Q(petal));
    for (int k = 0; k < 5; ++k) {
        const float a = k * 2 * kPi / 5;
        p.drawEllipse(at + QPointF(std::cos(a), std::sin(a)) * size * 0.8f, size * 0.55f,
                      size * 0.55f);
    }
    p.setBrush(Q(0xffd23a));
    p.drawEllipse(at, size * 0.45f, size * 0.45f);
    p.setPen(Qt::NoPen);
}

void Eye(QPainter& p, QPointF at, float r, QPointF look) {
    p.setPen(InkPen(2.5f));
    p.setBrush(Q(0xffffff));
    p.drawEllipse(at, r, r * 1.1f);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const QPointF pupil = at + look * r * 0.35f;
    p.drawEllipse(pupil, r * 0.5f, r * 0.55f);
    p.setBrush(Q(0xffffff));
    p.drawEllipse(pupil + QPointF(-r * 0.18f, -r * 0.2f), r * 0.16f, r * 0.16f);
}

// Cheerful sky with soft streaks, shared by the daytime pictures.
Col DaySky(const Noise& noise, float fx, float fy, Col top, Col bottom) {
    Col c = Mix(top, bottom, Clamp01(fy / kHeight * 1.3f));
    c = c * (0.92f + 0.12f * noise.Fbm(fx / 90, fy / 40, 4)) + Col{0.06f, 0.03f, 0} * (fx / kWidth);
    const float wisp = SmoothStep(0.05f, 0.4f, noise.Fbm(fx / 110 + 7, fy / 30, 4));
    return Mix(c, Col{1, 1, 1}, wisp * 0.45f);
}

QImage SmilingSun() {
    QImage image = NewCanvas();
    const Noise noise(101);
    Shade(image, [&](int x, int y) {
        Col c = DaySky(noise, x, y, Hex(0x2f9be8), Hex(0xc8f0ff));
        const float d = Length(x - 470.0f, y - 95.0f);
        return Mix(c, Hex(0xfff6c0), std::exp(-d / 120) * 0.6f);
    });
    Painter p(&image);
    const QPointF arc(190, 300);
    for (int band = 0; band < 7; ++band) {
        const float r = 250 - band * 12;
        p.setPen(QPen(Q(Hsv(band / 8.0f, 0.7f, 1.0f), 0.85f), 12, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(arc.x() - r, arc.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    p.setPen(Qt::NoPen);
    Rng birds(104);
    for (int k = 0; k < 6; ++k) {
        const float bx = birds.Uniform(20, 330), by = birds.Uniform(15, 120),
                    w = birds.Uniform(6, 11);
        QPainterPath bird;
        bird.moveTo(bx - w, by);
        bird.quadTo(bx - w / 2, by - w * 0.7f, bx, by);
        bird.quadTo(bx + w / 2, by - w * 0.7f, bx + w, by);
        p.setPen(InkPen(2.2f));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bird);
    }
    // A kite tugging at its string under the rainbow.
    const QPointF kite(255, 175);
    QPainterPath kiteTail;
    kiteTail.moveTo(kite + QPointF(0, 30));
    kiteTail.cubicTo(kite + QPointF(-30, 60), kite + QPointF(30, 80), kite + QPointF(-10, 120));
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(kiteTail);
    p.drawLine(kite + QPointF(0, 30), QPointF(330, 300));
    for (int k = 1; k <= 4; ++k) {
        const QPointF bow = kiteTail.pointAtPercent(k / 4.5f);
        p.setPen(InkPen(1.5f));
        p.setBrush(Q(Hsv(k * 0.25f, 0.7f, 1.0f)));
        p.drawEllipse(bow + QPointF(-5, 0), 5, 3);
        p.drawEllipse(bow + QPointF(5, 0), 5, 3);
    }
    QPainterPath kiteBody;
    kiteBody.moveTo(kite + QPointF(0, -32));
    kiteBody.lineTo(kite + QPointF(22, -4));
    kiteBody.lineTo(kite + QPointF(0, 30));
    kiteBody.lineTo(kite + QPointF(-22, -4));
    kiteBody.closeSubpath();
    p.setPen(InkPen(3));
    p.setBrush(LinearGradient(kite + QPointF(-22, 0), kite + QPointF(22, 0),
                              {0xff5a8a, 0xffd040, 0x40c0ff}));
    p.drawPath(kiteBody);
    p.drawLine(kite + QPointF(0, -32), kite + QPointF(0, 30));
    p.drawLine(kite + QPointF(-22, -4), kite + QPointF(22, -4));
    p.setPen(Qt::NoPen);
    const QPointF sun(470, 95);
    for (int k = 0; k < 18; ++k) {
        const float a = k * 2 * kPi / 18 + 0.1f, len = (k % 2 ? 95 : 120);
        QPainterPath ray;
        ray.moveTo(sun + QPointF(std::cos(a - 0.09f), std::sin(a - 0.09f)) * 62);
        ray.lineTo(sun + QPointF(std::cos(a), std::sin(a)) * len);
        ray.lineTo(sun + QPointF(std::cos(a + 0.09f), std::sin(a + 0.09f)) * 62);
        ray.closeSubpath();
        p.setPen(InkPen(2.5f));
        p.setBrush(Q(k % 2 ? 0xffb020 : 0xffe040));
        p.drawPath(ray);
    }
    p.setPen(InkPen(4));
    p.setBrush(RadialGradient(sun - QPointF(18, 18), 80, {{0, Q(0xfff8a0)}, {1, Q(0xffa81a)}}));
    p.drawEllipse(sun, 60, 60);
    Eye(p, sun + QPointF(-20, -14), 10, {0.4f, 0.2f});
    Eye(p, sun + QPointF(20, -14), 10, {0.4f, 0.2f});
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xff7a7a, 0.7f));
    p.drawEllipse(sun + QPointF(-36, 12), 9, 6);
    p.drawEllipse(sun + QPointF(36, 12), 9, 6);
    p.setPen(InkPen(4));
    p.setBrush(Q(0xc02a3a));
    p.drawChord(QRectF(sun.x() - 26, sun.y() - 8, 52, 44), 180 * 16, 180 * 16);

    const float clouds[][3] = {
        {110, 70, 46}, {300, 40, 34}, {250, 150, 28}, {560, 215, 30}, {30, 170, 22}};
    for (const auto& c : clouds) {
        p.setPen(InkPen(3));
        p.setBrush(LinearGradient({0, c[1] - c[2]}, {0, c[1] + c[2]}, {0xffffff, 0xc8dcf4}));
        p.drawPath(Cloud({c[0], c[1]}, c[2]));
    }

    struct Hill {
        float base, amp, freq, phase;
        std::uint32_t light, dark;
    };
    const Hill hills[] = {{235, 35, 1 / 80.0f, 0.5f, 0x8ad85a, 0x4a9a3a},
                          {275, 30, 1 / 65.0f, 2.0f, 0x6ac84a, 0x3a8a2a},
                          {325, 22, 1 / 90.0f, 4.0f, 0x9ae060, 0x4aa03a}};
    Rng rng(102);
    for (int h = 0; h < 3; ++h) {
        const Hill& hill = hills[h];
        auto height = [&](float x) {
            return hill.base - hill.amp * std::sin(x * hill.freq + hill.phase) -
                   8 * std::sin(x * hill.freq * 2.7f);
        };
        p.setPen(InkPen(3.5f));
        p.setBrush(LinearGradient({0, hill.base - hill.amp}, {600, hill.base + 120},
                                  {hill.light, hill.dark}));
        p.drawPath(Ground(height));
        if (h == 0) {
            // A little house on the far hill.
            const float hx = 150, hy = height(hx);
            p.setPen(InkPen(3));
            p.setBrush(Q(0xfff0d0));
            p.drawRect(QRectF(hx - 28, hy - 40, 56, 44));
            QPainterPath roof;
            roof.moveTo(hx - 36, hy - 38);
            roof.lineTo(hx, hy - 70);
            roof.lineTo(hx + 36, hy - 38);
            roof.closeSubpath();
            p.setBrush(Q(0xe84a3a));
            p.drawPath(roof);
            p.setBrush(Q(0x8a5a3a));
            p.drawRect(QRectF(hx - 8, hy - 22, 16, 26));
            p.setBrush(Q(0x7ad0ff));
            p.drawRect(QRectF(hx + 12, hy - 30, 11, 11));
            // Lollipop trees.
            for (float tx : {60.0f, 380.0f, 540.0f}) {
                const float ty = height(tx);
                p.setBrush(Q(0x8a5a3a));
                p.drawRect(QRectF(tx - 5, ty - 40, 10, 44));
                p.setBrush(
                    RadialGradient({tx - 8, ty - 60}, 34, {{0, Q(0x9aea6a)}, {1, Q(0x2a8a3a)}}));
                p.drawEllipse(QPointF(tx, ty - 55), 26, 24);
            }
        }
        // Grass tufts and light patches keep the hillsides from going flat.
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 18; ++k) {
            const float fx = rng.Uniform(0, 600), fy = height(fx) + rng.Uniform(15, 90);
            p.setBrush(Q(Hex(hill.light) * rng.Uniform(0.75f, 1.2f), 0.45f));
            const float ry = rng.Uniform(8, 16), rx = rng.Uniform(20, 45);
            p.drawEllipse(QPointF(fx, fy), rx, ry);
        }
        p.setPen(QPen(Q(Hex(hill.dark) * 0.8f), 1.8, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 110; ++k) {
            const float fx = rng.Uniform(0, 600), fy = height(fx) + rng.Uniform(10, 100);
            const float s = 3 + h * 1.5f;
            p.drawLine(QPointF(fx, fy), QPointF(fx - s * 0.6f, fy - s));
            p.drawLine(QPointF(fx, fy), QPointF(fx + s * 0.1f, fy - s * 1.3f));
            p.drawLine(QPointF(fx, fy), QPointF(fx + s * 0.7f, fy - s * 0.9f));
        }
        for (int k = 0; k < 22 + h * 12; ++k) {
            const float fx = rng.Uniform(0, 600);
            const float fy = height(fx) + rng.Uniform(12, 60 + h * 30);
            if (fy < kHeight)
                Flower(p, {fx, fy}, 4 + h * 2.0f, Hsv(rng.Uniform(0, 1), 0.6f, 1.0f));
        }
    }
    // A winding path through the front hill.
    QPainterPath path;
    path.moveTo(330, 312);
    path.cubicTo(300, 330, 420, 350, 360, 390);
    p.setPen(QPen(kInk, 30, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(Q(0xe8c890), 24, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.end();
    Finish(image);
    return image;
}

QImage FrogOnLilyPad() {
    QImage image = NewCanvas();
    const Noise noise(201);
    const QPointF drops[] = {{120, 100}, {470, 90}, {300, 300}, {540, 310}, {230, 350}, {40, 40}};
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        Col c = Mix(Hex(0x4ac8c8), Hex(0x1a6a8a), fy / kHeight + 0.2f * fx / kWidth);
        float ripple = 0;
        for (const QPointF& d : drops) {
            const float r = Length(fx - d.x(), (fy - d.y()) * 1.6f);
            ripple += std::sin(r / 7) * std::exp(-r / 110);
        }
        c = c * (0.85f + 0.14f * ripple + 0.3f * noise.Fbm(fx / 70, fy / 28, 3));
        // Sky reflected in long streaks across the pond.
        const float sheen = SmoothStep(0.15f, 0.5f, noise.Fbm(fx / 160, fy / 14 + 3, 3));
        c = Mix(c, Hex(0xb0f0f0), sheen * 0.35f);
        // Clouds mirrored in the pond, and deeper water in shadow.
        const float mirrored = SmoothStep(0.0f, 0.45f, noise.Fbm(fx / 130 + 7, fy / 60, 3));
        c = Mix(c, Hex(0xe8fcff), mirrored * 0.3f);
        c = Mix(c, Hex(0x0a3a5a),
                SmoothStep(0.1f, 0.5f, noise.Fbm(fx / 90 - 4, fy / 70, 3)) * 0.4f);
        return Mix(c, Hex(0xe0ffff), SmoothStep(0.5f, 0.9f, ripple) * 0.35f);
    });
    Painter p(&image);
    Rng rng(202);
    auto pad = [&](QPointF at, float r, float notch, std::uint32_t colour) {
        QPainterPath leaf;
        leaf.moveTo(at);
        leaf.arcTo(QRectF(at.x() - r, at.y() - r * 0.55f, 2 * r, r * 1.1f), notch + 20, 320);
        leaf.closeSubpath();
        p.setPen(InkPen(3));
        p.setBrush(RadialGradient(at - QPointF(r * 0.3f, r * 0.2f), r * 1.2f,
                                  {{0, Q(Hex(colour) * 1.3f)}, {1, Q(Hex(colour) * 0.7f)}}));
        p.drawPath(leaf);
        p.setPen(QPen(Q(Hex(colour) * 0.55f), 1.5));
        for (int k = 1; k < 8; ++k) {
            const float a = (notch + 20 + k * 40) * kPi / 180;
            p.drawLine(at, at + QPointF(std::cos(a) * r * 0.85f, -std::sin(a) * r * 0.47f));
        }
    };
    for (int k = 0; k < 50; ++k) {
        p.save();
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        p.translate(x, y);
        p.rotate(rng.Uniform(0, 180));
        p.setPen(QPen(kInk, 1));
        p.setBrush(
            Q(k % 3 ? Hsv(0.92f + rng.Uniform(0, 0.1f), 0.45f, 1.0f) : Hsv(0.25f, 0.6f, 0.8f)));
        p.drawEllipse(QPointF(0, 0), 6, 3);
        p.restore();
    }
    // Fish gliding under the surface.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 7; ++k) {
        p.save();
        const float y = rng.Uniform(20, 360), x = rng.Uniform(0, 600);
        p.translate(x, y);
        p.rotate(rng.Uniform(-40, 40));
        p.setBrush(Q(k % 2 ? 0xff9a3a : 0x1a4a5a, 0.45f));
        p.drawEllipse(QPointF(0, 0), 16, 6);
        QPainterPath fin;
        fin.moveTo(-14, 0);
        fin.lineTo(-24, -6);
        fin.lineTo(-24, 6);
        fin.closeSubpath();
        p.drawPath(fin);
        p.restore();
    }
    pad({90, 300}, 70, 30, 0x4aa83a);
    pad({250, 40}, 38, 250, 0x48a048);
    pad({380, 200}, 26, 160, 0x58b050);
    pad({60, 190}, 30, 10, 0x4a9a40);
    pad({560, 40}, 32, 290, 0x50a848);
    pad({520, 170}, 60, 200, 0x5ab84a);
    pad({140, 150}, 45, 300, 0x3a9a4a);
    pad({420, 320}, 50, 120, 0x6ac040);
    pad({300, 250}, 120, 80, 0x52b040);

    // Pink water lily.
    const QPointF lily(520, 160);
    for (int ring = 0; ring < 2; ++ring)
        for (int k = 0; k < 7; ++k) {
            const float a = k * 2 * kPi / 7 + ring * 0.45f, len = ring ? 18 : 28;
            p.save();
            p.translate(lily);
            p.rotate(a * 180 / kPi);
            p.setPen(InkPen(2));
            p.setBrush(LinearGradient({0, 0}, {len, 0}, {ring ? 0xffe0f0u : 0xffb0d0u, 0xf060a0}));
            QPainterPath petal;
            petal.moveTo(0, 0);
            petal.quadTo(len * 0.5f, -len * 0.45f, len, 0);
            petal.quadTo(len * 0.5f, len * 0.45f, 0, 0);
            p.drawPath(petal);
            p.restore();
        }
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xffd23a));
    p.drawEllipse(lily, 7, 7);

    // The frog.
    const QPointF frog(300, 215);
    p.setPen(InkPen(3.5f));
    p.setBrush(Q(0x3a9a2a));
    p.drawEllipse(frog + QPointF(-62, 30), 34, 20);
    p.drawEllipse(frog + QPointF(62, 30), 34, 20);
    p.setBrush(RadialGradient(frog - QPointF(20, 30), 110, {{0, Q(0xa8f070)}, {1, Q(0x3a9a2a)}}));
    p.drawEllipse(frog, 66, 52);
    p.setBrush(Q(0xf0f8b0));
    p.drawEllipse(frog + QPointF(0, 18), 38, 28);
    p.setBrush(Q(0x5ab83a));
    p.drawEllipse(frog + QPointF(-30, 44), 14, 9);
    p.drawEllipse(frog + QPointF(30, 44), 14, 9);
    p.setBrush(Q(0x6ac84a));
    p.drawEllipse(frog + QPointF(-34, -44), 22, 22);
    p.drawEllipse(frog + QPointF(34, -44), 22, 22);
    Eye(p, frog + QPointF(-34, -46), 14, {0.5f, -0.2f});
    Eye(p, frog + QPointF(34, -46), 14, {0.5f, -0.2f});
    p.setPen(InkPen(3.5f));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(frog.x() - 36, frog.y() - 32, 72, 44), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xff8a8a, 0.7f));
    p.drawEllipse(frog + QPointF(-46, -6), 9, 6);
    p.drawEllipse(frog + QPointF(46, -6), 9, 6);
    p.setBrush(Q(0x2a7a1a, 0.6f));
    for (int k = 0; k < 6; ++k) {
        const float dy = rng.Uniform(-40, -15), dx = rng.Uniform(-50, 50);
        p.drawEllipse(frog + QPointF(dx, dy), 4, 3);
    }

    // Dragonfly.
    const QPointF fly(420, 70);
    p.setPen(QPen(Q(0x4a6aa0), 1.5));
    p.setBrush(Q(0xd0f0ff, 0.6f));
    for (int k : {-1, 1}) {
        p.drawEllipse(fly + QPointF(-12, k * 14), 22, 8);
        p.drawEllipse(fly + QPointF(10, k * 13), 20, 7);
    }
    p.setPen(InkPen(2));
    p.setBrush(Q(0x3a6ae0));
    p.drawEllipse(QRectF(fly.x() - 40, fly.y() - 4, 50, 8));
    p.drawEllipse(fly + QPointF(14, 0), 7, 7);

    // Reeds with cattails at both edges.
    for (int k = 0; k < 10; ++k) {
        const float x0 = k < 5 ? rng.Uniform(-10, 40) : rng.Uniform(560, 610);
        const float lean = rng.Uniform(-25, 25), top = rng.Uniform(40, 160);
        p.setPen(QPen(Q(0x2a6a2a), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath stem;
        stem.moveTo(x0, 380);
        stem.quadTo(x0, (380 + top) / 2, x0 + lean, top);
        p.drawPath(stem);
        if (k % 2 == 0) {
            p.setPen(InkPen(2));
            p.setBrush(Q(0x8a4a20));
            p.drawRoundedRect(QRectF(x0 + lean - 6, top + 4, 12, 34), 6, 6);
        }
    }
    p.end();
    Finish(image);
    return image;
}

QImage BalloonParty() {
    QImage image = NewCanvas();
    const Noise noise(301);
    Shade(image, [&](int x, int y) {
        const float t = Clamp01((x * 0.4f + y) / 600.0f);
        Col c = Mix(Hex(0x7ad0ff), Hex(0xffc0e0), t);
        return c * (0.95f + 0.08f * noise.Fbm(x / 50.0f, y / 50.0f, 3));
    });
    Painter p(&image);
    Rng rng(302);
    for (int i = 0; i < 260; ++i) {
        p.save();
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        p.translate(x, y);
        p.rotate(rng.Uniform(0, 180));
        p.setBrush(Q(Hsv(rng.Uniform(0, 1), 0.75f, 1.0f)));
        if (i % 3 == 0)
            p.drawEllipse(QPointF(0, 0), 3, 3);
        else
            p.drawRect(QRectF(-4, -2, 8, 4));
        p.restore();
    }
    // Bunting along the top.
    for (int row = 0; row < 2; ++row) {
        QPainterPath rope;
        const float sag = 30 + row * 20, y0 = 8 + row * 18;
        auto ropeY = [&](float x) {
            return y0 + sag * std::sin(x / 600 * kPi) - row * 10 * std::sin(x / 150);
        };
        rope.moveTo(0, ropeY(0));
        for (int x = 0; x <= 600; x += 10)
            rope.lineTo(x, ropeY(x));
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(rope);
        for (int k = 0; k < 12; ++k) {
            const float x = 15 + k * 50 + row * 25, y = ropeY(x);
            QPainterPath flag;
            flag.moveTo(x - 14, y);
            flag.lineTo(x + 14, ropeY(x + 14) + 0.5f);
            flag.lineTo(x, y + 28);
            flag.closeSubpath();
            p.setPen(InkPen(2));
            p.setBrush(Q(Hsv(k / 12.0f + row * 0.5f, 0.75f, 1.0f)));
            p.drawPath(flag);
        }
    }
    struct Balloon {
        QPointF at;
        float r;
        Col colour;
    };
    std::vector<Balloon> balloons;
    for (int i = 0; i < 24; ++i) {
        const float r = rng.Uniform(24, 44);
        const float x = rng.Uniform(20, 580), y = rng.Uniform(70, 330);
        const float saturation = rng.Uniform(0.6f, 0.9f);
        balloons.push_back({{x, y}, r, Hsv(i * 0.618f, saturation, 1.0f)});
    }
    std::sort(balloons.begin(), balloons.end(),
              [](const Balloon& a, const Balloon& b) { return a.r < b.r; });
    for (const Balloon& b : balloons) {
        p.setPen(QPen(Q(0x5a4a6a), 1.5));
        p.setBrush(Qt::NoBrush);
        QPainterPath string;
        const QPointF knot = b.at + QPointF(0, b.r * 1.2f);
        string.moveTo(knot);
        string.cubicTo(knot + QPointF(-12, 40), knot + QPointF(12, 70),
                       knot + QPointF(rng.Uniform(-20, 20), 140));
        p.drawPath(string);
        p.setPen(InkPen(3));
        p.setBrush(RadialGradient(b.at - QPointF(b.r * 0.35f, b.r * 0.45f), b.r * 1.6f,
                                  {{0, Q(Mix(b.colour, Col{1, 1, 1}, 0.6f))},
                                   {0.5f, Q(b.colour)},
                                   {1, Q(b.colour * 0.55f)}}));
        p.drawEllipse(b.at, b.r, b.r * 1.2f);
        QPainterPath tie;
        tie.moveTo(knot);
        tie.lineTo(knot + QPointF(-6, 8));
        tie.lineTo(knot + QPointF(6, 8));
        tie.closeSubpath();
        p.setBrush(Q(b.colour * 0.7f));
        p.drawPath(tie);
        p.setPen(Qt::NoPen);
        p.setBrush(Q(0xffffff, 0.7f));
        p.drawEllipse(b.at - QPointF(b.r * 0.4f, b.r * 0.55f), b.r * 0.15f, b.r * 0.25f);
    }
    p.end();
    Finish(image);
    return image;
}

QImage RocketToTheMoon() {
    QImage image = NewCanvas();
    const Noise noise(401);
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        Col c = Mix(Hex(0x1a1050), Hex(0x8a2a8a), Clamp01((fx * 0.5f + fy) / 650));
        // Cooler towards the launch corner, warmer towards the moon, so the
        // gradient never repeats along a diagonal.
        c = c + Col{0.2f, 0, -0.16f} * ((fx - 0.6f * fy + 225) / 825 - 0.5f);
        const float swirl = noise.Fbm(fx / 120 + noise.At(fx / 200, fy / 200), fy / 90, 5) +
                            0.3f * noise.Fbm(fx / 45 + 11, fy / 35, 3);
        c = c + Hex(0x5040a0) * Clamp01(swirl * 1.6f + 0.2f) +
            Hex(0x803050) * Clamp01(-swirl * 1.6f);
        const float s = Hash01(x, y, 402);
        if (s > 0.994f)
            c = c + Col{1, 1, 1} * ((s - 0.994f) * 120);
        return c;
    });
    Painter p(&image);
    Rng rng(403);
    for (int i = 0; i < 30; ++i) {
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        const QPointF at(x, y);
        p.setPen(QPen(Q(0xfff0c0, 0.9f), 1.5));
        const float s = rng.Uniform(3, 7);
        p.drawLine(at - QPointF(s, 0), at + QPointF(s, 0));
        p.drawLine(at - QPointF(0, s), at + QPointF(0, s));
    }
    for (int i = 0; i < 60; ++i) {
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        const QPointF at(x, y);
        const float s = rng.Uniform(4, 11);
        p.setPen(InkPen(1.5f));
        p.setBrush(Q(Hsv(rng.Uniform(0.1f, 0.17f), 0.5f, 1.0f)));
        p.drawPath(Star(at, s, s * 0.45f, 5, rng.Uniform(0, 1)));
    }
    for (int i = 0; i < 9; ++i) {
        const float y = rng.Uniform(0, 375), x = rng.Uniform(0, 600);
        const QPointF at(x, y);
        const float r = rng.Uniform(5, 12);
        const Col colour = Hsv(rng.Uniform(0, 1), 0.55f, 1.0f);
        p.setPen(InkPen(2));
        p.setBrush(
            RadialGradient(at - QPointF(r * 0.3f, r * 0.3f), r * 1.4f,
                           {{0, Q(Mix(colour, Col{1, 1, 1}, 0.5f))}, {1, Q(colour * 0.7f)}}));
        p.drawEllipse(at, r, r);
    }
    // A visiting saucer.
    const QPointF ufo(525, 72);
    p.setPen(InkPen(2.5f));
    p.setBrush(Q(0xa0f0ff, 0.85f));
    p.drawEllipse(ufo - QPointF(0, 10), 18, 16);
    p.setBrush(
        LinearGradient(ufo - QPointF(45, 0), ufo + QPointF(45, 0), {0x8a90b0, 0xe8ecff, 0x6a7090}));
    p.drawEllipse(ufo, 45, 13);
    for (int k = -2; k <= 2; ++k) {
        p.setBrush(Q(Hsv(0.1f + k * 0.2f, 0.7f, 1.0f)));
        p.drawEllipse(ufo + QPointF(k * 16, 3), 4, 4);
    }
    p.setPen(Qt::NoPen);
    QPainterPath beam;
    beam.moveTo(ufo + QPointF(-14, 12));
    beam.lineTo(ufo + QPointF(14, 12));
    beam.lineTo(ufo + QPointF(40, 110));
    beam.lineTo(ufo + QPointF(-40, 110));
    beam.closeSubpath();
    QLinearGradient beamFade(ufo, ufo + QPointF(0, 110));
    beamFade.setColorAt(0, Q(0xf0ff90, 0.55f));
    beamFade.setColorAt(1, Q(0xf0ff90, 0.0f));
    p.setBrush(beamFade);
    p.drawPath(beam);
    // A comet streaking past.
    p.setPen(Qt::NoPen);
    QPainterPath tailPath;
    tailPath.moveTo(400, 40);
    tailPath.lineTo(300, 120);
    tailPath.lineTo(405, 48);
    tailPath.closeSubpath();
    QLinearGradient tail(QPointF(402, 44), QPointF(300, 120));
    tail.setColorAt(0, Q(0xc0f0ff, 0.9f));
    tail.setColorAt(1, Q(0xc0f0ff, 0.0f));
    p.setBrush(tail);
    p.drawPath(tailPath);
    p.setPen(InkPen(2));
    p.setBrush(Q(0xe0fbff));
    p.drawEllipse(QPointF(402, 44), 6, 6);
    // Moon with craters.
    const QPointF moon(515, 330);
    p.setPen(InkPen(4));
    p.setBrush(RadialGradient(moon - QPointF(40, 50), 190, {{0, Q(0xfff8d0)}, {1, Q(0xd0b070)}}));
    p.drawEllipse(moon, 125, 125);
    const float craters[][3] = {{-70, -60, 18}, {-20, -90, 12}, {30, -50, 22},
                                {-90, 0, 14},   {70, -95, 10},  {-35, -20, 9}};
    for (const auto& c : craters) {
        p.setPen(InkPen(2.5f));
        p.setBrush(Q(0xc0a060));
        p.drawEllipse(moon + QPointF(c[0], c[1]), c[2], c[2] * 0.8f);
    }
    // A ringed planet.
    const QPointF planet(85, 75);
    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(planet.x() - 70, planet.y() - 16, 140, 32), 0, 180 * 16);
    p.setBrush(RadialGradient(planet - QPointF(12, 12), 60, {{0, Q(0xffc070)}, {1, Q(0xe0603a)}}));
    p.drawEllipse(planet, 38, 38);
    p.setPen(QPen(Q(0xffe0a0), 6));
    p.drawArc(QRectF(planet.x() - 66, planet.y() - 14, 132, 28), 180 * 16, 180 * 16);
    p.setPen(InkPen(2));
    p.drawArc(QRectF(planet.x() - 70, planet.y() - 17, 140, 34), 180 * 16, 180 * 16);
    // A little satellite keeping out of the rocket's way.
    p.save();
    p.translate(112, 282);
    p.rotate(-25);
    p.setPen(InkPen(2));
    p.setBrush(LinearGradient({-34, 0}, {-12, 0}, {0x2a5ad0, 0x6aa0ff}));
    p.drawRect(QRectF(-36, -7, 24, 14));
    p.drawRect(QRectF(12, -7, 24, 14));
    p.drawLine(QPointF(-24, -7), QPointF(-24, 7));
    p.drawLine(QPointF(24, -7), QPointF(24, 7));
    p.setBrush(Q(0xffd23a));
    p.drawRect(QRectF(-10, -10, 20, 20));
    p.drawLine(QPointF(0, -10), QPointF(0, -20));
    p.setBrush(Q(0xe8ecff));
    p.drawChord(QRectF(-8, -28, 16, 12), 180 * 16, 180 * 16);
    p.restore();

    // The rocket, flying up and to the right.
    p.save();
    p.translate(255, 220);
    p.rotate(40);
    for (int k = 0; k < 7; ++k) {
        const float r = 14 + k * 5;
        p.setPen(InkPen(2.5f));
        p.setBrush(Q(Mix(Hex(0xffffff), Hex(0xc8b0e0), k / 7.0f), 0.9f));
        p.drawEllipse(QPointF(rng.Uniform(-12, 12), 110 + k * 26), r, r * 0.9f);
    }
    QPainterPath flame;
    flame.moveTo(-22, 70);
    flame.quadTo(0, 150, 22, 70);
    flame.closeSubpath();
    p.setBrush(LinearGradient({0, 70}, {0, 140}, {0xfff080, 0xff8a20, 0xe03a20}));
    p.drawPath(flame);
    QPainterPath fins;
    fins.moveTo(-30, 20);
    fins.lineTo(-58, 78);
    fins.lineTo(-26, 62);
    fins.closeSubpath();
    fins.moveTo(30, 20);
    fins.lineTo(58, 78);
    fins.lineTo(26, 62);
    fins.closeSubpath();
    p.setPen(InkPen(3.5f));
    p.setBrush(Q(0xe83a4a));
    p.drawPath(fins);
    QPainterPath body;
    body.moveTo(0, -110);
    body.cubicTo(45, -70, 42, 40, 28, 72);
    body.lineTo(-28, 72);
    body.cubicTo(-42, 40, -45, -70, 0, -110);
    p.setBrush(LinearGradient({-40, 0}, {40, 0}, {0xb8c0d8, 0xffffff, 0x8890b0}));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setBrush(Q(0xe83a4a));
    p.drawRect(QRectF(-50, -120, 100, 48));
    p.drawRect(QRectF(-50, 40, 100, 10));
    p.restore();
    p.setBrush(Q(0xffd23a));
    p.drawEllipse(QPointF(0, -20), 22, 22);
    p.setBrush(RadialGradient({-6, -26}, 22, {{0, Q(0xc0f0ff)}, {1, Q(0x3a8ae0)}}));
    p.drawEllipse(QPointF(0, -20), 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0x7ae05a));
    p.drawEllipse(QPointF(0, -16), 8, 7);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-3, -18), 1.8, 2.2);
    p.drawEllipse(QPointF(3, -18), 1.8, 2.2);
    p.restore();
    p.end();
    Finish(image);
    return image;
}

QImage FriendlyMonsters() {
    QImage image = NewCanvas();
    const Noise noise(501);
    const float floorY = 300;
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy > floorY) {
            const float d = (fy - floorY) / (kHeight - floorY);
            // Planks run across the room, each with its own length and tint.
            const float row = (fy - floorY) / (7 + 12 * d);
            const int plank = static_cast<int>(row);
            const float along = fx / 140 + Hash01(plank, 0, 506) * 5;
            const int piece = static_cast<int>(along);
            const float tint = Hash01(plank, piece, 507);
            Col wood = Mix(Hex(0x9a5a2a), Hex(0xf0c080), tint) * (0.8f + 0.25f * d);
            const float seam = std::min(SmoothStep(0.0f, 0.08f, Fract(row)),
                                        SmoothStep(0.0f, 0.01f, Fract(along)));
            const float grain = noise.Fbm(fx / 60 + plank * 3, fy / 2.5f, 3);
            return wood * (0.6f + 0.4f * seam) * (0.9f + 0.2f * grain);
        }
        const float stripe = Fract((fx + fy * 0.6f) / 46);
        const Col a = Hsv(0.85f + fx / 2400 - fy / 3000, 0.35f, 1.0f);
        const Col b = Hsv(0.55f + fx / 2000, 0.3f, 0.95f);
        Col c = stripe < 0.5f ? a : b;
        const float dot =
            Length(Fract(fx / 32) - 0.5f, Fract(fy / 32 + (int(fx / 32) % 2) * 0.5f) - 0.5f);
        c = Mix(c, Col{1, 1, 1}, SmoothStep(0.2f, 0.15f, dot) * 0.6f);
        return c * (0.85f + 0.15f * fy / floorY) * (0.95f + 0.07f * noise.Fbm(fx / 60, fy / 60, 3));
    });
    Painter p(&image);
    // A braided rag rug in front of the gang, its rings in toy-box colours.
    const QPointF rug(370, 388);
    p.setPen(InkPen(2.5f));
    for (int ring = 0; ring < 9; ++ring) {
        const float k = 1 - ring / 9.0f;
        p.setBrush(Q(Hsv(0.08f + ring * 0.23f, 0.55f, 0.95f - 0.04f * (ring % 2))));
        p.drawEllipse(rug, 250 * k, 60 * k);
    }
    auto shadow = [&](float x, float w) {
        p.setPen(Qt::NoPen);
        p.setBrush(Q(0x3a2010, 0.3f));
        p.drawEllipse(QPointF(x, floorY + 28), w, 10);
    };
    auto fangs = [&](QPointF at, float w, int count) {
        p.setPen(InkPen(2));
        p.setBrush(Q(0xffffff));
        for (int k = 0; k < count; ++k) {
            const float x = at.x() - w / 2 + (k + 0.5f) * w / count;
            QPainterPath tooth;
            tooth.moveTo(x - w / count / 2 + 1, at.y());
            tooth.lineTo(x, at.y() + 9);
            tooth.lineTo(x + w / count / 2 - 1, at.y());
            tooth.closeSubpath();
            p.drawPath(tooth);
        }
    };
    // Purple cyclops with horns.
    shadow(95, 70);
    p.setPen(InkPen(4));
    p.setBrush(Q(0xfff0c0));
    for (int s : {-1, 1}) {
        QPainterPath horn;
        horn.moveTo(95 + s * 30, 150);
        horn.quadTo(95 + s * 60, 120, 95 + s * 55, 95);
        horn.quadTo(95 + s * 40, 130, 95 + s * 10, 145);
        p.drawPath(horn);
    }
    QPainterPath blob;
    blob.moveTo(30, 325);
    blob.cubicTo(10, 200, 60, 130, 95, 130);
    blob.cubicTo(130, 130, 180, 200, 160, 325);
    blob.closeSubpath();
    p.setBrush(RadialGradient({75, 180}, 160, {{0, Q(0xc890ff)}, {1, Q(0x6a2ab0)}}));
    p.drawPath(blob);
    Eye(p, {95, 195}, 26, {0.3f, 0.3f});
    p.setBrush(Q(0x5a1a3a));
    p.setPen(InkPen(3));
    p.drawChord(QRectF(60, 230, 70, 50), 180 * 16, 180 * 16);
    fangs({95, 255}, 50, 4);
    // Green three-eyed block.
    shadow(240, 60);
    p.setPen(InkPen(4));
    for (int s : {-1, 1}) {
        p.drawLine(QPointF(240 + s * 20, 90), QPointF(240 + s * 38, 50));
        p.setBrush(Q(0xffe040));
        p.drawEllipse(QPointF(240 + s * 38, 48), 8, 8);
    }
    p.setBrush(LinearGradient({190, 0}, {290, 0}, {0x4ab83a, 0x9af06a, 0x3a9a2a}));
    p.drawRoundedRect(QRectF(190, 85, 100, 240), 40, 40);
    p.setBrush(Q(0x2a7a2a, 0.5f));
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 7; ++k)
        p.drawEllipse(QPointF(205 + (k * 37) % 75, 230 + (k * 23) % 80), 6, 5);
    Eye(p, {215, 135}, 13, {-0.3f, 0.2f});
    Eye(p, {265, 135}, 13, {0.3f, 0.2f});
    Eye(p, {240, 175}, 16, {0, 0.4f});
    p.setPen(InkPen(4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(210, 185, 60, 40), 200 * 16, 140 * 16);
    // Orange furball.
    shadow(385, 80);
    QPainterPath fur;
    for (int k = 0; k <= 60; ++k) {
        const float a = k * 2 * kPi / 60, r = (k % 2 ? 82 : 94) + 4 * std::sin(k * 1.7f);
        const QPointF pt(385 + r * std::cos(a), 230 + r * std::sin(a) * 0.95f);
        if (k == 0)
            fur.moveTo(pt);
        else
            fur.lineTo(pt);
    }
    p.setPen(InkPen(4));
    p.setBrush(RadialGradient({360, 190}, 150, {{0, Q(0xffd080)}, {1, Q(0xe86a1a)}}));
    p.drawPath(fur);
    Eye(p, {355, 200}, 20, {0.2f, -0.3f});
    Eye(p, {415, 195}, 24, {-0.2f, -0.3f});
    p.setPen(InkPen(3));
    p.setBrush(Q(0x8a1a2a));
    p.drawEllipse(QPointF(385, 260), 30, 22);
    p.setBrush(Q(0xff7a8a));
    p.drawEllipse(QPointF(385, 272), 14, 8);
    fangs({385, 240}, 26, 2);
    // Small blue ghost with spots.
    shadow(520, 50);
    QPainterPath ghost;
    ghost.moveTo(470, 320);
    ghost.lineTo(470, 200);
    ghost.cubicTo(470, 140, 570, 140, 570, 200);
    ghost.lineTo(570, 320);
    for (int k = 0; k < 4; ++k)
        ghost.quadTo(557.5f - k * 25, 335, 545 - k * 25, 320);
    ghost.closeSubpath();
    p.setPen(InkPen(4));
    p.setBrush(LinearGradient({470, 0}, {570, 0}, {0x4a8ae8, 0x9ad0ff, 0x3a6ad0}));
    p.drawPath(ghost);
    p.setPen(Qt::NoPen);
    p.setBrush(Q(0xffffff, 0.5f));
    p.drawEllipse(QPointF(495, 260), 8, 8);
    p.drawEllipse(QPointF(548, 285), 6, 6);
    p.drawEllipse(QPointF(530, 250), 5, 5);
    Eye(p, {503, 200}, 11, {0.4f, 0});
    Eye(p, {538, 200}, 11, {0.4f, 0});
    p.setPen(InkPen(3));
    p.setBrush(Q(0x2a1a5a));
    p.drawEllipse(QPointF(520, 228), 9, 7);
    // Toys scattered in front.
    p.setPen(InkPen(3));
    p.setBrush(RadialGradient({160, 338}, 22, {{0, Q(0xfff080)}, {1, Q(0xe0a020)}}));
    p.drawEllipse(QPointF(168, 345), 16, 16);
    p.setPen(QPen(Q(0xe03a3a), 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(152, 329, 32, 32), 30 * 16, 120 * 16);
    const float blocks[][3] = {
        {290, 340, 0.0f}, {318, 348, 0.6f}, {302, 318, 0.35f}, {585, 343, 0.8f}};
    for (const auto& b : blocks) {
        p.setPen(InkPen(2.5f));
        p.setBrush(Q(Hsv(b[2], 0.7f, 1.0f)));
        p.drawRect(QRectF(b[0] - 12, b[1] - 12, 24, 24));
        p.setBrush(Q(Hsv(b[2], 0.7f, 0.7f)));
        p.drawEllipse(QPointF(b[0], b[1]), 5, 5);
    }
    p.setBrush(RadialGradient({445, 348}, 18, {{0, Q(0x9af0ff)}, {1, Q(0x2a70e0)}}));
    p.drawEllipse(QPointF(450, 354), 12, 12);
    p.end();
    Finish(image);
    return image;
}

QImage UnderTheSea() {
    QImage image = NewCanvas();
    const Noise noise(601);
    auto sandY = [&](float x) { return 318 + 14 * std::sin(x / 70) + 8 * noise.At(x / 50, 0.5f); };
    Shade(image, [&](int x, int y) {
        const float fx = x, fy = y;
        if (fy > sandY(fx)) {
            const float ripple = std::sin((fx + 20 * noise.At(fx / 80, fy / 30)) / 9);
            return Mix(Hex(0xe8c880), Hex(0xc89a5a), (fy - 300) / 75) * (0.92f + 0.06f * ripple) *
                   (0.92f + 0.12f * noise.Fbm(fx / 15, fy / 15, 3));
        }
        Col c = Mix(Hex(0x5ad8f0), Hex(0x0a3a8a), Clamp01(fy / 330 + fx / 2400));
        const float caustic = std::abs(noise.At(fx / 40 + noise.At(fx / 60, fy / 60), fy / 25));
        c = c + Col{0.2f, 0.3f, 0.3f} * (SmoothStep(0.1f, 0.0f, caustic) * (1 - fy / 400));
        return c * (0.95f + 0.08f * noise.Fbm(fx / 70, fy / 70, 3));
    });
    Painter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int k = 0; k < 5; ++k) {
        const float x0 = 60 + k * 120;
        QPainterPath ray;
        ray.moveTo(x0, -5);
        ray.lineTo(x0 + 40, -5);
        ray.lineTo(x0 + 10 - 70, 330);
        ray.lineTo(x0 - 40 - 70, 330);
        ray.closeSubpath();
        QLinearGradient g(0, 0, 0, 330);
        g.setColorAt(0, Q(0x305050));
        g.setColorAt(1, Q(0x000000));
        p.setBrush(g);
        p.drawPath(ray);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Rng rng(602);
    for (int k = 0; k < 9; ++k) {
        const float x0 = rng.Uniform(0, 600), h = rng.Uniform(90, 200);
        QPainterPath weed;
        weed.moveTo(x0, sandY(x0) + 10);
        for (int s = 1; s <= 8; ++s)
            weed.lineTo(x0 + 12 * std::sin(s * 0.9f + k), sandY(x0) + 10 - h * s / 8);
        p.setPen(QPen(kInk, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(weed);
        p.setPen(QPen(Q(Hsv(0.28f + rng.Uniform(0, 0.1f), 0.7f, 0.75f)), 7, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(weed);
    }
    for (int k = 0; k < 45; ++k) {
        const float x = rng.Uniform(0, 600), y = sandY(x) + rng.Uniform(6, 60);
        p.setPen(QPen(kInk, 1.5));
        const float value = rng.Uniform(0.6f, 1.0f), saturation = rng.Uniform(0.1f, 0.5f),
                    hue = rng.Uniform(0.0f, 0.12f);
        p.setBrush(Q(Hsv(hue, saturation, value)));
        if (k % 5 == 0) {
            p.drawChord(QRectF(x - 10, y - 8, 20, 16), 0, 180 * 16);
            p.drawLine(QPointF(x, y), QPointF(x, y - 7));
        } else {
            const float ry = rng.Uniform(2, 4), rx = rng.Uniform(3, 7);
            p.drawEllipse(QPointF(x, y), rx, ry);
        }
    }
    for (int k = 0; k < 4; ++k) {
        const float x = 60 + k * 150 + rng.Uniform(-30, 30);
        p.setPen(InkPen(2.5f));
        p.setBrush(Q(Hsv(rng.Uniform(0.95f, 1.08f), 0.7f, 1.0f)));
        p.drawPath(Star({x, sandY(x) + 25}, 16, 7, 5, rng.Uniform(0, 1)));
    }
    // A jellyfish drifting up through the open water.
    const QPointF jelly(78, 168);
    p.setPen(QPen(Q(0xd070c0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int t = 0; t < 4; ++t) {
        QPainterPath tentacle;
        tentacle.moveTo(jelly + QPointF(-12 + t * 8, 4));
        for (int s = 1; s <= 6; ++s)
            tentacle.lineTo(jelly + QPointF(-12 + t * 8 + 4 * std::sin(s * 1.3f + t), 4 + s * 7));
        p.drawPath(tentacle);
    }
    p.setPen(InkPen(3));
    p.setBrush(RadialGradient(jelly + QPointF(-5, -8), 26, {{0, Q(0xffd0f0)}, {1, Q(0xe060b0)}}));
    p.drawChord(QRectF(jelly.x() - 20, jelly.y() - 20, 40, 40), 0, 180 * 16);
    p.setBrush(Q(0xffffff, 0.7f));
    p.setPen(Qt::NoPen);
    p.drawEllipse(jelly + QPointF(-8, -10), 3, 4);
    Eye(p, jelly + QPointF(-6, -5), 3.5f, {0, 0.3f});
    Eye(p, jelly + QPointF(6, -5), 3.5f, {0, 0.3f});
    struct Fish {
        QPointF at;
        float size;
        float hue;
        bool left;
    };
    const Fish fish[] = {{{130, 110}, 42, 0.08f, false}, {{330, 80}, 30, 0.55f, true},
                         {{460, 150}, 50, 0.95f, true},  {{220, 220}, 36, 0.15f, false},
                         {{520, 260}, 28, 0.3f, true},   {{90, 250}, 26, 0.75f, false}};
    for (const Fish& f : fish) {
        p.save();
        p.translate(f.at);
        if (f.left)
            p.scale(-1, 1);
        const Col colour = Hsv(f.hue, 0.8f, 1.0f);
        QPainterPath tail;
        tail.moveTo(-f.size * 0.8f, 0);
        tail.lineTo(-f.size * 1.5f, -f.size * 0.55f);
        tail.lineTo(-f.size * 1.35f, 0);
        tail.lineTo(-f.size * 1.5f, f.size * 0.55f);
        tail.closeSubpath();
        p.setPen(InkPen(3));
        p.setBrush(Q(colour * 0.8f));
        p.drawPath(tail);
        QPainterPath bodyPath;
        bodyPath.addEllipse(QPointF(0, 0), f.size, f.size * 0.62f);
        p.setBrush(
            RadialGradient({-f.size * 0.2f, -f.size * 0.3f}, f.size * 1.2f,
                           {{0, Q(Mix(colour, Col{1, 1, 1}, 0.4f))}, {1, Q(colour * 0.7f)}}));
        p.drawPath(bodyPath);
        p.save();
        p.setClipPath(bodyPath);
        p.setPen(Qt::NoPen);
        p.setBrush(Q(0xffffff, 0.8f));
        for (int s = 0; s < 2; ++s)
            p.drawRect(
                QRectF(-f.size * 0.4f + s * f.size * 0.45f, -f.size, f.size * 0.16f, f.size * 2));
        p.restore();
        Eye(p, {f.size * 0.45f, -f.size * 0.12f}, f.size * 0.2f, {0.5f, 0});
        p.setPen(InkPen(2.5f));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(f.size * 0.45f, f.size * 0.05f, f.size * 0.35f, f.size * 0.25f), 200 * 16,
                  140 * 16);
        p.restore();
    }
    for (int k = 0; k < 40; ++k) {
        const float r = rng.Uniform(2, 9);
        const float y = rng.Uniform(0, 300), x = rng.Uniform(0, 600);
        const QPointF at(x, y);
        p.setPen(QPen(Q(0xffffff, 0.8f), 1.5));
        p.setBrush(Q(0xc0f8ff, 0.25f));
        p.drawEllipse(at, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(Q(0xffffff, 0.8f));
        p.drawEllipse(at + QPointF(-r * 0.35f, -r * 0.35f), r * 0.25f, r * 0.25f);
    }
    p.end();
    Finish(image);
    return image;
}

constexpr Artwork kCartoons[] = {
    {"Smiling sun over the hills", SmilingSun},
    {"Frog on a lily pad", FrogOnLilyPad},
    {"Balloon party", BalloonParty},
    {"Rocket to the moon", RocketToTheMoon},
    {"Friendly monsters", FriendlyMonsters},
    {"Under the sea", UnderTheSea},
};

} // namespace

std::span<const Artwork> CartoonArtworks() {
    return kCartoons;
}

} // namespace art
