#include "packs/PictureChoice.h"

#include "app/PuzzleState.h"
#include "platform/MessageBoxService.h"
#include "platform/ProgramDirectory.h"

namespace {

// Picture `index` (from 0) of the category, with each pack's pictures
// counted from its end.
ChosenPicture AnyPackOf(const std::vector<PackEntry>& packs, std::int64_t index) {
    std::int64_t sum = 0;
    for (const PackEntry& pack : packs) {
        sum += pack.pictures;
        if (sum > index)
            return {pack.name, int(sum - index)};
    }
    return {packs.back().name, 1}; // not reached while the totals agree
}

} // namespace

std::optional<ChosenPicture> ChoosePictureFrom(const PackCatalogue& catalogue, int category,
                                               int title, int randomMode, const DrawRandom& draw) {
    if (category < 0 || category >= kCategoryCount)
        return std::nullopt;
    const std::int64_t total = catalogue.pictureTotal[category];
    if (total <= 0)
        return std::nullopt;

    // The first draw is made in every mode; only the any-pack mode uses it.
    const std::uint32_t first = draw();
    const std::vector<PackEntry>& packs = catalogue.packs[category];

    if (randomMode != 0) {
        std::int64_t all = 0;
        for (std::int32_t sum : catalogue.pictureTotal)
            all += sum;
        const std::int64_t wanted = std::int64_t(draw() % std::uint64_t(all)) + 1;
        std::int64_t sum = 0;
        for (const std::vector<PackEntry>& table : catalogue.packs)
            for (const PackEntry& pack : table) {
                sum += pack.pictures;
                if (pack.pictures > 0 && sum >= wanted)
                    return ChosenPicture{pack.name, int(pack.pictures - (sum - wanted))};
            }
        return std::nullopt; // not reached while the totals agree
    }
    if (title >= 1 && std::size_t(title) <= packs.size() && packs[title - 1].pictures > 0) {
        const PackEntry& pack = packs[title - 1];
        return ChosenPicture{pack.name, int(draw() % std::uint32_t(pack.pictures)) + 1};
    }
    return AnyPackOf(packs, std::int64_t(first % std::uint64_t(total)));
}

void ShowNoPacksFound(MessageBoxService& messages) {
    messages.Show(QStringLiteral("If you'd like some go to ") + kPackDownloadAddress,
                  QStringLiteral("No picture packs found"));
}

void ShowPackProblems(const PackProblems& problems, MessageBoxService& messages) {
    for (const PackProblem& problem : problems)
        messages.Show(problem.message, QStringLiteral("Quadrillo"));
}

void ChoosePicture(PuzzleState& state, const PackCatalogue& catalogue,
                   const PictureChoiceServices& services) {
    const std::optional<ChosenPicture> chosen =
        ChoosePictureFrom(catalogue, state.category, state.title, state.randomMode, services.draw);
    if (!chosen) {
        ShowNoPacksFound(services.messages);
        return;
    }
    const PackProblems problems =
        ExtractPicture(services.directory.File(chosen->pack), chosen->pictureNumber,
                       services.directory.File("temp.bmp"));
    ShowPackProblems(problems, services.messages);

    state.currentPicturePath = QStringLiteral("temp.bmp");
    const QString reason = services.loadPuzzleBitmap(state.currentPicturePath);
    // A refused extraction has been reported already; say it once.
    if (!reason.isEmpty() && problems.empty())
        services.messages.Show(QStringLiteral("Picture %1 of %2 cannot be shown. %3")
                                   .arg(chosen->pictureNumber)
                                   .arg(QString::fromStdString(chosen->pack), reason),
                               QStringLiteral("Quadrillo"));
}
