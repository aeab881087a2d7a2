// The screen-capture file "ekran.png": save the presented screen, load it back as a new bitmap.
#include "capture.h"

#include "../shell/display.h"
#include "atlas.h"

// The last capture in memory, and whether "ekran.png" was written with it. A read-only directory, a
// directory named "ekran.png" or a damaged file must not leave a stage with the wrong picture (or an
// old file from an earlier run), so the file is trusted only when this capture wrote it.
static ALLEGRO_BITMAP* lastCapture = nullptr;
static bool fileHoldsLastCapture = false;

void captureScreen()
{
    ALLEGRO_BITMAP* screen = screenBitmap();
    fileHoldsLastCapture = al_save_bitmap(captureFile, screen);
    if (lastCapture) al_destroy_bitmap(lastCapture);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    lastCapture = al_clone_bitmap(screen);
    al_set_target_bitmap(previous);
}

static bool isWholeScreen(ALLEGRO_BITMAP* bitmap)
{
    return al_get_bitmap_width(bitmap) == screenWidth && al_get_bitmap_height(bitmap) == screenHeight;
}

ALLEGRO_BITMAP* loadCapture()
{
    if (fileHoldsLastCapture || !lastCapture) {
        ALLEGRO_BITMAP* loaded = al_load_bitmap(captureFile);
        if (loaded && isWholeScreen(loaded)) return loaded;
        if (loaded) al_destroy_bitmap(loaded);
    }
    if (!lastCapture) return nullptr;
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    ALLEGRO_BITMAP* copy = al_clone_bitmap(lastCapture);
    al_set_target_bitmap(previous);
    return copy;
}
