// The level-complete screen (card, pulsing frame, group text, hint) and the finale (walk, banner, sweep).
#include "endscreens.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>

#include "../audio/music.h"
#include "../input/pointer.h"
#include "../shell/display.h"
#include "../shell/records.h"
#include "atlas.h"
#include "capture.h"
#include "levelstart.h"
#include "sprites.h"

// The frame around the solved board swings its green between 45 and 255 in steps of 5.
struct PulsingFrame {
    int green = 100;
    bool rising = true;
    void step()
    {
        green += rising ? 5 : -5;
        if (green > 250) rising = false;
        else if (green < 50) rising = true;
    }
};

static void drawGroupText()
{
    drawBackdropPatch(groupTextPatch);
    const std::string& text = game.textLines[firstGroupSlot + (game.level - 1) / 5];
    al_draw_text(resources.fontBold18, al_map_rgb(20, 120, 120), 675, 95, ALLEGRO_ALIGN_CENTRE, text.c_str());
}

static void drawCardAndFrame(int tint, PulsingFrame& frame)
{
    const unsigned char a = static_cast<unsigned char>(tint);
    al_draw_tinted_bitmap_region(resources.atlas, al_map_rgba(a, a, a, a), levelDoneCard.x, levelDoneCard.y,
                                 levelDoneCard.w, levelDoneCard.h, levelDoneCardAt.x, levelDoneCardAt.y, 0);
    frame.step();
    al_draw_rectangle(59, 199, 962, 702, al_map_rgb(22, frame.green, 22), 2);
}

void levelCompleteScreen()
{
    selectMusic();
    game.musicGain = levelCompleteGain;
    playMusic();
    al_set_target_bitmap(resources.canvas);
    drawBackdropPatch(exitButtonPatch);
    selectScreen();
    readMouse(&game.mouseState);
    int i = 0, tint = 0;
    PulsingFrame frame;
    for (;;) {
        if (escapeDown()) break;
        readKeyboard(&game.keyboardState);
        pollPointer();
        if (++i <= cardFrameCap) {
            if (i % cardTintEvery == 0) ++tint;
        } else {
            i = cardFrameCap;
            ++tint;
        }
        if (tint > 255) tint = 255;
        drawCardAndFrame(tint, frame);
        if (i > hintFrom) drawSprite(levelDoneHint, levelDoneHintAt);
        if (i > groupTextFrom) drawGroupText();
        presentScreen();
        restFor(levelCompleteRest);
        if (i > hintFrom && game.mouseButtons != 0) break;
        if (i == captureFrame) captureScreen();
    }
    ++game.level;
    game.matchCount = 0;
}

static void writeFinaleBanner()
{
    al_set_target_bitmap(resources.atlas);
    const char* text = game.textLines[finaleSlot].c_str();
    const ALLEGRO_COLOR black = al_map_rgb(0, 0, 0);
    const int outline[4][2] = {{9, 360}, {11, 360}, {10, 359}, {10, 361}};
    for (const auto& at : outline) al_draw_text(resources.fontBold20, black, at[0], at[1], ALLEGRO_ALIGN_LEFT, text);
    al_draw_text(resources.fontBold20, al_map_rgb(44, 144, 166), 10, 360, ALLEGRO_ALIGN_LEFT, text);
}

static void revealFinaleGround()
{
    ALLEGRO_BITMAP* outgoing = loadCapture();
    repointBitmap(resources.pageB, outgoing);
    repointBitmap(resources.pageA, resources.backdrop);
    repointBitmap(resources.canvas, outgoing);
    al_set_target_bitmap(resources.canvas);
    darkenCurrentTarget(revealDarkening);
    presentScreen();
    revealTransition();
}

static void drawFinaleScene(int s)
{
    selectScreen();
    if (s > plateFromStep) drawSprite(finalePlate, finalePlateAt);
    drawBackdropPatch(finaleTextPatch);
    if (s > escapeFromStep)
        al_draw_text(resources.fontBold18, al_map_rgb(144, 122, 34), 550, 300, ALLEGRO_ALIGN_CENTRE, finaleEscapeText);
    drawBackdropPatch(finaleGroundPatch);
    drawSprite(finaleFigure, finaleFigureRightX - s, finaleFigureY);
    if (resources.pageC) al_draw_bitmap(resources.pageC, finaleForegroundAt.x, finaleForegroundAt.y, 0);
}

static void walkAndScroll(double referenceTime)
{
    int s = 0, ticks = 0, frames = 0, b = 0;
    for (;;) {
        readKeyboard(&game.keyboardState);
        drawFinaleScene(s);
        if (s > lastWalkStep) return;
        if (ticks > ticksPerStep) {
            ++s;
            ticks = 0;
        }
        const double now = clockSeconds();
        if (now > referenceTime + tickSeconds) {
            ++ticks;
            referenceTime = now;
        }
        drawSprite(finaleBanner, finaleBannerRightX - b, finaleBannerY);
        if (++frames % bannerFramesPerPixel == 0 && ++b > bannerWrap) b = 0;
        presentScreen();
        if (s > escapeFromStep && escapeDown()) return;
    }
}

static void closingSweep()
{
    selectScreen();
    const ALLEGRO_COLOR black = al_map_rgb(0, 0, 0);
    for (int j = 1; j <= sweepSteps; ++j) {
        al_draw_line(j, 0, j, screenHeight, black, 1);
        al_draw_line(screenWidth - j, 0, screenWidth - j, screenHeight, black, 1);
        game.musicGain = static_cast<float>((500 - j) * 0.1 / 66);
        playMusic();
        presentScreen();
        restFor(sweepRest);
    }
}

void finaleScreen()
{
    writeFinaleBanner();
    const double referenceTime = clockSeconds();
    hideWindowCursor();
    revealFinaleGround();
    stopMusic();
    ALLEGRO_BITMAP* foreground = al_load_bitmap(finaleForegroundFile);
    if (foreground) al_convert_mask_to_alpha(foreground, al_map_rgb(255, 0, 255));
    repointBitmap(resources.pageC, foreground);
    game.level = 26;
    selectMusic();
    game.musicGain = finaleGain;
    playMusic();
    walkAndScroll(referenceTime);
    closingSweep();
    stopMusic();
}
