#pragma once

// Small toolbox the sample pictures are painted with: colours, a seeded
// generator, gradient noise and per-pixel shading.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>

namespace art {

inline constexpr int kWidth = 600;
inline constexpr int kHeight = 375;
inline constexpr float kPi = 3.14159265f;

struct Col {
    float r = 0, g = 0, b = 0;
};

inline Col operator+(Col a, Col b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Col operator-(Col a, Col b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Col operator*(Col a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Col operator*(Col a, Col b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}

inline float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
inline float Mix(float a, float b, float t) {
    return a + (b - a) * t;
}
inline Col Mix(Col a, Col b, float t) {
    return a + (b - a) * t;
}
inline float SmoothStep(float e0, float e1, float x) {
    const float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}
inline float Fract(float v) {
    return v - std::floor(v);
}
// std::hypot guards against overflow we never meet, at several times the cost.
inline float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

// 0xRRGGBB.
inline Col Hex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xff) / 255.0f, ((rgb >> 8) & 0xff) / 255.0f, (rgb & 0xff) / 255.0f};
}
// Hue wraps, so callers may drift it freely.
Col Hsv(float hue, float saturation, float value);

inline QRgb ToRgb(Col c) {
    auto channel = [](float v) { return static_cast<int>(Clamp01(v) * 255.0f + 0.5f); };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}
inline Col FromRgb(QRgb rgb) {
    return {qRed(rgb) / 255.0f, qGreen(rgb) / 255.0f, qBlue(rgb) / 255.0f};
}
inline QColor Q(Col c, float alpha = 1.0f) {
    return QColor::fromRgbF(Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), Clamp01(alpha));
}
inline QColor Q(std::uint32_t rgb, float alpha = 1.0f) {
    return Q(Hex(rgb), alpha);
}

// Our own mapping from mt19937 output, so the numbers do not depend on how a
// standard library implements its distributions.
// Draws must be sequenced, one per statement or in a declaration list: the
// compiler picks the order of a call's arguments, so f(rng.A(), rng.B())
// paints differently with g++ and clang. Draws that read backwards (y before
// x) keep the order the pictures were tuned with.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : engine_(seed) {}
    float Unit() { return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f); }
    float Uniform(float lo, float hi) { return lo + (hi - lo) * Unit(); }
    int Int(int lo, int hi) {
        return lo + static_cast<int>(engine_() % static_cast<unsigned>(hi - lo + 1));
    }
    bool Chance(float p) { return Unit() < p; }

  private:
    std::mt19937 engine_;
};

// Stateless hash in [0, 1): per-pixel grain and star fields.
float Hash01(int x, int y, std::uint32_t seed);

// Gradient noise in roughly [-1, 1] with a seeded permutation.
class Noise {
  public:
    explicit Noise(std::uint32_t seed);
    float At(float x, float y) const;
    float Fbm(float x, float y, int octaves) const;
    // Sharp crests, in [0, 1]: mountains and waves.
    float Ridged(float x, float y, int octaves) const;

  private:
    std::array<std::uint8_t, 512> perm_{};
};

// Inline: these run for every pixel of most pictures.
namespace detail {

inline float Fade(float t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

inline constexpr float kGradX[8] = {1, 1, -1, -1, 1.41f, -1.41f, 0, 0};
inline constexpr float kGradY[8] = {1, -1, 1, -1, 0, 0, 1.41f, -1.41f};

inline float Gradient(int hash, float x, float y) {
    return kGradX[hash & 7] * x + kGradY[hash & 7] * y;
}

inline int FloorToInt(float v) {
    const int i = static_cast<int>(v);
    return v < i ? i - 1 : i;
}

} // namespace detail

inline float Noise::At(float x, float y) const {
    const int ix = detail::FloorToInt(x), iy = detail::FloorToInt(y);
    const int X = ix & 255, Y = iy & 255;
    const float dx = x - ix, dy = y - iy;
    const float u = detail::Fade(dx), v = detail::Fade(dy);
    const int a = perm_[X] + Y, b = perm_[X + 1] + Y;
    const float top =
        Mix(detail::Gradient(perm_[a], dx, dy), detail::Gradient(perm_[b], dx - 1, dy), u);
    const float bottom = Mix(detail::Gradient(perm_[a + 1], dx, dy - 1),
                             detail::Gradient(perm_[b + 1], dx - 1, dy - 1), u);
    return Mix(top, bottom, v);
}

inline float Noise::Fbm(float x, float y, int octaves) const {
    float sum = 0, amplitude = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        // Offsets keep the octaves from lining up at the origin.
        sum += amplitude * At(x + i * 17.3f, y - i * 9.1f);
        norm += amplitude;
        amplitude *= 0.5f;
        x *= 2.03f;
        y *= 2.03f;
    }
    return sum / norm;
}

inline QImage NewCanvas() {
    return QImage(kWidth, kHeight, QImage::Format_RGB32);
}

// f(x, y) -> Col for every pixel.
template <class F> void Shade(QImage& image, F&& f) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = ToRgb(f(x, y));
    }
}

// f(x, y, old) -> Col for every pixel.
template <class F> void Modify(QImage& image, F&& f) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = ToRgb(f(x, y, FromRgb(line[x])));
    }
}

// A painter with antialiasing on: every picture wants it.
class Painter : public QPainter {
  public:
    explicit Painter(QImage* image) : QPainter(image) {
        setRenderHint(QPainter::Antialiasing);
        setPen(Qt::NoPen);
    }
};

QLinearGradient LinearGradient(QPointF from, QPointF to,
                               std::initializer_list<std::uint32_t> stops);
QRadialGradient RadialGradient(QPointF centre, float radius,
                               std::initializer_list<std::pair<float, QColor>> stops);
void Glow(QPainter& p, QPointF centre, float radius, Col colour, float strength);
// A closed band under the curve y = height(x), down to the bottom edge.
template <class F> QPainterPath Ground(F&& height, float bottom = kHeight + 10) {
    QPainterPath path;
    path.moveTo(-10, bottom);
    for (int x = -10; x <= kWidth + 10; x += 3)
        path.lineTo(x, height(static_cast<float>(x)));
    path.lineTo(kWidth + 10, bottom);
    path.closeSubpath();
    return path;
}
QPainterPath Star(QPointF centre, float outer, float inner, int points, float turn);

// Last pass of every picture: a canvas-like texture, fine grain and a soft
// vignette, so no stretch of the picture is a single flat colour.
void Finish(QImage& image, float strength = 1.0f);

} // namespace art
