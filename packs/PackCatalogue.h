#pragma once

#include "packs/PackFormat.h"
#include "packs/PackReader.h"
#include "platform/FileLayer.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct PackEntry {
    // The folder it was found in and its file name, joined. A string, not a
    // path: splitting a path into its parts for every pack would cost a scan
    // more than reading the packs.
    std::string path;
    std::int32_t pictures = 0;
};

// The packs found in the pack folders, per category, in a fixed order.
// Pack k of a category (from 1) is packs[category][k - 1].
struct PackCatalogue {
    std::array<std::vector<PackEntry>, kCategoryCount> packs;
    std::array<std::int32_t, kCategoryCount> packCount{};
    std::array<std::int32_t, kCategoryCount> pictureTotal{};
};

// True for a name ending in ".qdr" in any case, as a pack file's does.
bool IsPackFileName(std::string_view name);

// The pack files of the pack folders, each folder held open so that its
// packs are read without the kernel walking its path again.
struct PackFiles {
    struct File {
        std::size_t folder = 0; // its place among the folders
        std::string name;       // the bare file name, as the folder holds it
    };
    // A file not played, as the same name in an earlier folder is.
    struct Hidden {
        File file;
        std::size_t playedFolder = 0;
    };
    std::vector<std::unique_ptr<DirectoryHandle>> folders; // as they were given
    std::vector<File> taken;                               // in the catalogue's order
    std::vector<Hidden> hidden;                            // in the same order
    PackProblems problems;                                 // folders that could not be listed

    std::filesystem::path PathOf(const File& file) const {
        return folders[file.folder]->Path() / file.name;
    }
};

// Finds the pack files of `folders`, the program directory first: names
// ending in ".qdr" in any case. A name is taken once, from the first folder
// that holds it (byte for byte), and all taken names are sorted together,
// without regard to case and then byte by byte, so the k-th pack is the same
// file on every run and every file system. A folder that is not there is
// passed over; one that cannot be listed for another reason is a problem,
// except the program directory, which then lists nothing.
PackFiles FindPackFiles(const std::vector<std::filesystem::path>& folders);

// Fills the catalogue from the three header bytes of each pack taken. A file
// that is not a pack, or that cannot be read, is reported and left out; a
// category outside 0..4 is left out silently. The problems of the listing
// come first.
PackProblems ScanPackFiles(PackCatalogue& catalogue, const PackFiles& files);

// Both in one.
PackProblems ScanPacks(PackCatalogue& catalogue, const std::vector<std::filesystem::path>& folders);
