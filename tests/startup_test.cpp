// Start-up and shutdown: what is loaded and created, the failure paths, silence without a sound device.
#include <allegro5/allegro_image.h>

#include <cstdlib>
#include <fstream>

#include "audio/music.h"
#include "harness.h"
#include "screens/capture.h"
#include "shell/records.h"
#include "shell/startup.h"

using Startup = GameTest;

TEST_F(Startup, CreatesEveryResourceAndFillsTheTexts)
{
    startUp();
    EXPECT_NE(resources.display, nullptr);
    EXPECT_STREQ(scriptWindowTitle(), "Plexaro  v1.5  (Allegro5) 1024x768");
    EXPECT_TRUE(scriptCursorSet());
    struct Size {
        ALLEGRO_BITMAP* bitmap;
        int w, h;
    };
    const Size sizes[] = {{resources.canvas, 1024, 768}, {resources.pageA, 1024, 768}, {resources.pageB, 1024, 768},
                          {resources.pageC, 1024, 768},  {resources.rowStrip, 901, 100}, {resources.columnStrip, 100, 501},
                          {resources.backdrop, 1024, 768}};
    for (const Size& s : sizes) {
        ASSERT_NE(s.bitmap, nullptr);
        EXPECT_EQ(al_get_bitmap_width(s.bitmap), s.w);
        EXPECT_EQ(al_get_bitmap_height(s.bitmap), s.h);
    }
    EXPECT_GE(al_get_bitmap_width(resources.atlas), 1175);
    EXPECT_GE(al_get_bitmap_height(resources.atlas), 535);
    for (ALLEGRO_FONT* font : {resources.fontBold14, resources.fontRegular20, resources.fontBold18,
                               resources.fontBold20, resources.fontRegular24})
        EXPECT_NE(font, nullptr);
    EXPECT_EQ(al_get_font_line_height(resources.fontRegular24) > al_get_font_line_height(resources.fontBold14), true);
    EXPECT_FALSE(game.textLines[20].empty());
    EXPECT_FALSE(game.textLines[46].empty());
    // pageA must start fully transparent: the intro shows it through slices over its picture.
    unsigned char r, g, b, a;
    al_unmap_rgba(al_get_pixel(resources.pageA, 500, 300), &r, &g, &b, &a);
    EXPECT_EQ(a, 0);
    // The screen starts opaque black, the black the intro fades in from.
    al_unmap_rgba(al_get_pixel(screenBitmap(), 10, 10), &r, &g, &b, &a);
    EXPECT_EQ(r + g + b, 0);
    EXPECT_EQ(a, 255);
}

TEST_F(Startup, OnlyExactMagentaBecomesTransparent)
{
    // A small atlas and cursor of our own: exact magenta beside a one-off magenta.
    const std::string atlasPath = ownMediaFile("media/grafika/plx_abc.png");
    const std::string cursorPath = ownMediaFile("media/grafika/plx_strzalka.png");
    al_init();
    al_init_image_addon();
    ALLEGRO_BITMAP* picture = al_create_bitmap(1200, 540);
    al_set_target_bitmap(picture);
    al_clear_to_color(al_map_rgb(255, 0, 255));
    al_put_pixel(1, 0, al_map_rgb(254, 0, 255));
    al_put_pixel(2, 0, al_map_rgb(255, 1, 255));
    ASSERT_TRUE(al_save_bitmap(atlasPath.c_str(), picture));
    ASSERT_TRUE(al_save_bitmap(cursorPath.c_str(), picture));
    al_destroy_bitmap(picture);
    startUp();
    for (ALLEGRO_BITMAP* loaded : {resources.atlas, resources.cursorImage}) {
        unsigned char r, g, b, a;
        al_unmap_rgba(al_get_pixel(loaded, 0, 0), &r, &g, &b, &a);
        EXPECT_EQ(a, 0);
        al_unmap_rgba(al_get_pixel(loaded, 1, 0), &r, &g, &b, &a);
        EXPECT_EQ(a, 255);
        al_unmap_rgba(al_get_pixel(loaded, 2, 0), &r, &g, &b, &a);
        EXPECT_EQ(a, 255);
    }
}

