// The floor for the start-up and idle memory benchmarks: a Qt Widgets window with the game's
// client size and a menu bar of two menus, and nothing else to do. Like the
// game's board under QUADRILLO_REPORT_FIRST_PAINT, it prints
// "first-paint <steady_clock ns>" once its first paint is done. With
// --picture it holds and shows a 600 x 375 picture as the game holds its
// own, the floor for the game's memory at rest.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <utility>

namespace {

class PlainSurface : public QWidget {
  public:
    explicit PlainSurface(QImage picture) : picture_(std::move(picture)) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        if (picture_.isNull())
            painter.fillRect(event->rect(), QColor(40, 90, 120));
        else
            painter.drawImage(event->rect(), picture_, event->rect());
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
    QImage picture_;
    bool reported_ = false;
};

// Every pixel written, so all of it is resident.
QImage Picture() {
    QImage picture(600, 375, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 599, y * 255 / 374, (x ^ y) & 0xff));
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool withPicture = QApplication::arguments().contains(QStringLiteral("--picture"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    QMenu* view = window.menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(QStringLiteral("&Jumble"));
    view->addAction(QStringLiteral("&Grid"));
    view->addAction(QStringLiteral("&Solve for me"));
    auto* surface = new PlainSurface(withPicture ? Picture() : QImage());
    surface->setFixedSize(600, 375);
    window.setCentralWidget(surface);
    window.move(100, 100);
    window.show();
    return application.exec();
}
