#pragma once

#include "packs/PackCatalogue.h"

#include <filesystem>
#include <optional>
#include <span>

// Which packs the title list shows: the one pack `title` names (from 1), or
// every pack of the category for title 0. Nothing for a category outside
// 0..4 or a title past its packs.
std::span<const PackEntry> PacksShown(const PackCatalogue& catalogue, int category, int title);

// The item of the category's drop-down list that shows `title`: the "All"
// item (0) for a title past the category's packs, such as a pack removed
// since the setting was saved.
int ComboItemOfTitle(const PackCatalogue& catalogue, int category, int title);

struct SelectedPicture {
    std::filesystem::path pack; // a path from the catalogue
    int index = 0;              // within the pack, from 0
    bool operator==(const SelectedPicture&) const = default;
};

// The picture that item `selection` of the title list stands for, counting
// through the shown packs' pictures in catalogue order. No selection (-1)
// is the first picture. Nothing when no pack is shown or the selection lies
// past their pictures.
std::optional<SelectedPicture> ResolveSelectedPicture(const PackCatalogue& catalogue, int category,
                                                      int title, int selection);
