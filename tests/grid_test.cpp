// Unit tests of the board's grid arithmetic: index orders, the scramble's exchanges, rotations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "puzzle/grid.h"

static Grid numbered()
{
    Grid g{};
    for (int i = 0; i < 45; ++i) g[i] = i;
    return g;
}

TEST(Grid, PatternRowsBecomeColumnMajorCells)
{
    LevelPattern p{};
    for (int i = 0; i < 45; ++i) p[i] = i;
    Grid g{};
    patternToGrid(p, g);
    // The top row of a pattern lands at indices 0, 5, ..., 40.
    for (int c = 0; c < 9; ++c) EXPECT_EQ(g[5 * c], c);
    EXPECT_EQ(g[cellIndex(8, 4)], 44);
    EXPECT_EQ(g[cellIndex(0, 1)], 9);
}

TEST(Grid, LevelsSixteenAndNineteenShareTheirPattern)
{
    EXPECT_EQ(levelPatternTable[15], levelPatternTable[18]);
    for (int a = 0; a < 25; ++a)
        for (int b = a + 1; b < 25; ++b)
            if (!(a == 15 && b == 18)) {
                EXPECT_NE(levelPatternTable[a], levelPatternTable[b]) << a + 1 << " " << b + 1;
            }
    for (const auto& pattern : levelPatternTable)
        for (int v : pattern) EXPECT_TRUE(v >= 0 && v <= 5);
}

static std::mt19937 fakeRandom;
static int drawFake() { return static_cast<int>(fakeRandom() & 0x7fffffff); }

TEST(Grid, ScrambleKeepsTheLastCellAndTheTiles)
{
    for (unsigned seed = 0; seed < 200; ++seed) {
        fakeRandom.seed(seed);
        LevelPattern p{};
        for (int i = 0; i < 45; ++i) p[i] = i;
        scramblePattern(p, drawFake);
        EXPECT_EQ(p[44], 44);
        LevelPattern sorted = p;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < 45; ++i) ASSERT_EQ(sorted[i], i);
    }
}

static int callCount;
static int drawCounting()
{
    return callCount++;
}

TEST(Grid, ScrambleDrawsTwoNumbersPerExchangeInOrder)
{
    // With draws 0, 1, 2, ... the first exchange is (0, 1), the next (2, 3), and so on modulo 44.
    callCount = 0;
    LevelPattern p{};
    for (int i = 0; i < 45; ++i) p[i] = i;
    LevelPattern expected = p;
    for (int n = 0; n < 199; ++n) std::swap(expected[(2 * n) % 44], expected[(2 * n + 1) % 44]);
    scramblePattern(p, drawCounting);
    EXPECT_EQ(callCount, 398);
    EXPECT_EQ(p, expected);
}

struct RotationCase {
    void (*rotate)(Grid&, int);
    void (*opposite)(Grid&, int);
    int line, period;
};

TEST(Grid, RotationsMoveOneCellAndComposeBack)
{
    const RotationCase cases[] = {
        {rotateColumnDown, rotateColumnUp, 0, 5}, {rotateColumnDown, rotateColumnUp, 8, 5},
        {rotateColumnUp, rotateColumnDown, 3, 5}, {rotateRowRight, rotateRowLeft, 0, 9},
        {rotateRowRight, rotateRowLeft, 4, 9},    {rotateRowLeft, rotateRowRight, 2, 9},
    };
    for (const RotationCase& k : cases) {
        Grid g = numbered();
        k.rotate(g, k.line);
        EXPECT_NE(g, numbered());
        k.opposite(g, k.line);
        EXPECT_EQ(g, numbered());
        for (int n = 0; n < k.period; ++n) k.rotate(g, k.line);
        EXPECT_EQ(g, numbered());
    }
}

TEST(Grid, RotationDirections)
{
    Grid g = numbered();
    rotateColumnDown(g, 2);  // the bottom tile goes to the top
    EXPECT_EQ(g[cellIndex(2, 0)], cellIndex(2, 4));
    EXPECT_EQ(g[cellIndex(2, 1)], cellIndex(2, 0));
    EXPECT_EQ(g[cellIndex(3, 0)], cellIndex(3, 0));
    g = numbered();
    rotateRowRight(g, 1);  // the rightmost tile goes to the left end
    EXPECT_EQ(g[cellIndex(0, 1)], cellIndex(8, 1));
    EXPECT_EQ(g[cellIndex(1, 1)], cellIndex(0, 1));
    EXPECT_EQ(g[cellIndex(1, 0)], cellIndex(1, 0));
    g = numbered();
    rotateRowLeft(g, 4);
    EXPECT_EQ(g[cellIndex(8, 4)], cellIndex(0, 4));
    g = numbered();
    rotateColumnUp(g, 8);
    EXPECT_EQ(g[cellIndex(8, 4)], cellIndex(8, 0));
    EXPECT_EQ(countEqual(g, numbered()), 40);
}
