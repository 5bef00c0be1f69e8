#pragma once

#include "packs/PictureChoice.h"

#include <QString>

class MessageBoxService;
class ProgramDirectory;
struct PuzzleState;

struct PictureChoiceServices {
    const ProgramDirectory& directory;
    MessageBoxService& messages;
    DrawRandom draw;
};

// Chooses the next picture, extracts it to the working file temp.bmp and
// makes it the puzzle picture. With no pictures in the category it says so;
// a picture that cannot be taken whole and shown is reported once, by its
// pack and title. Either way nothing changes then: the game goes on with its
// picture and temp.bmp as they were. True when the new picture is in place.
bool ChoosePicture(PuzzleState& state, const PackCatalogue& catalogue,
                   const PictureChoiceServices& services);
