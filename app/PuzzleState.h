#pragma once

#include "puzzle/Board.h"

#include <QImage>

#include <cstdint>

// The record of the running game. The application owns the one real instance;
// tests build their own.
struct PuzzleState {
    std::int32_t dimension = 5;
    std::int32_t tileWidth = kPictureWidth / 5;
    std::int32_t tileHeight = kPictureHeight / 5;
    Board board;
    std::int32_t selectedTile = -1;
    Cell firstCell;
    Cell secondCell;

    bool gridOn = false;
    bool gridLinesPending = false;
    bool completionPending = false;

    QImage puzzleBitmap; // 600 x 375, or null when no picture is loaded
};
