#pragma once

#include "puzzle/Board.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

// The picture cut into its tiles, one below another, so that each tile's
// pixels lie in one piece: repaints copy from it rather than from the picture,
// whose tile rows are scattered. Kept and remade by DrawBoard.
struct TileSheet {
    QImage tiles;
    // What it was cut from and how.
    qint64 pictureKey = 0;
    std::int32_t dimension = 0;
    QSize cellSize;
    QSize tileSize;
};

// The record of the running game. The application owns the one real instance;
// tests build their own.
struct PuzzleState {
    // The four stored settings.
    std::int32_t dimension = 5;
    std::int32_t category = 0;
    std::int32_t title = 0;      // 0: any pack of the category; k: its k-th pack
    std::int32_t randomMode = 0; // 1: any picture of any category

    // Kept in step with dimension by UpdateTileGeometry alone.
    std::int32_t tileWidth = kPictureWidth / 5;
    std::int32_t tileHeight = kPictureHeight / 5;
    Board board;
    std::int32_t selectedTile = -1;
    Cell firstCell;
    Cell secondCell;

    bool gridOn = false;
    bool gridLinesPending = false;

    QImage puzzleBitmap; // 600 x 375, or null when no picture is loaded
    TileSheet tileSheet;

    QString currentPicturePath;  // the picture being played
    QString solutionPicturePath; // the picture the solution window shows
    bool solutionOpen = false;   // the solution window exists

    // The Options dialog's preview, 150 x 90, or null when none is shown.
    QImage previewBitmap;
    // Try this left a new temp.bmp for the main window to play.
    bool tryThisPending = false;
};
