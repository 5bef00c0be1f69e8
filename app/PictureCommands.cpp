// The commands that change the picture: New, Open and a file dropped on the
// window.
#include "app/BoardWidget.h"
#include "app/ChoosePicture.h"
#include "app/MainFrame.h"
#include "packs/PackReports.h"
#include "platform/FileChooser.h"
#include "platform/PictureLoader.h"
#include "puzzle/PuzzleState.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// The first local file among dropped things; empty when there is none.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return url.toLocalFile();
    return {};
}

} // namespace

bool CMainFrame::ChoosePicture() {
    return ::ChoosePicture(state_, services_.catalogue,
                           {services_.programDirectory, services_.messages, services_.draw});
}

void CMainFrame::OnNewPicture() {
    if (!HasPictures(services_.catalogue, state_.category)) {
        ShowNoPacksFound(services_.programDirectory.UserPackFolder(), services_.messages);
        return;
    }
    // The new picture replaces temp.bmp only once it is whole: a New that
    // fails leaves the game as it was.
    if (!ChoosePicture())
        return;
    state_.gridLinesPending = true;
    CloseSolutionWindow();
    JumbleBoard(state_);
    board_->PaintBoard();
    DropSelection(state_);
}

void CMainFrame::OnOpen() {
    const QString path = services_.chooser.ChooseFileToOpen(this);
    if (!path.isEmpty())
        OpenPicture(path);
}

bool CMainFrame::OpenPicture(const QString& path) {
    // Looked at before anything changes: a file that is no picture leaves
    // the game as it was.
    LoadedPicture picture = LoadPicture(path, {kPictureWidth, kPictureHeight});
    if (!picture.Ok()) {
        services_.messages.Report(picture.reason);
        return false;
    }
    // The working file itself is played, not deleted from under the player.
    const QFileInfo chosen(path),
        working(services_.programDirectory.Resolve(QStringLiteral("temp.bmp")));
    if (chosen.canonicalFilePath() != working.canonicalFilePath())
        RemoveWorkingPicture();
    state_.currentPicturePath = chosen.absoluteFilePath();
    state_.puzzleBitmap = std::move(picture.image);
    state_.solutionPicturePath = state_.currentPicturePath;
    JumbleBoard(state_);
    DropSelection(state_);
    CloseSolutionWindow();
    board_->PaintBoard();
    return true;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString file = DroppedFile(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    RunCommand([&] { OpenPicture(file); }, services_.messages);
}
