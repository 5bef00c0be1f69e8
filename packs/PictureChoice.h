#pragma once

#include "packs/PackCatalogue.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class MessageBoxService;
class ProgramDirectory;
struct PuzzleState;

// Where players find more picture packs.
inline constexpr auto kPackDownloadAddress = "https://quadrillo.example.org/packs";

// "No picture packs found", with where to get some.
void ShowNoPacksFound(MessageBoxService& messages);

// Shows what a pack reader met, one box each.
void ShowPackProblems(const PackProblems& problems, MessageBoxService& messages);

// Where the picture to play next comes from.
struct ChosenPicture {
    std::string pack; // a name from the catalogue
    int pictureNumber = 1;
    bool operator==(const ChosenPicture&) const = default;
};

// Draws a uniform 32-bit value.
using DrawRandom = std::function<std::uint32_t()>;

// Picks a picture by the settings: any picture of any category
// (randomMode), one pack of the category (title k), or any pack of the
// category (title 0). Nothing when the category has no pictures. A title past
// the category's packs, or a pack of no pictures, falls back to any pack of
// the category.
std::optional<ChosenPicture> ChoosePictureFrom(const PackCatalogue& catalogue, int category,
                                               int title, int randomMode, const DrawRandom& draw);

struct PictureChoiceServices {
    const ProgramDirectory& directory;
    MessageBoxService& messages;
    DrawRandom draw;
    // Loads a picture file as the puzzle picture; the reason when it cannot.
    std::function<QString(const QString& path)> loadPuzzleBitmap;
};

// Chooses the next picture, extracts it to temp.bmp beside the program and
// loads it. With no pictures in the category it says so and changes nothing.
// Raises FileError when a pack or temp.bmp cannot be opened.
void ChoosePicture(PuzzleState& state, const PackCatalogue& catalogue,
                   const PictureChoiceServices& services);
