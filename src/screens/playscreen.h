// The play screen: its fixed furniture, texts and the row of level marks.
#pragma once

#include "atlas.h"

#include <allegro5/allegro.h>

struct Rgb {
    unsigned char r, g, b;
};
inline ALLEGRO_COLOR colourOf(Rgb c) { return al_map_rgb(c.r, c.g, c.b); }

constexpr Rgb labelColour{160, 160, 50};            // "Wzór" and "SPEED"
constexpr Rgb speedValueColour{60, 160, 160};       // speed value as composed
constexpr Rgb speedValueRedrawColour{66, 166, 166}; // speed value as the speed button redraws it
constexpr Rgb speedValueLitColour{88, 188, 188};    // while the button is hovered or pressed
constexpr Rgb levelNumberColour{66, 166, 166};
constexpr Rgb counterColour{200, 200, 200};

constexpr const char* patternLabelText = "Wzór";
constexpr const char* speedLabelText = "SPEED";
constexpr Point patternLabelTextAt{350, 70};
constexpr Point speedLabelTextAt{14, 50};
constexpr Point speedValueAt{39, 90};
constexpr Point counterAt{210, 165};   // centre of the number, top of the text
constexpr int levelNumberY = 122;
constexpr int levelMarkCount = 25;

// Left edges in the mark row (groups of five, 21 apart, 6 more between groups).
inline int openMarkX(int i) { return 404 + 21 * i + 6 * (i / 5); }
inline int doneMarkX(int i) { return 405 + 21 * i + 6 * (i / 5); }
inline int currentMarkX(int level) { return 384 + 21 * level + 6 * ((level - 1) / 5); }
inline int levelNumberCentreX(int level) { return 393 + 21 * level + 6 * (level / 5); }
constexpr int openMarkY = 147;
constexpr int doneMarkY = 148;

// Loads the play background and composes the play screen onto canvas, which stays the drawing target.
void buildPlayScreen();