TEST_F(Startup, SeedsTheScrambleFromTheCalendarTime)
{
    scriptSetCalendar(1234567);
    startUp();
    const int first = std::rand();
    std::srand(1234567);
    EXPECT_EQ(first, std::rand());
}

// A forked child would inherit the audio threads' locks and hang in the library's exit handler;
// the threadsafe style starts the child afresh.
static void deathTestsStartAfresh() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }

TEST_F(Startup, AMissingAssetStopsWithItsName)
{
    deathTestsStartAfresh();
    const char* const assets[] = {"media/grafika/plx_wstep.png", "media/grafika/plx_abc.png",
                                  "media/grafika/plx_strzalka.png", "media/ogg/s1.ogg", "media/verdana.ttf",
                                  "media/verdanab.ttf"};
    for (const char* asset : assets) {
        const std::string own = ownMediaFile(asset);
        const std::string keep = own + ".kept";
        std::rename(own.c_str(), keep.c_str());
        EXPECT_EXIT(startUp(), ::testing::ExitedWithCode(1), asset) << asset;
        // A damaged file of that name is reported the same way.
        std::ofstream(own) << "not what it should be";
        if (std::string(asset).find(".ogg") == std::string::npos) {
            EXPECT_EXIT(startUp(), ::testing::ExitedWithCode(1), asset) << asset;
        }
        std::rename(keep.c_str(), own.c_str());
    }
}

TEST_F(Startup, NoWindowStopsWithAMessage)
{
    deathTestsStartAfresh();
    scriptFailWindow(true);
    EXPECT_EXIT(startUp(), ::testing::ExitedWithCode(1), "no window could be opened");
}

TEST_F(Startup, ShutdownReleasesAndRemovesTheCapture)
{
    startUp();
    captureScreen();
    ASSERT_TRUE(fileExists("ekran.png"));
    shutdownGame();
    EXPECT_FALSE(fileExists("ekran.png"));
    EXPECT_EQ(resources.canvas, nullptr);
    EXPECT_EQ(resources.clickSample, nullptr);
    shutdownGame();  // a missing capture file is no error
}

// Without a device (this machine) every sound call is silent; with OpenAL Soft's null device
// (ALSOFT_DRIVERS=null) the same calls really reach the mixer.
TEST_F(Startup, AudioWhenAvailableSilenceOtherwise)
{
    startUp();
    const bool nullDriver = std::getenv("ALSOFT_DRIVERS") != nullptr;
    if (nullDriver) {
        ASSERT_TRUE(audioAvailable);
        ASSERT_NE(resources.clickSample, nullptr);
    }
    for (int level : {0, 1, 5, 6, 25, 26}) {
        game.level = level;
        selectMusic();
        EXPECT_EQ(resources.musicInstance != nullptr, audioAvailable) << level;
        game.musicGain = 0.4f;
        playMusic();
        playMusic();
        if (audioAvailable) {
            EXPECT_TRUE(al_get_sample_instance_playing(resources.musicInstance));
        }
        game.musicGain = -0.018f;  // the closing sweep hands the mixer slightly negative gains
        playMusic();
        playClick();
        stopMusic();
        if (audioAvailable) {
            EXPECT_FALSE(al_get_sample_instance_playing(resources.musicInstance));
        }
    }
}

TEST(AudioTracks, ByLevelGroup)
{
    struct Case {
        int level;
        const char* file;
    };
    const Case cases[] = {{0, "media/ogg/muz1.ogg"},      {1, "media/ogg/Orvanel.ogg"},  {5, "media/ogg/Orvanel.ogg"},
                          {6, "media/ogg/Quessith.ogg"},  {11, "media/ogg/Dramwick.ogg"}, {20, "media/ogg/Zolvenar.ogg"},
                          {25, "media/ogg/Kestrune.ogg"}, {26, "media/ogg/Mirtallo.ogg"}, {40, "media/ogg/Mirtallo.ogg"}};
    for (const Case& c : cases) EXPECT_STREQ(musicFileForLevel(c.level), c.file) << c.level;
}
