// Scripted tests of the board on screen: scramble, shifts frame by frame, counter, speed button, capture.
#include <allegro5/allegro_font.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "audio/music.h"
#include "harness.h"
#include "input/pointer.h"
#include "puzzle/grid.h"
#include "puzzle/scramble.h"
#include "puzzle/shifts.h"
#include "screens/capture.h"
#include "screens/playscreen.h"
#include "shell/records.h"
#include "shell/startup.h"

namespace {
unsigned long long fieldHash(ALLEGRO_BITMAP* bitmap) { return regionHash(bitmap, 60, 200, 900, 500); }

ALLEGRO_BITMAP* copyOf(ALLEGRO_BITMAP* bitmap)
{
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    ALLEGRO_BITMAP* copy = al_clone_bitmap(bitmap);
    al_set_target_bitmap(previous);
    return copy;
}

// True when the screen's rectangle at (x, y) shows the picture's rectangle at (px, py).
bool screenShows(int x, int y, ALLEGRO_BITMAP* picture, int px, int py, int w, int h)
{
    return regionHash(screenBitmap(), x, y, w, h) == regionHash(picture, px, py, w, h);
}
}  // namespace

using Board = GameTest;

TEST_F(Board, ScramblePlacesEveryTileWithAClickAndCapturesTheResult)
{
    scriptSetCalendar(777);
    startUp();
    buildPlayScreen();
    game.level = 12;
    captureScreen();
    std::srand(777);
    LevelPattern expected = game.levelPatterns[11];
    scramblePattern(expected, std::rand);
    std::srand(777);
    const int presents = scriptPresents(), clicks = clickRequests();
    const auto rests = scriptRests().size();
    std::vector<unsigned> tileCorner;  // the newest tile's top-left pixel at each present
    int placed = 0;
    scriptOnPresent([&](int) {
        const int c = placed % 9, r = placed / 9;
        tileCorner.push_back(screenPixel(60 + 100 * c + 50, 200 + 100 * r + 50));
        ++placed;
    });
    const LevelPattern goal = game.levelPatterns[11];
    Grid target{};
    patternToGrid(goal, target);
    game.target = target;
    scrambleBoard();
    scriptOnPresent(nullptr);
    Grid board{};
    patternToGrid(expected, board);
    EXPECT_EQ(game.board, board);
    EXPECT_EQ(game.board[44], target[44]);  // the bottom-right cell never takes part
    Grid sortedBoard = game.board, sortedGoal = target;
    std::sort(sortedBoard.begin(), sortedBoard.end());
    std::sort(sortedGoal.begin(), sortedGoal.end());
    EXPECT_EQ(sortedBoard, sortedGoal);
    EXPECT_EQ(scriptPresents() - presents, 45);
    EXPECT_EQ(clickRequests() - clicks, 45);
    const auto& r = scriptRests();
    ASSERT_EQ(r.size() - rests, 46u);
    EXPECT_DOUBLE_EQ(r[rests], 1.0);
    EXPECT_DOUBLE_EQ(r[rests + 45], 0.01);
    // The captured canvas is the last presented frame.
    EXPECT_EQ(regionHash(resources.canvas, 0, 0, 1024, 768), regionHash(screenBitmap(), 0, 0, 1024, 768));
    EXPECT_NE(resources.canvas, resources.pageB);
    // Each frame shows the tile just placed: same pixel as the atlas picture of its value.
    for (int i = 0; i < 45; ++i) {
        const int v = board[cellIndex(i % 9, i / 9)];
        EXPECT_EQ(tileCorner[i], bitmapPixel(resources.atlas, 100 * v + 50, 30 + 50)) << i;
    }
}

struct ShiftCase {
    void (*shift)();
    void (*rotate)(Grid&, int);
    int line;
    bool column;
    int clickFrame;
};

