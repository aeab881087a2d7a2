// The player's moves: one-cell cyclic shifts of a row or a column, animated over 100 frames.
#pragma once

constexpr int shiftFrames = 100;
constexpr int columnClickFrame = 40;
constexpr int rowClickFrame = 50;
constexpr double shiftRestPerSpeed = 0.001;

// Each shifts the line selectedLine, animates it on the screen, rotates board and redraws canvas.
// The screen stays the drawing target; nothing is presented after the last frame.
void shiftColumnDown();
void shiftColumnUp();
void shiftRowRight();
void shiftRowLeft();
// Draws all 45 tiles of board onto canvas.
void redrawBoard();
