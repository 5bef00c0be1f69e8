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

    const DialogBaseUnits base = BaseUnitsOf(font());
    // The frame keeps the picture inside it whatever the font.
    const QRect picture(kPictureAt, kPictureSize);
    const QRect frame = DialogRect(7, 7, 203, 122, base).united(picture.adjusted(-2, -9, 2, 2));
    auto* box = new QGroupBox(this);
    box->setGeometry(frame);
    box->setAccessibleName(QStringLiteral("Solution picture"));
    auto* shown = new SolutionPicture(state_, directory_, this);
    shown->setGeometry(picture);
    shown->raise();
    setFixedSize(
        DialogSize(217, 137, base)
            .expandedTo(QSize(frame.right() + 1 + frame.left(), frame.bottom() + 1 + frame.top())));
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
