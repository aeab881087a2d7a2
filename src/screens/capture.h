// The screen-capture file that hands a picture of the screen from one stage to the next.
#pragma once

#include <allegro5/allegro.h>

constexpr const char* captureFile = "ekran.png";

// Saves the screen as presented to "ekran.png", and keeps the same picture in memory.
void captureScreen();
// A new bitmap holding the last capture: read back from "ekran.png", or, when that file could not be
// written or read, the copy kept in memory, so every stage gets the picture it expects.
ALLEGRO_BITMAP* loadCapture();
