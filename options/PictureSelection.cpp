#include "options/PictureSelection.h"

std::span<const PackEntry> PacksShown(const PackCatalogue& catalogue, int category, int title) {
    if (!IsCategory(category) || title < 0)
        return {};
    const std::vector<PackEntry>& packs = catalogue.packs[category];
    if (title == 0)
        return packs;
    if (std::size_t(title) > packs.size())
        return {};
    return std::span(packs).subspan(std::size_t(title) - 1, 1);
}

int ComboItemOfTitle(const PackCatalogue& catalogue, int category, int title) {
    if (!IsCategory(category) || title < 0 || std::size_t(title) > catalogue.packs[category].size())
        return 0;
    return title;
}

std::optional<SelectedPicture> ResolveSelectedPicture(const PackCatalogue& catalogue, int category,
                                                      int title, int selection) {
    const int item = selection < 0 ? 0 : selection;
    // 64 bits: a catalogue's counts are read from files and may add up past 2^31.
    std::int64_t before = 0;
    for (const PackEntry& pack : PacksShown(catalogue, category, title)) {
        const std::int64_t pictures = pack.pictures > 0 ? pack.pictures : 0;
        if (item < before + pictures)
            return SelectedPicture{pack.path, int(item - before)};
        before += pictures;
    }
    return std::nullopt;
}
