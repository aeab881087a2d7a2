// The display-and-input layer: the only door to the window, the present, rests, clocks, the calendar and the input devices.
//
// Everything the game draws "on the screen" goes to one persistent 1024 x 768 bitmap that keeps its
// contents across presents on every platform (a flipped back buffer promises nothing); a present shows
// it in the window. Two implementations link against this header: the real one on Allegro's display
// (display_allegro.cpp) and a scripted one for tests (display_scripted.cpp) with no window, scripted
// input and a virtual clock.
#pragma once

#include <allegro5/allegro.h>
#include <ctime>

// Installs the keyboard and the mouse.
void installInput();
// Opens the game window of the given size and the persistent screen bitmap, which starts opaque black.
// Returns null when no window can be opened.
ALLEGRO_DISPLAY* openWindow(int width, int height);
void setWindowTitle(const char* title);
// Makes a cursor from the picture, hot spot at (focusX, focusY), and shows it over the window.
void setWindowCursor(ALLEGRO_BITMAP* picture, int focusX, int focusY);
void hideWindowCursor();

// The persistent screen bitmap; what a present shows and what a screen capture saves.
ALLEGRO_BITMAP* screenBitmap();
// Makes the screen bitmap the drawing target (the game's "back buffer").
void selectScreen();
// Shows the screen bitmap in the window. The drawing target is left as it was.
void presentScreen();

// Sleeps the given time.
void restFor(double seconds);
// Seconds since start-up, from a monotonic clock.
double clockSeconds();
// The calendar time that seeds the random numbers.
std::time_t calendarTime();

// Input snapshots.
void readKeyboard(ALLEGRO_KEYBOARD_STATE* state);
void readMouse(ALLEGRO_MOUSE_STATE* state);
