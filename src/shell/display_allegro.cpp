// The real display-and-input layer: Allegro's window, flip, rest, clock and polled keyboard and mouse.
#include "display.h"

static ALLEGRO_DISPLAY* window = nullptr;
static ALLEGRO_BITMAP* screen = nullptr;
static ALLEGRO_MOUSE_CURSOR* cursor = nullptr;

void installInput()
{
    al_install_keyboard();
    al_install_mouse();
}

ALLEGRO_DISPLAY* openWindow(int width, int height)
{
    window = al_create_display(width, height);
    if (!window) return nullptr;
    // Created after the display, so it is a video bitmap: copying it to the back buffer is cheap.
    screen = al_create_bitmap(width, height);
    if (!screen) {
        al_destroy_display(window);
        window = nullptr;
        return nullptr;
    }
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(screen);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_set_target_bitmap(previous);
    return window;
}

void setWindowTitle(const char* title) { al_set_window_title(window, title); }

void setWindowCursor(ALLEGRO_BITMAP* picture, int focusX, int focusY)
{
    if (!picture) return;
    cursor = al_create_mouse_cursor(picture, focusX, focusY);
    if (cursor) al_set_mouse_cursor(window, cursor);
}

void hideWindowCursor() { al_hide_mouse_cursor(window); }

ALLEGRO_BITMAP* screenBitmap() { return screen; }

void selectScreen() { al_set_target_bitmap(screen); }

void presentScreen()
{
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_backbuffer(window);
    // A straight copy: the screen bitmap is opaque and replaces whatever the back buffer held.
    ALLEGRO_STATE blend;
    al_store_state(&blend, ALLEGRO_STATE_BLENDER);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_bitmap(screen, 0, 0, 0);
    al_restore_state(&blend);
    al_flip_display();
    al_set_target_bitmap(previous);
}

void restFor(double seconds) { al_rest(seconds); }

double clockSeconds() { return al_get_time(); }

std::time_t calendarTime() { return std::time(nullptr); }

void readKeyboard(ALLEGRO_KEYBOARD_STATE* state) { al_get_keyboard_state(state); }

void readMouse(ALLEGRO_MOUSE_STATE* state) { al_get_mouse_state(state); }
