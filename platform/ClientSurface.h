#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

#include <span>

// The window's client area as a persistent picture. Pixels that a paint does
// not touch keep what an earlier paint left there.
class ClientSurface {
  public:
    explicit ClientSurface(QSize size = {});

    // A fresh white surface of the new size: what the window shows after it
    // was hidden, resized and shown again.
    void Reset(QSize size);

    QSize Size() const { return image_.size(); }
    const QImage& Image() const { return image_; }

    // Copies w x h pixels from (sx, sy) of the picture to (dx, dy). Pixels the
    // picture does not have (a null picture, a rectangle past its edge) come
    // out white; pixels off the surface are dropped.
    void CopyRect(const QImage& picture, int sx, int sy, int w, int h, int dx, int dy);

    // One rectangle of a batched copy.
    struct RectCopy {
        int sx, sy, w, h, dx, dy;
    };
    // Many copies from one picture whose destinations do not overlap, in one
    // call; reorders `copies`.
    void CopyRects(const QImage& picture, std::span<RectCopy> copies);

    // A one-pixel pen from `from` towards `to`: the first pixel is painted,
    // the last is not.
    void Line(QPoint from, QPoint to, QRgb colour = kWhite);

    static constexpr QRgb kWhite = 0xffffffff;

  private:
    QImage image_;
};
