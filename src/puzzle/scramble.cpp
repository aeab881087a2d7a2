// The scramble of a level's pattern with its placement animation, and the remaining-cells counter.
#include "scramble.h"

#include <allegro5/allegro_font.h>
#include <cstdlib>

#include "../audio/music.h"
#include "../screens/capture.h"
#include "../screens/playscreen.h"
#include "../screens/sprites.h"
#include "../shell/display.h"
#include "../shell/records.h"
#include "grid.h"

static int drawRandom() { return std::rand(); }

static void placeTiles(const LevelPattern& pattern)
{
    selectScreen();
    for (int r = 0; r < gridRows; ++r) {
        for (int c = 0; c < gridColumns; ++c) {
            const int v = pattern[patternPosition(c, r)];
            game.board[cellIndex(c, r)] = v;
            drawTile(v, c, r);
            playClick();
            presentScreen();
            restFor(scramblePlacementRest);
        }
    }
}

void scrambleBoard()
{
    LevelPattern& pattern = game.levelPatterns[game.level - 1];
    scramblePattern(pattern, drawRandom);
    restFor(scrambleShowGoalRest);
    placeTiles(pattern);
    // The scrambled screen becomes canvas; the bitmap canvas held is still pageB's, so it stays.
    captureScreen();
    repointBitmap(resources.canvas, loadCapture());
}

void countMatches()
{
    game.matchCount = countEqual(game.target, game.board);
    al_set_target_bitmap(resources.canvas);
    drawBackdropPatch(counterPatch);
    al_draw_textf(resources.fontRegular24, colourOf(counterColour), counterAt.x,
                  counterAt.y, ALLEGRO_ALIGN_CENTRE, "%d", gridCells - game.matchCount);
    selectScreen();
    al_draw_bitmap(resources.canvas, 0, 0, 0);
    presentScreen();
}
