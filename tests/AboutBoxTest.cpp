#include "app/AboutBox.h"
#include "platform/DialogUnits.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QImage Picture() {
    return QImage(QStringLiteral(":/about.bmp")).convertToFormat(QImage::Format_RGB32);
}

QFont Scaled(QFont font, double factor) {
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

class AboutBoxTest : public ::testing::Test {
  protected:
    void Show(const QFont* font = nullptr) {
        box = std::make_unique<AboutBox>();
        if (font)
            box->setFont(*font);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    }

    QImage Shown() const { return box->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Every place the layout puts something, converted with the box's own font.
    void ExpectLaidOutInDialogUnits() const {
        const DialogBaseUnits base = BaseUnitsOf(box->font());
        EXPECT_EQ(box->size(), DialogSize(238, 153, base));
        EXPECT_EQ(box->minimumSize(), box->maximumSize());
        EXPECT_EQ(box->OkButton().geometry(), DialogRect(93, 123, 50, 14, base));
        EXPECT_EQ(box->TextLabel().geometry(), DialogRect(24, 21, 188, 87, base));
        EXPECT_EQ(box->Picture().geometry(),
                  QRect(DialogUnitsToPixelsX(41, base), DialogUnitsToPixelsY(26, base), 32, 32));
    }

    // The text, drawn without the picture over it, leaves the picture's place
    // empty, has its first line beside the picture and is not cut off below.
    void ExpectTextClearOfThePicture() {
        const QRect place = box->Picture().geometry();
        box->Picture().hide();
        const QImage shown = Shown();
        box->Picture().show();
        const QLabel& label = box->TextLabel();
        const QRect inside = label.frameRect().adjusted(1, 1, -1, -1).translated(label.pos());
        const QRgb background = shown.pixel(inside.topLeft());
        int underPicture = 0, besidePicture = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (shown.pixel(x, y) == background)
                    continue;
                if (place.contains(x, y))
                    ++underPicture;
                else if (y >= place.top() && y <= place.bottom())
                    ++besidePicture;
            }
        EXPECT_EQ(underPicture, 0);
        EXPECT_GT(besidePicture, 20);
        // With the text at the top, the indent is the space above it.
        const QRect room = label.contentsRect().adjusted(0, label.indent(), 0, 0);
        const QRect needed = label.fontMetrics().boundingRect(
            room, Qt::TextWordWrap | label.alignment(), label.text());
        EXPECT_LE(needed.bottom(), room.bottom());
    }

    // The picture at its own size, its top left at the given point.
    static bool PictureAt(const QImage& shown, QPoint topLeft) {
        const QImage picture = Picture();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (shown.pixel(topLeft + QPoint(x, y)) != picture.pixel(x, y))
                    return false;
        return true;
    }

    std::unique_ptr<AboutBox> box;
};

} // namespace

