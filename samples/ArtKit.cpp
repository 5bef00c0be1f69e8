#include "samples/ArtKit.h"

#include <numeric>
#include <vector>

namespace art {

Col Hsv(float hue, float saturation, float value) {
    const float h = Fract(hue) * 6.0f;
    const float s = Clamp01(saturation);
    const float v = Clamp01(value);
    const int sector = static_cast<int>(h) % 6;
    const float f = h - std::floor(h);
    const float p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
    case 0:
        return {v, t, p};
    case 1:
        return {q, v, p};
    case 2:
        return {p, v, t};
    case 3:
        return {p, q, v};
    case 4:
        return {t, p, v};
    default:
        return {v, p, q};
    }
}

float Hash01(int x, int y, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                      static_cast<std::uint32_t>(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

Noise::Noise(std::uint32_t seed) {
    std::array<std::uint8_t, 256> p{};
    std::iota(p.begin(), p.end(), 0);
    Rng rng(seed);
    for (int i = 255; i > 0; --i)
        std::swap(p[i], p[rng.Int(0, i)]);
    for (int i = 0; i < 512; ++i)
        perm_[i] = p[i & 255];
}

float Noise::Ridged(float x, float y, int octaves) const {
    float sum = 0, amplitude = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        const float r = 1.0f - std::abs(At(x + i * 31.7f, y + i * 5.3f));
        sum += amplitude * r * r;
        norm += amplitude;
        amplitude *= 0.5f;
        x *= 2.01f;
        y *= 2.01f;
    }
    return sum / norm;
}

QLinearGradient LinearGradient(QPointF from, QPointF to,
                               std::initializer_list<std::uint32_t> stops) {
    QLinearGradient g(from, to);
    const int n = static_cast<int>(stops.size());
    int i = 0;
    for (std::uint32_t c : stops)
        g.setColorAt(n > 1 ? static_cast<double>(i++) / (n - 1) : 0.0, Q(c));
    return g;
}

QRadialGradient RadialGradient(QPointF centre, float radius,
                               std::initializer_list<std::pair<float, QColor>> stops) {
    QRadialGradient g(centre, radius);
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    return g;
}

void Glow(QPainter& p, QPointF centre, float radius, Col colour, float strength) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(RadialGradient(centre, radius,
                              {{0.0f, Q(colour, strength)},
                               {0.4f, Q(colour, strength * 0.35f)},
                               {1.0f, Q(colour, 0.0f)}}));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QPainterPath Star(QPointF centre, float outer, float inner, int points, float turn) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const float r = (i % 2 == 0) ? outer : inner;
        const float a = turn + i * kPi / points - kPi / 2;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

namespace {

// The paper every picture is printed on: one texture, made once, so the
// finishing pass costs a table look-up per pixel.
struct Paper {
    std::vector<float> texture, lift;
    Paper() : texture(kWidth * kHeight), lift(kWidth * kHeight) {
        const Noise noise(0x5eed);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const float t = noise.Fbm(x / 38.0f, y / 38.0f, 3) * 0.07f;
                const float grain = (Hash01(x, y, 0x9a1a) - 0.5f) * 0.03f;
                texture[y * kWidth + x] = t;
                lift[y * kWidth + x] = t * 0.25f + grain;
            }
    }
};

const Paper& ThePaper() {
    static const Paper paper;
    return paper;
}

} // namespace

void Finish(QImage& image, float strength) {
    const Paper& paper = ThePaper();
    Modify(image, [&](int x, int y, Col c) {
        const int at = y * kWidth + x;
        const float dx = (x - kWidth / 2.0f) / (kWidth / 2.0f);
        const float dy = (y - kHeight / 2.0f) / (kHeight / 2.0f);
        const float vignette = 1.0f - 0.065f * (dx * dx + dy * dy);
        const float lift = paper.lift[at] * strength;
        return (c * (1.0f + paper.texture[at] * strength) + Col{lift, lift, lift}) * vignette;
    });
}

} // namespace art
