#pragma once

#include "packs/PackCatalogue.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

// Where the picture to play next comes from.
struct ChosenPicture {
    std::filesystem::path pack; // a path from the catalogue
    int pictureNumber = 1;
    bool operator==(const ChosenPicture&) const = default;
};

// Draws a uniform 32-bit value.
using DrawRandom = std::function<std::uint32_t()>;

// True when the category has at least one picture to choose from.
bool HasPictures(const PackCatalogue& catalogue, int category);

// Picks a picture by the settings: any picture of any category
// (randomMode), one pack of the category (title k), or any pack of the
// category (title 0). Nothing when the category has no pictures. A title past
// the category's packs, or a pack of no pictures, falls back to any pack of
// the category.
std::optional<ChosenPicture> ChoosePictureFrom(const PackCatalogue& catalogue, int category,
                                               int title, int randomMode, const DrawRandom& draw);