TEST_F(AboutBoxTest, CaptionButtonAndText) {
    Show();
    EXPECT_EQ(box->windowTitle(), "About Quadrillo");
    EXPECT_EQ(box->accessibleName(), "About Quadrillo");
    EXPECT_FALSE(box->windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_FALSE(box->isSizeGripEnabled());

    EXPECT_EQ(box->OkButton().text(), "OK");
    EXPECT_EQ(box->OkButton().accessibleName(), "OK");
    EXPECT_TRUE(box->OkButton().isDefault());

    const QLabel& label = box->TextLabel();
    EXPECT_EQ(label.text(), AboutBox::Text());
    EXPECT_EQ(label.accessibleName(), label.text());
    EXPECT_EQ(label.frameStyle(), QFrame::Panel | QFrame::Sunken);
    EXPECT_EQ(label.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(label.wordWrap());
    const QStringList lines = label.text().split('\n');
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines.first(), "Quadrillo v1.00 (2026)");
    EXPECT_TRUE(lines[2].contains("game", Qt::CaseInsensitive));
    EXPECT_TRUE(lines[4].contains("pictures", Qt::CaseInsensitive));
    EXPECT_TRUE(lines[6].contains("qdrpack"));
    EXPECT_EQ(lines.last(), "https://quadrillo.example.org");
    for (int i = 1; i < lines.size(); i += 2)
        EXPECT_TRUE(lines[i].isEmpty()) << "line " << i;

    EXPECT_EQ(box->Picture().accessibleName(), "Quadrillo");
}

TEST_F(AboutBoxTest, LaidOutInDialogUnitsOfItsOwnFont) {
    Show();
    ExpectLaidOutInDialogUnits();
    const QSize normal = box->size();

    const QFont large = Scaled(box->font(), 2);
    Show(&large);
    ExpectLaidOutInDialogUnits();
    EXPECT_GE(box->width(), normal.width() * 17 / 10);
    EXPECT_LE(box->width(), normal.width() * 23 / 10);
    EXPECT_GE(box->height(), normal.height() * 17 / 10);
    EXPECT_LE(box->height(), normal.height() * 23 / 10);
}

TEST_F(AboutBoxTest, TextKeepsClearOfThePictureAndFitsAtAnyFont) {
    Show();
    const QFont normal = box->font();
    ExpectTextClearOfThePicture();
    const QString shots = qEnvironmentVariable("QUADRILLO_ABOUT_SHOT");
    if (!shots.isEmpty())
        box->grab().save(shots + "/about.png");

    // Smaller, the picture takes more of the box; larger, less.
    for (double factor : {0.75, 2.0}) {
        const QFont font = Scaled(normal, factor);
        Show(&font);
        ExpectTextClearOfThePicture();
        if (!shots.isEmpty())
            box->grab().save(shots + QStringLiteral("/about-%1.png").arg(factor));
    }
}

TEST_F(AboutBoxTest, PictureIsSixteenColoursShownAtItsOwnSize) {
    QFile file(QStringLiteral(":/about.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bmp = file.readAll();
    ASSERT_GE(bmp.size(), 34);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(bmp[28], 4);                          // bits a pixel
    EXPECT_EQ(bmp.mid(30, 4), QByteArray(4, '\0')); // BI_RGB

    const QImage picture = Picture();
    ASSERT_EQ(picture.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            colours.insert(picture.pixel(x, y));
    EXPECT_LE(colours.size(), 16);
    EXPECT_GE(colours.size(), 8);

    Show();
    const QImage shown = Shown();
    const QPoint at = box->Picture().pos();
    const DialogBaseUnits base = BaseUnitsOf(box->font());
    ASSERT_EQ(at, QPoint(DialogUnitsToPixelsX(41, base), DialogUnitsToPixelsY(26, base)));
    EXPECT_TRUE(PictureAt(shown, at));
    for (QPoint off : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
        EXPECT_FALSE(PictureAt(shown, at + off)) << off.x() << "," << off.y();
}

TEST_F(AboutBoxTest, EnterAndOkAcceptEscapeAndCloseBoxReject) {
    const auto ends = [&](const std::function<void()>& act) {
        Show();
        QSignalSpy finished(box.get(), &QDialog::finished);
        act();
        EXPECT_FALSE(box->isVisible());
        return finished.size() == 1 ? finished.first().first().toInt() : -1;
    };
    EXPECT_EQ(ends([&] { QTest::keyClick(box.get(), Qt::Key_Return); }), QDialog::Accepted);
    EXPECT_EQ(ends([&] { QTest::keyClick(box.get(), Qt::Key_Enter, Qt::KeypadModifier); }),
              QDialog::Accepted);
    EXPECT_EQ(ends([&] { QTest::mouseClick(&box->OkButton(), Qt::LeftButton); }),
              QDialog::Accepted);
    EXPECT_EQ(ends([&] { QTest::keyClick(box.get(), Qt::Key_Escape); }), QDialog::Rejected);
    EXPECT_EQ(ends([&] { box->close(); }), QDialog::Rejected);
}

TEST_F(AboutBoxTest, RunsModallyOverItsOwner) {
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    // Read while the box is up: it is gone when RunAboutBox returns.
    bool aboutBox = false, modal = false;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown)
            return;
        aboutBox = qobject_cast<AboutBox*>(shown) != nullptr;
        modal = shown->isModal();
        parent = shown->parentWidget();
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    RunAboutBox(&owner);
    EXPECT_TRUE(aboutBox);
    EXPECT_TRUE(modal);
    EXPECT_EQ(parent, &owner);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
