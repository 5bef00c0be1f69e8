#pragma once

#include "packs/PackFormat.h"
#include "packs/PackReader.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct PackEntry {
    std::string name; // the bare file name, as the directory holds it
    std::int32_t pictures = 0;
};

// The packs found beside the program, per category, in a fixed order.
// Pack k of a category (from 1) is packs[category][k - 1].
struct PackCatalogue {
    std::array<std::vector<PackEntry>, kCategoryCount> packs;
    std::array<std::int32_t, kCategoryCount> packCount{};
    std::array<std::int32_t, kCategoryCount> pictureTotal{};
};

// The pack files of a directory: names ending in ".qdr" in any case, sorted
// without regard to case and then byte by byte, so the k-th pack is the same
// file on every run and every file system.
std::vector<std::string> ListPackFiles(const std::filesystem::path& directory);

// Fills the catalogue from the three header bytes of each pack. A file that
// is not a pack, or that cannot be read, is reported and left out; a category
// outside 0..4 is left out silently.
PackProblems ScanPacks(PackCatalogue& catalogue, const std::filesystem::path& directory);
