#include "packs/PictureChoice.h"

namespace {

// Picture `index` (from 0) of the category, with each pack's pictures
// counted from its end.
ChosenPicture AnyPackOf(const std::vector<PackEntry>& packs, std::int64_t index) {
    std::int64_t sum = 0;
    for (const PackEntry& pack : packs) {
        sum += pack.pictures;
        if (sum > index)
            return {pack.path, int(sum - index)};
    }
    return {packs.back().path, 1}; // not reached while the totals agree
}

} // namespace

bool HasPictures(const PackCatalogue& catalogue, int category) {
    return IsCategory(category) && catalogue.pictureTotal[category] > 0;
}

std::optional<ChosenPicture> ChoosePictureFrom(const PackCatalogue& catalogue, int category,
                                               int title, int randomMode, const DrawRandom& draw) {
    if (!HasPictures(catalogue, category))
        return std::nullopt;
    const std::int64_t total = catalogue.pictureTotal[category];

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
                    return ChosenPicture{pack.path, int(pack.pictures - (sum - wanted))};
            }
        return std::nullopt; // not reached while the totals agree
    }
    if (title >= 1 && std::size_t(title) <= packs.size() && packs[title - 1].pictures > 0) {
        const PackEntry& pack = packs[title - 1];
        return ChosenPicture{pack.path, int(draw() % std::uint32_t(pack.pictures)) + 1};
    }
    return AnyPackOf(packs, std::int64_t(first % std::uint64_t(total)));
}
