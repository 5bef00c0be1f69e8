#include "app/BoardWidget.h"

#include "platform/MessageBoxService.h"
#include "puzzle/BoardView.h"
#include "puzzle/PuzzleState.h"

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

BoardWidget::BoardWidget(PuzzleState& state, MessageBoxService& messages, QWidget* parent)
    : QWidget(parent), state_(state), messages_(messages) {
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Board"));
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Show(OnBoardClick(state_, int(event->position().x()), int(event->position().y())));
}

void BoardWidget::Show(BoardChange change) {
    if (change == BoardChange::Nothing || change == BoardChange::PickedUp)
        return;
    PaintBoard();
    if (change == BoardChange::Completed)
        messages_.Show(QStringLiteral("Puzzle complete!"), QStringLiteral("Congratulations"));
    if (change == BoardChange::Swapped || change == BoardChange::Completed)
        DropSelection(state_);
}

void BoardWidget::PaintBoard() {
    DrawBoard(state_, surface_);
    surfaceCurrent_ = true;
    repaint();
    surfaceCurrent_ = false;
}

void BoardWidget::SetClientSize(QSize size) {
    surface_.Reset(size);
    setFixedSize(size);
    // The size follows the grid, so this is where a new grid shows.
    setAccessibleDescription(QStringLiteral("Picture puzzle of %1 x %1 tiles; click a tile, then "
                                            "another, to swap them")
                                 .arg(state_.dimension));
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    // The window system asks too: draw afresh unless the program just did.
    if (!surfaceCurrent_)
        DrawBoard(state_, surface_);
    QPainter painter(this);
    painter.drawImage(event->rect(), surface_.Image(), event->rect());
    painter.end();
    ReportFirstPaint();
}
