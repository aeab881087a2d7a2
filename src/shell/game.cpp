// The level cycle and the play loop, one pass per frame, with the Escape, exit-button and finale exits.
#include "game.h"

#include <algorithm>

#include "../files/progress.h"
#include "../input/pointer.h"
#include "../puzzle/scramble.h"
#include "../puzzle/shifts.h"
#include "../screens/endscreens.h"
#include "../screens/levelstart.h"
#include "../screens/playscreen.h"
#include "../screens/sprites.h"
#include "../screens/startpages.h"
#include "display.h"
#include "records.h"
#include "startup.h"

static constexpr int solvedCount = gridCells;

// The pointer's row or column. The board zone reaches past the field (x up to 972, y up to 716),
// where the division gives line 9 or 5; such a drag shifts the last line instead.
static int rowUnderPointer() { return std::min((game.mouseY - boardTop) / cellSize, boardRows - 1); }
static int columnUnderPointer() { return std::min((game.mouseX - boardLeft) / cellSize, boardColumns - 1); }

// The pending moves in the order they run: left, right, up, down. All use the pointer of this pass.
struct PendingMove {
    bool DragState::*pending;
    int (*line)();
    void (*shift)();
};
static const PendingMove pendingMoves[] = {
    {&DragState::moveLeft, rowUnderPointer, shiftRowLeft},
    {&DragState::moveRight, rowUnderPointer, shiftRowRight},
    {&DragState::moveUp, columnUnderPointer, shiftColumnUp},
    {&DragState::moveDown, columnUnderPointer, shiftColumnDown},
};

static void runPendingMoves()
{
    for (const PendingMove& move : pendingMoves) {
        if (!(dragState.*move.pending)) continue;
        game.selectedLine = move.line();
        move.shift();
        dragState.tracking = false;
    }
    countMatches();
}

static void finishLevel()
{
    levelCompleteScreen();
    saveProgress();
    if (game.level > levelCount) finaleScreen();
}

// Drawn on the screen every pass, never on canvas. True when it was clicked.
static bool exitButtonClicked()
{
    selectScreen();
    drawSprite(exitButtonNormal, exitButtonAt);
    if (game.hotZone != ZoneExit) return false;
    drawSprite(exitButtonHover, exitButtonAt);
    return game.mouseButtons == primaryButtonOnly;
}

bool playLevel()
{
    for (;;) {
        if (escapeDown()) return false;
        readKeyboard(&game.keyboardState);
        pollPointer();
        handleSpeedButton();
        updateDrag();
        if (game.matchCount < solvedCount && game.mouseButtons == primaryButtonOnly && game.hotZone == ZoneBoard)
            runPendingMoves();
        if (game.matchCount == solvedCount) {
            finishLevel();
            return false;
        }
        if (exitButtonClicked()) {
            shutdownGame();
            return true;
        }
        presentScreen();
    }
}

void openLevel()
{
    startLevel();
    scrambleBoard();
    countMatches();
    selectScreen();
    al_draw_bitmap(resources.canvas, 0, 0, 0);
    presentScreen();
    readMouse(&game.mouseState);
    resetDrag();
}

int runGame()
{
    startUp();
    introScreen();
    instructionsScreen();
    buildPlayScreen();
    game.level = 1;
    loadProgress();
    for (;;) {
        if (escapeDown()) return 0;
        readKeyboard(&game.keyboardState);
        if (game.level > levelCount) return 0;
        openLevel();
        if (playLevel()) return 0;
    }
}
