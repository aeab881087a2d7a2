// Polling the pointer into hot zones, recognising drags on the board, the speed and OK buttons.
#include "pointer.h"

#include <allegro5/allegro_font.h>

#include "../audio/music.h"
#include "../screens/playscreen.h"
#include "../screens/sprites.h"
#include "../shell/display.h"

DragState dragState;

bool escapeDown() { return al_key_down(&game.keyboardState, ALLEGRO_KEY_ESCAPE); }

HotZone zoneAt(int x, int y)
{
    HotZone zone = ZoneNone;
    for (const ZoneRect& z : hotZones)
        if (x >= z.left && x <= z.right && y >= z.top && y <= z.bottom) zone = z.zone;
    return zone;
}

void pollPointer()
{
    game.hotZone = ZoneNone;
    game.mouseX = game.mouseState.x;
    game.mouseY = game.mouseState.y;
    game.mouseButtons = game.mouseState.buttons;
    readMouse(&game.mouseState);
    game.hotZone = zoneAt(game.mouseX, game.mouseY);
}

void resetDrag() { dragState = DragState{}; }

static void followPress()
{
    if (game.hotZone == ZoneBoard && game.mouseButtons == primaryButtonOnly) {
        if (!dragState.tracking) {
            dragState.startX = game.mouseX;
            dragState.startY = game.mouseY;
            dragState.moveLeft = dragState.moveRight = dragState.moveUp = dragState.moveDown = false;
        }
        dragState.tracking = true;
    } else if (game.mouseButtons == 0) {
        dragState.tracking = false;
    }
}

static bool within(int value, int centre, int slack) { return value >= centre - slack && value <= centre + slack; }

static void compareWithPress()
{
    const int x = game.mouseX, y = game.mouseY;
    const int sx = dragState.startX, sy = dragState.startY;
    if (x > sx + dragTravel && within(y, sy, dragSlack)) dragState.moveRight = true;
    if (x < sx - dragTravel && within(y, sy, dragSlack)) dragState.moveLeft = true;
    if (y < sy - dragTravel && within(x, sx, dragSlack)) dragState.moveUp = true;
    if (y > sy + dragTravel && within(x, sx, dragSlack)) dragState.moveDown = true;
}

void updateDrag()
{
    followPress();
    compareWithPress();
}

static void drawSpeedValue(Rgb colour)
{
    al_draw_textf(resources.fontBold18, colourOf(colour), speedValueAt.x, speedValueAt.y,
                  ALLEGRO_ALIGN_LEFT, "%d", game.speed);
}

static void activateSpeedButton()
{
    drawSprite(speedButtonHover, speedButtonAt);
    game.speed = game.speed + 1 > fastestSpeed ? 1 : game.speed + 1;
    drawSpeedValue(speedValueLitColour);
    playClick();
    while (game.mouseButtons != 0) pollPointer();
    restFor(speedButtonRest);
    if (al_key_down(&game.keyboardState, ALLEGRO_KEY_S)) restFor(speedKeyExtraRest);
}

void handleSpeedButton()
{
    al_set_target_bitmap(resources.canvas);
    drawSprite(speedButtonNormal, speedButtonAt);
    drawSpeedValue(speedValueRedrawColour);
    bool activated = false;
    if (game.hotZone == ZoneSpeed) {
        drawSprite(speedButtonHover, speedButtonAt);
        drawSpeedValue(speedValueLitColour);
        activated = game.mouseButtons == primaryButtonOnly;
    }
    if (!activated) activated = al_key_down(&game.keyboardState, ALLEGRO_KEY_S);
    if (activated) activateSpeedButton();
    selectScreen();
    al_draw_bitmap(resources.canvas, 0, 0, 0);
}

void waitForOk()
{
    selectScreen();
    for (;;) {
        pollPointer();
        drawSprite(okButtonNormal, okButtonAt);
        if (game.hotZone == ZoneOk) {
            drawSprite(okButtonHover, okButtonAt);
            if (game.mouseButtons == primaryButtonOnly) break;
        }
        restFor(okWaitRest);
        presentScreen();
    }
    drawSprite(okButtonPressed, okButtonAt);
    presentScreen();
    drawSprite(okButtonNormal, okButtonAt);
    al_set_target_bitmap(resources.canvas);
    drawSprite(okButtonHover, okButtonAt);
    playClick();
}
