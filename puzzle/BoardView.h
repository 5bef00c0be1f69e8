#pragma once

#include "puzzle/Board.h"

class ClientSurface;
struct PuzzleState;

// Draws the tiles, and with the grid on the outlines of the two last clicked
// cells and any pending grid lines, into the client surface.
void DrawBoard(PuzzleState& state, ClientSurface& surface);

// The Grid command: switches the gaps and outlines on or off.
BoardChange GridCommand(PuzzleState& state);
