#pragma once

#include <QWidget>

#include <functional>

class ClientSurface;

// The main window's client area: shows the client surface and passes on
// left-button presses. It holds no game state.
class BoardWidget : public QWidget {
    Q_OBJECT

  public:
    BoardWidget(const ClientSurface& surface, QWidget* parent = nullptr);

    std::function<void()> onExpose; // a paint the window system asked for
    std::function<void(int x, int y)> onLeftPress;

    // Shows the surface at once, without drawing it again.
    void ShowSurface();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const ClientSurface& surface_;
    bool surfaceCurrent_ = false;
};
