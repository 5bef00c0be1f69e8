#include "app/AboutBox.h"

#include "platform/DialogUnits.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

const QString kWebAddress = QStringLiteral(QUADRILLO_HOMEPAGE_URL);

// A box ends with the id of the button that ended it; OK's is 1.
constexpr int kOkId = 1;
static_assert(kOkId == QDialog::Accepted);

} // namespace

const QString& AboutBox::Text() {
    static const QString text =
        QStringLiteral("Quadrillo v" QUADRILLO_VERSION " (" QUADRILLO_RELEASE_YEAR ")\n"
                       "\n"
                       "Game by the Quadrillo developers\n"
                       "\n"
                       "Sample pictures painted by code for the game\n"
                       "\n"
                       "Pack tool qdrpack by the Quadrillo developers\n"
                       "\n") +
        kWebAddress;
    return text;
}

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ok_(new QPushButton(QStringLiteral("OK"), this)), text_(new QLabel(Text(), this)),
      picture_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("About Quadrillo"));
    setAccessibleName(windowTitle());
    setSizeGripEnabled(false);

    ok_->setDefault(true);
    ok_->setAccessibleName(ok_->text());
    connect(ok_, &QPushButton::clicked, this, [this] { done(kOkId); });

    text_->setTextFormat(Qt::PlainText);
    text_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text_->setWordWrap(true);
    text_->setAccessibleName(text_->text());

    picture_->setPixmap(QPixmap(QStringLiteral(":/about.bmp")));
    picture_->setAccessibleName(QStringLiteral("Quadrillo"));
    picture_->setAccessibleDescription(
        QStringLiteral("A seaside picture cut into sixteen tiles, two of them swapped"));
    // The picture sits inside the text's frame.
    picture_->raise();

    LayOut();
}

void AboutBox::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        LayOut();
}

void AboutBox::LayOut() {
    const DialogBaseUnits base = BaseUnitsOf(font());
    setFixedSize(DialogSize(238, 153, base));
    ok_->setGeometry(DialogRect(93, 123, 50, 14, base));
    const QRect textRect = DialogRect(24, 21, 188, 87, base);
    text_->setGeometry(textRect);
    const QRect pictureRect(QPoint(DialogUnitsToPixelsX(41, base), DialogUnitsToPixelsY(26, base)),
                            picture_->pixmap().deviceIndependentSize().toSize());
    picture_->setGeometry(pictureRect);

    // The first line sits beside the picture, centred on it, and the blank
    // line after it lets the rest start below the picture. A small font
    // leaves no room for that: the text moves up, its short lines passing
    // beside the picture, rather than lose its last line. With the text at
    // the top, the indent is the space above it; contents margins would move
    // the frame instead.
    const QRect room = text_->contentsRect();
    const int lineSpacing = text_->fontMetrics().lineSpacing();
    const int pictureTop = pictureRect.top() - textRect.top() - room.top();
    const int besideTop = pictureTop + (pictureRect.height() - lineSpacing) / 2;
    const int belowTop = pictureTop + pictureRect.height() + 2 - 2 * lineSpacing;
    const int spare = room.height() -
                      text_->fontMetrics()
                          .boundingRect(room, Qt::TextWordWrap | text_->alignment(), text_->text())
                          .height();
    text_->setIndent(std::clamp(std::max(besideTop, belowTop), 0, std::max(0, spare)));
}

void RunAboutBox(QWidget* owner) {
    AboutBox box(owner);
    box.exec();
}
