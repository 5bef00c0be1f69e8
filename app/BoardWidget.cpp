#include "app/BoardWidget.h"

#include "platform/ClientSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLeftPress)
        onLeftPress(int(event->position().x()), int(event->position().y()));
}
