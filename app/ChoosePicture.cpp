#include "app/ChoosePicture.h"

#include "packs/PackReports.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramDirectory.h"
#include "puzzle/PuzzleState.h"

void ChoosePicture(PuzzleState& state, const PackCatalogue& catalogue,
                   const PictureChoiceServices& services) {
    const std::optional<ChosenPicture> chosen =
        ChoosePictureFrom(catalogue, state.category, state.title, state.randomMode, services.draw);
    if (!chosen) {
        ShowNoPacksFound(services.messages);
        return;
    }
    ExtractedPicture extracted;
    const PackProblems problems =
        ExtractPicture(services.directory.File(chosen->pack), chosen->pictureNumber,
                       services.directory.File("temp.bmp"), &extracted);
    ShowPackProblems(problems, services.messages);

    state.currentPicturePath = QStringLiteral("temp.bmp");
    // The bytes just written need not be read back; after any trouble the
    // file is loaded as it stands.
    const QString reason = services.loadPuzzleBitmap(
        state.currentPicturePath, problems.empty() ? extracted.data : QByteArray());
    if (reason.isEmpty())
        return;
    // Whatever the boxes above said, the player learns which picture failed.
    const QString pack = QString::fromStdString(chosen->pack);
    const QString& title = extracted.title;
    const QString picture =
        title.isEmpty() ? QStringLiteral("Picture %1 of %2").arg(chosen->pictureNumber).arg(pack)
                        : QStringLiteral("\"%1\" (picture %2 of %3)")
                              .arg(title)
                              .arg(chosen->pictureNumber)
                              .arg(pack);
    services.messages.Report(QStringLiteral("%1 cannot be shown. %2").arg(picture, reason));
}
