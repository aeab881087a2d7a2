// Grid arithmetic of the board, with no drawing: indices, the scramble's exchanges, counting, rotations.
#pragma once

#include <array>

#include "patterns.h"

constexpr int gridColumns = 9;
constexpr int gridRows = 5;
using Grid = std::array<int, gridColumns * gridRows>;

// Grids are column-major, patterns row-major.
constexpr int cellIndex(int c, int r) { return gridRows * c + r; }
constexpr int patternPosition(int c, int r) { return gridColumns * r + c; }

// The scramble leaves the last cell alone: positions are drawn modulo 44, not 45.
constexpr int scrambleExchanges = 199;
constexpr int scrambleModulus = 44;

// Exchanges pattern positions rand() % 44 and rand() % 44, drawn in that order, 199 times.
void scramblePattern(LevelPattern& pattern, int (*random)());
// Cells of the pattern laid into a column-major grid.
void patternToGrid(const LevelPattern& pattern, Grid& grid);
int countEqual(const Grid& a, const Grid& b);

// One-cell cyclic shifts of a column (0..8) or a row (0..4).
void rotateColumnDown(Grid& grid, int column);
void rotateColumnUp(Grid& grid, int column);
void rotateRowRight(Grid& grid, int row);
void rotateRowLeft(Grid& grid, int row);
