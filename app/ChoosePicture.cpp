#include "app/ChoosePicture.h"

#include "packs/PackFormat.h"
#include "packs/PackReports.h"
#include "packs/TakePicture.h"
#include "platform/ProgramDirectory.h"
#include "puzzle/PuzzleState.h"

bool ChoosePicture(PuzzleState& state, const PackCatalogue& catalogue,
                   const PictureChoiceServices& services) {
    const std::optional<ChosenPicture> chosen =
        ChoosePictureFrom(catalogue, state.category, state.title, state.randomMode, services.draw);
    if (!chosen) {
        ShowNoPacksFound(services.directory.UserPackFolder(), services.messages);
        return false;
    }
    // Taken into temp.bmp only once whole and shown, so a failure leaves the
    // picture being played, and its file, as they were.
    std::optional<QImage> picture =
        TakePicture(chosen->pack, chosen->pictureNumber, services.directory,
                    services.directory.WorkingFile("temp.bmp"), {kPictureWidth, kPictureHeight},
                    WhileWriting::OutputKept, services.messages);
    if (!picture)
        return false;
    state.puzzleBitmap = std::move(*picture);
    state.currentPicturePath = QStringLiteral("temp.bmp");
    state.solutionPicturePath = state.currentPicturePath;
    return true;
}
