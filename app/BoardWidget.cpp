#include "app/BoardWidget.h"

#include "platform/ClientSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <chrono>
#include <cstdio>

namespace {

// The start-up benchmark times the first board on the screen from another
// process, so the board says when it has painted: once, on a clock that
// process shares.
void ReportFirstPaint() {
    static bool pending = qEnvironmentVariableIsSet("QUADRILLO_REPORT_FIRST_PAINT");
    if (!pending)
        return;
    pending = false;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf(
        "first-paint %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
}

} // namespace

BoardWidget::BoardWidget(const ClientSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardWidget::ShowSurface() {
    surfaceCurrent_ = true;
    repaint();
    surfaceCurrent_ = false;
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    if (!surfaceCurrent_ && onExpose)
        onExpose();
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_.Image(), event->rect());
    painter.end();
    ReportFirstPaint();
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLeftPress)
        onLeftPress(int(event->position().x()), int(event->position().y()));
}
