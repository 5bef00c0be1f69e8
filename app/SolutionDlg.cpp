#include "app/SolutionDlg.h"

#include "platform/DialogUnits.h"
#include "platform/PictureLoader.h"
#include "puzzle/PuzzleState.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>

namespace {

// Paints the picture over the frame, read afresh every time: the window
// shows whatever the file holds now.
class SolutionPicture : public QWidget {
  public:
    SolutionPicture(const PuzzleState& state, const ProgramDirectory& directory, QWidget* parent)
        : QWidget(parent), state_(state), directory_(directory) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const LoadedPicture picture =
            LoadPicture(directory_.Resolve(state_.solutionPicturePath), size());
        QPainter painter(this);
        if (picture.Ok())
            painter.drawImage(0, 0, picture.image);
        else
            painter.fillRect(rect(), Qt::white);
    }

  private:
    const PuzzleState& state_;
    const ProgramDirectory& directory_;
};

} // namespace

CSolutionDlg::CSolutionDlg(PuzzleState& state, ProgramDirectory directory, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state), directory_(std::move(directory)) {
    setWindowTitle(QStringLiteral("Solution"));
    setAccessibleName(windowTitle());
    setModal(false);

    const Layout layout = LayOut(BaseUnitsOf(font()));
    auto* box = new QGroupBox(this);
    box->setGeometry(layout.frame);
    box->setAccessibleName(QStringLiteral("Solution picture"));
    auto* shown = new SolutionPicture(state_, directory_, this);
    shown->setGeometry(layout.picture);
    shown->raise();
    setFixedSize(layout.client);
}

CSolutionDlg::Layout CSolutionDlg::LayOut(DialogBaseUnits base) {
    constexpr int kMargin = 2; // between the frame's line and the picture
    QRect frame = DialogRect(7, 7, 203, 122, base);
    frame.setSize(frame.size().expandedTo(kPictureSize + QSize(2 * kMargin, 2 * kMargin)));
    const QRect picture(frame.topLeft() + QPoint((frame.width() - kPictureSize.width()) / 2,
                                                 (frame.height() - kPictureSize.height()) / 2),
                        kPictureSize);
    const QSize client =
        DialogSize(217, 137, base)
            .expandedTo(QSize(frame.right() + 1 + frame.left(), frame.bottom() + 1 + frame.top()));
    return {client, frame, picture};
}

void CSolutionDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        Close();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CSolutionDlg::closeEvent(QCloseEvent* event) {
    event->accept();
    Close();
}

void CSolutionDlg::Close() {
    state_.solutionOpen = false;
    hide();
    deleteLater();
}