TEST_F(Board, ShiftFramesOneAndHundredOnThePresentedPicture)
{
    startAtLevel(22);
    const ShiftCase cases[] = {
        {shiftRowRight, rotateRowRight, 1, false, 50}, {shiftRowLeft, rotateRowLeft, 4, false, 50},
        {shiftColumnDown, rotateColumnDown, 0, true, 40}, {shiftColumnUp, rotateColumnUp, 8, true, 40},
    };
    for (const ShiftCase& k : cases) {
        ALLEGRO_BITMAP* before = copyOf(resources.canvas);
        const unsigned long long outsideBefore = regionHash(screenBitmap(), 0, 0, 1024, 200);
        const int start = scriptPresents(), clicks = clickRequests();
        const int x = 60 + 100 * k.line, y = 200 + 100 * k.line;
        std::vector<bool> ok;
        int clickAt = -1;
        scriptOnPresent([&](int n) {
            const int frame = n - start;
            if (clickAt < 0 && clickRequests() > clicks) clickAt = frame;
            if (frame != 1 && frame != 100) return;
            const int d = frame;
            if (!k.column && k.shift == shiftRowRight) {
                ok.push_back(screenShows(60 + d, y, before, 60, y, 900 - d, 100) &&
                             screenShows(60, y, before, 960 - d, y, d, 100));
            } else if (!k.column) {
                ok.push_back(screenShows(60, y, before, 60 + d, y, 900 - d, 100) &&
                             screenShows(960 - d, y, before, 60, y, d, 100));
            } else if (k.shift == shiftColumnDown) {
                ok.push_back(screenShows(x, 200 + d, before, x, 200, 100, 500 - d) &&
                             screenShows(x, 200, before, x, 700 - d, 100, d));
            } else {
                ok.push_back(screenShows(x, 200, before, x, 200 + d, 100, 500 - d) &&
                             screenShows(x, 700 - d, before, x, 200, 100, d));
            }
        });
        game.selectedLine = k.line;
        Grid expected = game.board;
        k.rotate(expected, k.line);
        k.shift();
        scriptOnPresent(nullptr);
        EXPECT_EQ(scriptPresents() - start, 100);
        EXPECT_EQ(clickAt, k.clickFrame);
        EXPECT_EQ(clickRequests() - clicks, 1);
        ASSERT_EQ(ok.size(), 2u);
        EXPECT_TRUE(ok[0]) << "frame 1, line " << k.line;
        EXPECT_TRUE(ok[1]) << "frame 100, line " << k.line;
        EXPECT_EQ(game.board, expected);
        // Only the line moved; canvas now shows the rotated line exactly as frame 100 did.
        EXPECT_EQ(regionHash(screenBitmap(), 0, 0, 1024, 200), outsideBefore);
        EXPECT_EQ(fieldHash(resources.canvas), fieldHash(screenBitmap()));
        EXPECT_EQ(al_get_target_bitmap(), screenBitmap());
        al_destroy_bitmap(before);
    }
}

TEST_F(Board, ShiftsComposeBackToTheSameBoardAndPicture)
{
    startAtLevel(25);
    const Grid start = game.board;
    const unsigned long long picture = fieldHash(resources.canvas);
    struct Round {
        void (*shift)();
        int times, line;
    };
    const Round rounds[] = {{shiftColumnDown, 5, 3}, {shiftColumnUp, 5, 8}, {shiftRowRight, 9, 0}, {shiftRowLeft, 9, 4}};
    for (const Round& round : rounds) {
        game.selectedLine = round.line;
        for (int n = 0; n < round.times; ++n) round.shift();
        EXPECT_EQ(game.board, start);
        EXPECT_EQ(fieldHash(resources.canvas), picture);
    }
    const std::pair<void (*)(), void (*)()> opposites[] = {
        {shiftRowRight, shiftRowLeft}, {shiftColumnDown, shiftColumnUp}};
    for (const auto& pair : opposites) {
        game.selectedLine = 2;
        pair.first();
        EXPECT_NE(fieldHash(resources.canvas), picture);
        pair.second();  // no present in between: the second works on what the first left
        EXPECT_EQ(game.board, start);
        EXPECT_EQ(fieldHash(resources.canvas), picture);
    }
}

TEST_F(Board, CounterLeavesNoTraceOfTheOldDigits)
{
    startAtLevel(1);
    const Grid goal = game.target;
    auto boardWithMatches = [&](int matches) {
        Grid b = goal;
        for (int i = matches; i < 45; ++i) b[i] = (goal[i] + 1) % 6;
        return b;
    };
    game.board = boardWithMatches(35);
    countMatches();
    EXPECT_EQ(game.matchCount, 35);
    game.board = boardWithMatches(36);
    countMatches();
    // What "9" looks like on a clean patch of the background.
    ALLEGRO_BITMAP* clean = copyOf(resources.backdrop);
    al_set_target_bitmap(clean);
    al_draw_text(resources.fontRegular24, al_map_rgb(200, 200, 200), 210, 165, ALLEGRO_ALIGN_CENTRE, "9");
    EXPECT_EQ(regionHash(resources.canvas, 180, 160, 60, 38), regionHash(clean, 180, 160, 60, 38));
    EXPECT_EQ(regionHash(screenBitmap(), 180, 160, 60, 38), regionHash(clean, 180, 160, 60, 38));
    al_destroy_bitmap(clean);
    game.board = goal;
    countMatches();
    EXPECT_EQ(game.matchCount, 45);
}

