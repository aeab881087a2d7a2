// The game's two process-wide records: the library objects it holds and the state it plays with.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <array>
#include <string>

#include "../puzzle/patterns.h"

// The pointer's hot zones; value 4 is unused.
enum HotZone : int {
    ZoneNone = 0,
    ZoneBoard = 1,
    ZoneExit = 2,
    ZoneSpeed = 3,
    ZoneOk = 5,
};

constexpr int textSlots = 50;
constexpr int gridCells = 45;

// Library objects. Bitmap slots are plain references that get re-pointed during a run, and two slots
// may name one bitmap; use repointBitmap so a dropped bitmap is released only when no slot names it.
struct GameResources {
    ALLEGRO_DISPLAY* display = nullptr;       // the window; opened by startUp
    ALLEGRO_BITMAP* canvas = nullptr;         // composed play screen; startUp, scramble, level start, finale
    ALLEGRO_BITMAP* backdrop = nullptr;       // intro picture, then the play background (buildPlayScreen)
    ALLEGRO_BITMAP* rowStrip = nullptr;       // 901 x 100 scratch copy of a row (row shifts)
    ALLEGRO_BITMAP* columnStrip = nullptr;    // 100 x 501 scratch copy of a column (column shifts)
    ALLEGRO_BITMAP* pageA = nullptr;          // scratch page; incoming picture of a reveal
    ALLEGRO_BITMAP* pageB = nullptr;          // outgoing picture of a reveal
    ALLEGRO_BITMAP* atlas = nullptr;          // sprite sheet, magenta made transparent; the finale writes its banner text into it
    ALLEGRO_BITMAP* pageC = nullptr;          // finale foreground, loaded by the finale
    ALLEGRO_BITMAP* cursorImage = nullptr;    // mouse-cursor picture
    ALLEGRO_FONT* fontBold14 = nullptr;       // loaded, never drawn with
    ALLEGRO_FONT* fontRegular20 = nullptr;    // intro page
    ALLEGRO_FONT* fontBold18 = nullptr;       // labels, speed value, instructions, level-complete texts
    ALLEGRO_FONT* fontBold20 = nullptr;       // finale banner text
    ALLEGRO_FONT* fontRegular24 = nullptr;    // remaining-cells counter
    ALLEGRO_SAMPLE* clickSample = nullptr;    // the click; startUp
    ALLEGRO_SAMPLE* musicSample = nullptr;    // current music track; selectMusic
    ALLEGRO_SAMPLE_INSTANCE* musicInstance = nullptr;  // looping instance of musicSample on the default mixer
};

// Mutable game state.
struct GameState {
    ALLEGRO_KEYBOARD_STATE keyboardState{};   // keyboard as of the last refresh; key tests read only this
    ALLEGRO_MOUSE_STATE mouseState{};         // newest mouse snapshot, waiting for the next pollPointer
    int mouseX = 0, mouseY = 0;               // pointer of the snapshot before mouseState (pollPointer)
    int mouseButtons = 0;                     // button mask of that same snapshot, bit 0 the primary
    HotZone hotZone = ZoneNone;               // zone of (mouseX, mouseY)
    int selectedLine = 0;                     // row or column of the shift about to run (play loop)
    int matchCount = 0;                       // board cells equal to the goal (countMatches)
    int level = 0;                            // 1..25 while playing, 26 after the last level
    int speed = 3;                            // every shift frame rests 0.001 * speed s
    int fadeStepDivisor = 20;                 // reveal steps between music fade steps; 13 after the first level start
    float musicGain = 0;                      // gain playMusic applies to musicInstance
    std::array<std::string, textSlots> textLines{};  // line n of the text file in slot n
    std::array<int, gridCells> target{};      // goal, column-major: cell (c, r) at 5 * c + r
    std::array<int, gridCells> board{};       // player's tiles, column-major
    LevelPatternTable levelPatterns = levelPatternTable;  // row-major; a level's entry is scrambled in place
};

extern GameResources resources;
extern GameState game;

// Makes the slot name the bitmap. The bitmap it held before is destroyed unless another slot still names it.
void repointBitmap(ALLEGRO_BITMAP*& slot, ALLEGRO_BITMAP* bitmap);
// True when one of the nine bitmap slots names the bitmap.
bool bitmapInUse(const ALLEGRO_BITMAP* bitmap);
