// The floor for the start-up benchmark: a Qt Widgets window with the game's
// client size and a menu bar of two menus, and nothing else to do. Like the
// game's board under QUADRILLO_REPORT_FIRST_PAINT, it prints
// "first-paint <steady_clock ns>" once its first paint is done.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class PlainSurface : public QWidget {
  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(40, 90, 120));
        painter.end();
        if (reported_)
            return;
        reported_ = true;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-paint %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
    }

  private:
    bool reported_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    QMenu* view = window.menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Jumble"));
    view->addAction(QStringLiteral("&Grid"));
    view->addAction(QStringLiteral("&Solve for me"));
    auto* surface = new PlainSurface;
    surface->setFixedSize(600, 375);
    window.setCentralWidget(surface);
    window.move(100, 100);
    window.show();
    return application.exec();
}
