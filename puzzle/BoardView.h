#pragma once

#include "puzzle/Board.h"

class ClientSurface;
class MessageBoxService;
struct PuzzleState;

// Draws the tiles, and with the grid on the outlines of the two last clicked
// cells and any pending grid lines, into the client surface.
void DrawBoard(PuzzleState& state, ClientSurface& surface);

// Shows "Puzzle complete!" once for the swap that completed the picture.
void ShowCompletionIfPending(PuzzleState& state, MessageBoxService& messages);

// The Grid command.
void GridCommand(PuzzleState& state, const Repaint& repaint);
