// Composes the play screen: background, goal label, title, exit and speed buttons, level marks.
#include "playscreen.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>

#include "../shell/records.h"
#include "sprites.h"

static void drawFurniture()
{
    drawSprite(patternLabelPlate, patternLabelAt);
    al_draw_text(resources.fontBold18, colourOf(labelColour), patternLabelTextAt.x, patternLabelTextAt.y,
                 ALLEGRO_ALIGN_LEFT, patternLabelText);
    drawSprite(titlePlate, titlePlateAt);
    drawSprite(exitButtonNormal, exitButtonAt);
    drawSprite(speedButtonNormal, speedButtonAt);
    al_draw_text(resources.fontBold18, colourOf(labelColour), speedLabelTextAt.x, speedLabelTextAt.y,
                 ALLEGRO_ALIGN_LEFT, speedLabelText);
    al_draw_textf(resources.fontBold18, colourOf(speedValueColour), speedValueAt.x, speedValueAt.y,
                  ALLEGRO_ALIGN_LEFT, "%d", game.speed);
}

static void drawLevelMarks()
{
    const int level = game.level;
    drawBackdropPatch(markRowPatch);
    for (int i = 0; i < levelMarkCount; ++i) drawSprite(levelMarkOpen, openMarkX(i), openMarkY);
    for (int i = 0; i < level; ++i) drawSprite(levelMarkDone, doneMarkX(i), doneMarkY);
    al_draw_textf(resources.fontBold18, colourOf(levelNumberColour), levelNumberCentreX(level), levelNumberY,
                  ALLEGRO_ALIGN_CENTRE, "%d", level);
    drawSprite(levelMarkCurrent, currentMarkX(level), doneMarkY);
}

void buildPlayScreen()
{
    repointBitmap(resources.backdrop, al_load_bitmap(playBackgroundFile));
    al_set_target_bitmap(resources.canvas);
    al_draw_bitmap(resources.backdrop, 0, 0, 0);
    drawFurniture();
    al_set_target_bitmap(resources.canvas);
    drawLevelMarks();
}
