#pragma once

#include "packs/PictureChoice.h"

#include <QString>

#include <functional>

class MessageBoxService;
class ProgramDirectory;
struct PuzzleState;

struct PictureChoiceServices {
    const ProgramDirectory& directory;
    MessageBoxService& messages;
    DrawRandom draw;
    // Loads a picture file as the puzzle picture, from `bytes` when they are
    // the file's and not empty; the reason when it cannot.
    std::function<QString(const QString& path, const QByteArray& bytes)> loadPuzzleBitmap;
};

// Chooses the next picture, extracts it to temp.bmp beside the program and
// loads it. With no pictures in the category it says so and changes nothing.
// A picture that cannot be shown is explained once, by its pack and title.
// Raises FileError when a pack or temp.bmp cannot be opened.
void ChoosePicture(PuzzleState& state, const PackCatalogue& catalogue,
                   const PictureChoiceServices& services);
