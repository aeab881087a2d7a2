// The intro page (fade-in, music, typed lines) and the instructions page brought in by the fold.
#include "startpages.h"

#include <allegro5/allegro_font.h>

#include "../audio/music.h"
#include "../input/pointer.h"
#include "../shell/display.h"
#include "../shell/records.h"
#include "atlas.h"
#include "capture.h"
#include "levelstart.h"
#include "sprites.h"

static void writeIntroLines()
{
    al_set_target_bitmap(resources.pageA);
    for (int k = 1; k <= introLines; ++k)
        al_draw_text(resources.fontRegular20, al_map_rgb(200, 200, 80), 0, introLineHeight * (k - 1), ALLEGRO_ALIGN_LEFT,
                     game.textLines[k].c_str());
}

// Each tinted drawing adds k/255 of the picture and keeps the rest, so it brightens out of black.
static void fadeIn()
{
    selectScreen();
    al_draw_tinted_bitmap(resources.canvas, al_map_rgba(0, 0, 0, 0), 0, 0, 0);
    for (int k = 1; k <= fadeInSteps; ++k) {
        restFor(fadeInRest);
        presentScreen();
        if (k == fadeInSteps) break;
        al_draw_tinted_bitmap(resources.canvas, al_map_rgba(k, k, k, k), 0, 0, 0);
        if (k >= titleFromFadeStep) drawSprite(introTitlePlate, introTitleAt);
    }
}

static void typeOutLines()
{
    for (int k = 1; k <= introLines; ++k) {
        const int y = introLineHeight * (k - 1);
        const int width = typingPixelsPerByte * static_cast<int>(game.textLines[k].size());
        for (int x = 0; x < width; ++x) {
            al_draw_bitmap_region(resources.pageA, x, y, typingSliceWidth, introLineHeight, introTextX + x,
                                  introTextY + y, 0);
            presentScreen();
            restFor(typingRest);
        }
    }
}

void introScreen()
{
    game.textLines[10] = creditLine;
    al_set_target_bitmap(resources.canvas);
    al_draw_bitmap(resources.backdrop, 0, 0, 0);
    writeIntroLines();
    fadeIn();
    game.musicGain = introMusicGain;
    selectMusic();
    playMusic();
    typeOutLines();
    waitForOk();
    drawSprite(introTitlePlate, introTitleAt);
    al_draw_bitmap(resources.pageA, introTextX, introTextY, 0);
    darkenCurrentTarget(122);
}

void instructionsScreen()
{
    al_set_target_bitmap(resources.pageA);
    al_draw_bitmap(resources.backdrop, 0, 0, 0);
    for (int i = 0; i < instructionLines; ++i)
        al_draw_text(resources.fontBold18, al_map_rgb(120, 180, 180), instructionX, instructionY + instructionPitch * i,
                     ALLEGRO_ALIGN_LEFT, game.textLines[firstInstructionSlot + i].c_str());
    repointBitmap(resources.pageB, resources.canvas);
    revealTransition();
    waitForOk();
    darkenCurrentTarget(revealDarkening);
    presentScreen();
    captureScreen();
    waitForOk();
}