TEST_F(Board, SpeedButtonCyclesAndRests)
{
    startAtLevel(1);
    struct Case {
        int speed;
        HotZone zone;
        int buttons;
        bool sKey;
        int after;
        std::vector<double> rests;
    };
    const Case cases[] = {
        {3, ZoneSpeed, 1, false, 4, {0.1}},      {5, ZoneSpeed, 1, false, 1, {0.1}},
        {2, ZoneSpeed, 1, true, 3, {0.1, 0.2}},  {2, ZoneBoard, 0, true, 3, {0.1, 0.2}},
        {2, ZoneSpeed, 3, false, 2, {}},         {4, ZoneSpeed, 0, false, 4, {}},
        {9, ZoneNone, 0, true, 1, {0.1, 0.2}},
    };
    for (const Case& c : cases) {
        game.speed = c.speed;
        game.hotZone = c.zone;
        game.mouseButtons = c.buttons;
        game.keyboardState = ALLEGRO_KEYBOARD_STATE{};
        if (c.sKey) scriptQueueKeys({ALLEGRO_KEY_S});
        else scriptQueueKeys({});
        readKeyboard(&game.keyboardState);
        // The wait for the release polls until a snapshot with every button up is reported.
        game.mouseState = ALLEGRO_MOUSE_STATE{};
        game.mouseState.buttons = c.buttons;
        scriptQueueMouse(MouseSample{40, 100, c.buttons});
        scriptQueueMouse(releaseAt(40, 100));
        const auto before = scriptRests().size();
        const int clicks = clickRequests();
        handleSpeedButton();
        EXPECT_EQ(game.speed, c.after) << c.speed;
        const std::vector<double> rests(scriptRests().begin() + before, scriptRests().end());
        EXPECT_EQ(rests, c.rests) << c.speed;
        EXPECT_EQ(clickRequests() - clicks, c.rests.empty() ? 0 : 1);
        if (!c.rests.empty() && c.buttons) {
            EXPECT_EQ(game.mouseButtons, 0);
        }
        EXPECT_EQ(al_get_target_bitmap(), screenBitmap());
        // The value on screen is the new one: canvas was copied to the screen.
        EXPECT_EQ(regionHash(screenBitmap(), 28, 85, 36, 36), regionHash(resources.canvas, 28, 85, 36, 36));
        scriptReset();
    }
}

TEST_F(Board, CaptureSurvivesAFileThatCannotBeWrittenOrRead)
{
    startUp();
    buildPlayScreen();
    selectScreen();
    al_draw_bitmap(resources.canvas, 0, 0, 0);
    const unsigned long long shown = regionHash(screenBitmap(), 0, 0, 1024, 768);
    struct Damage {
        const char* what;
        void (*before)();  // before the capture
        void (*after)();   // between the capture and the load
    };
    const Damage cases[] = {
        {"a directory in its place", [] { mkdir("ekran.png", 0755); }, [] {}},
        {"damaged after writing", [] {}, [] { std::ofstream("ekran.png") << "garbage"; }},
        {"removed after writing", [] {}, [] { std::remove("ekran.png"); }},
        {"wrong picture after writing", [] {},
         [] {
             ALLEGRO_BITMAP* small = al_create_bitmap(10, 10);
             al_save_bitmap("ekran.png", small);
             al_destroy_bitmap(small);
         }},
    };
    for (const Damage& d : cases) {
        rmdir("ekran.png");
        std::remove("ekran.png");
        d.before();
        captureScreen();
        d.after();
        ALLEGRO_BITMAP* loaded = loadCapture();
        ASSERT_NE(loaded, nullptr) << d.what;
        EXPECT_EQ(regionHash(loaded, 0, 0, 1024, 768), shown) << d.what;
        al_destroy_bitmap(loaded);
    }
}
