// Start-up in its fixed order, with a clear stop for missing assets, and the exit button's shutdown.
#include "startup.h"

#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>
#include <cstdio>
#include <cstdlib>

#include "../audio/music.h"
#include "../files/textfile.h"
#include "../screens/atlas.h"
#include "../screens/capture.h"
#include "display.h"
#include "records.h"

[[noreturn]] static void stopStarting(const char* what)
{
    std::fprintf(stderr, "Plexaro cannot start: %s\n", what);
    std::exit(failedStartStatus);
}

static void require(bool done, const char* what)
{
    if (!done) stopStarting(what);
}

[[noreturn]] static void missingAsset(const char* kind, const char* path)
{
    std::fprintf(stderr,
                 "Plexaro cannot start: the %s \"%s\" is missing or unreadable.\n"
                 "Run the game from the folder that holds media/.\n",
                 kind, path);
    std::exit(failedStartStatus);
}

static ALLEGRO_BITMAP* newPage(int width, int height)
{
    ALLEGRO_BITMAP* page = al_create_bitmap(width, height);
    require(page != nullptr, "not enough memory for the screen pages");
    return page;
}

static ALLEGRO_BITMAP* loadPicture(const char* path, bool masked)
{
    ALLEGRO_BITMAP* picture = al_load_bitmap(path);
    if (!picture) missingAsset("picture", path);
    if (masked) al_convert_mask_to_alpha(picture, al_map_rgb(255, 0, 255));
    return picture;
}

static ALLEGRO_FONT* loadFont(const char* path, int size)
{
    ALLEGRO_FONT* font = al_load_ttf_font(path, size, 0);
    if (!font) missingAsset("font", path);
    return font;
}

// Without an audio system the click cannot be decoded, but a missing file is still reported.
static void loadClick()
{
    if (audioAvailable) {
        resources.clickSample = al_load_sample(clickFile);
        if (!resources.clickSample) missingAsset("sound", clickFile);
        return;
    }
    ALLEGRO_FILE* file = al_fopen(clickFile, "rb");
    if (!file || al_fsize(file) <= 0) missingAsset("sound", clickFile);
    al_fclose(file);
}

static void createScratchBitmaps()
{
    resources.canvas = newPage(screenWidth, screenHeight);
    resources.pageA = newPage(screenWidth, screenHeight);
    resources.pageB = newPage(screenWidth, screenHeight);
    resources.pageC = newPage(screenWidth, screenHeight);
    resources.rowStrip = newPage(901, 100);
    resources.columnStrip = newPage(100, 501);
    // The intro writes its lines onto pageA and shows it through slices: it must start transparent,
    // which a new video bitmap does not promise.
    al_set_target_bitmap(resources.pageA);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
}

static void openGameWindow()
{
    resources.display = openWindow(screenWidth, screenHeight);
    require(resources.display != nullptr,
            "no window could be opened. Plexaro needs a graphical display: start it from a desktop "
            "session, or under a virtual one (xvfb-run -s \"-screen 0 1024x768x24\" build/plexaro).");
    setWindowTitle(windowTitle);
}

void startUp()
{
    require(al_init(), "the Allegro library did not start");
    installInput();
    require(al_init_image_addon(), "the picture loader did not start");
    require(al_init_ttf_addon(), "the font loader did not start");
    std::srand(static_cast<unsigned>(calendarTime()));
    require(al_init_primitives_addon(), "the drawing addon did not start");
    setUpAudio();
    openGameWindow();
    createScratchBitmaps();
    resources.backdrop = loadPicture(introBackgroundFile, false);
    resources.atlas = loadPicture(atlasFile, true);
    resources.cursorImage = loadPicture(cursorFile, true);
    setWindowCursor(resources.cursorImage, 0, 0);
    loadClick();
    std::srand(static_cast<unsigned>(calendarTime()));
    resources.fontBold14 = loadFont(boldFontFile, 14);
    resources.fontRegular20 = loadFont(regularFontFile, 20);
    resources.fontBold18 = loadFont(boldFontFile, 18);
    resources.fontBold20 = loadFont(boldFontFile, 20);
    resources.fontRegular24 = loadFont(regularFontFile, 24);
    loadTextLines();
}

void shutdownGame()
{
    ALLEGRO_BITMAP** const slots[] = {
        &resources.backdrop, &resources.atlas,       &resources.canvas,      &resources.pageA,      &resources.pageB,
        &resources.rowStrip, &resources.columnStrip, &resources.pageC,       &resources.cursorImage,
    };
    // Each bitmap once, even if two slots should ever name the same one; emptied slots never dangle.
    for (ALLEGRO_BITMAP** slot : slots) {
        ALLEGRO_BITMAP* bitmap = *slot;
        if (!bitmap) continue;
        for (ALLEGRO_BITMAP** other : slots)
            if (*other == bitmap) *other = nullptr;
        al_destroy_bitmap(bitmap);
    }
    if (resources.clickSample) al_destroy_sample(resources.clickSample);
    resources.clickSample = nullptr;
    std::remove(captureFile);
}
