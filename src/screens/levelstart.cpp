// Level start: the goal laid out on the board and in the preview, and the fold of the reveal transition.
#include "levelstart.h"

#include <allegro5/allegro_primitives.h>

#include "../audio/music.h"
#include "../puzzle/grid.h"
#include "../shell/display.h"
#include "../shell/records.h"
#include "capture.h"
#include "playscreen.h"
#include "sprites.h"

// Each tile is read 101 x 101, so it covers its left and upper neighbours' extra column and row;
// the extra column at x 960 and the extra row at y 700 stay as the board's shadow.
static void layOutGoalCell(int c, int r)
{
    const int v = game.levelPatterns[game.level - 1][patternPosition(c, r)];
    game.target[cellIndex(c, r)] = v;
    const Region wide = tileSpriteWide(v);
    al_draw_bitmap_region(resources.atlas, wide.x, wide.y, wide.w, wide.h, boardLeft + cellSize * c,
                          boardTop + cellSize * r, 0);
    al_draw_scaled_bitmap(resources.atlas, wide.x, wide.y, wide.w, wide.h, previewLeft + previewPitch * c,
                          previewTop + previewPitch * r, previewCellSize, previewCellSize, 0);
}

void startLevel()
{
    buildPlayScreen();
    for (int r = 0; r < gridRows; ++r)
        for (int c = 0; c < gridColumns; ++c) layOutGoalCell(c, r);
    drawSprite(exitButtonNormal, exitButtonAt);
    ALLEGRO_BITMAP* outgoing = loadCapture();
    repointBitmap(resources.pageB, outgoing);
    repointBitmap(resources.pageA, resources.canvas);
    repointBitmap(resources.canvas, outgoing);
    al_set_target_bitmap(resources.canvas);
    darkenCurrentTarget(revealDarkening);
    presentScreen();
    revealTransition();
    game.fadeStepDivisor = laterFadeStepDivisor;
    stopMusic();
}

static void copyRow(ALLEGRO_BITMAP* from, int sourceY, int destinationY)
{
    al_draw_bitmap_region(from, 0, sourceY, screenWidth, 1, 0, destinationY, 0);
}

static void drawLine(int y, ALLEGRO_COLOR colour, int thickness)
{
    al_draw_line(0, y, screenWidth, y, colour, thickness);
}

static void drawFoldLines(int i)
{
    if (i <= foldDepth) {
        drawLine(2 * i, al_map_rgba(0, 0, 0, 1), 1);
        drawLine(i + i / 2 + 1, al_map_rgba(22, 22, 22, 2), i - 2);  // a thickness of 0 or less is a hairline
    } else {
        drawLine(i + 38, al_map_rgba(1, 1, 1, 50), 4);
        drawLine(i + 20, al_map_rgba(22, 22, 22, 2), 38);
    }
    drawLine(i + 2, al_map_rgba(33, 33, 33, 2), 2);
}

static void fadeMusicStep(int i)
{
    if (game.level < 1 || i % game.fadeStepDivisor != 0) return;
    game.musicGain = static_cast<float>(static_cast<double>(game.musicGain) - fadeStepGain);
    playMusic();
    restFor(fadeStepRest);
}

void revealTransition()
{
    selectScreen();
    for (int i = 0; i < revealSteps; ++i) {
        const int depth = i < foldDepth ? i : foldDepth;
        for (int j = 0; j < depth; ++j) copyRow(resources.pageB, i - j, i + j);
        drawFoldLines(i);
        copyRow(resources.pageA, i, i);
        restFor(revealStepRest);
        presentScreen();
        fadeMusicStep(i);
    }
}
