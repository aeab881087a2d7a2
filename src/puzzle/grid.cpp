// Grid arithmetic of the board: the scramble's exchanges, counting matches and the four line rotations.
#include "grid.h"

#include <algorithm>
#include <utility>

void scramblePattern(LevelPattern& pattern, int (*random)())
{
    for (int n = 0; n < scrambleExchanges; ++n) {
        const int i = random() % scrambleModulus;
        const int j = random() % scrambleModulus;
        std::swap(pattern[i], pattern[j]);
    }
}

void patternToGrid(const LevelPattern& pattern, Grid& grid)
{
    for (int r = 0; r < gridRows; ++r)
        for (int c = 0; c < gridColumns; ++c) grid[cellIndex(c, r)] = pattern[patternPosition(c, r)];
}

int countEqual(const Grid& a, const Grid& b)
{
    int equal = 0;
    for (std::size_t i = 0; i < a.size(); ++i) equal += a[i] == b[i];
    return equal;
}

// A column is five consecutive indices; a row is nine indices five apart.
static int* columnStart(Grid& grid, int column) { return grid.data() + cellIndex(column, 0); }

void rotateColumnDown(Grid& grid, int column)
{
    int* first = columnStart(grid, column);
    std::rotate(first, first + gridRows - 1, first + gridRows);
}

void rotateColumnUp(Grid& grid, int column)
{
    int* first = columnStart(grid, column);
    std::rotate(first, first + 1, first + gridRows);
}

void rotateRowRight(Grid& grid, int row)
{
    const int last = grid[cellIndex(gridColumns - 1, row)];
    for (int c = gridColumns - 1; c > 0; --c) grid[cellIndex(c, row)] = grid[cellIndex(c - 1, row)];
    grid[cellIndex(0, row)] = last;
}

void rotateRowLeft(Grid& grid, int row)
{
    const int first = grid[cellIndex(0, row)];
    for (int c = 0; c < gridColumns - 1; ++c) grid[cellIndex(c, row)] = grid[cellIndex(c + 1, row)];
    grid[cellIndex(gridColumns - 1, row)] = first;
}
