// Scripted plays of the whole game and of the play loop: exits, the level cycle, the walk of a move.
#include <fstream>
#include <sstream>

#include "audio/music.h"
#include "harness.h"
#include "input/pointer.h"
#include "puzzle/grid.h"
#include "puzzle/shifts.h"
#include "shell/game.h"
#include "shell/records.h"

namespace {
constexpr MouseSample okClick{400, 560, 1};

std::string contents(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

// Holds OK down through the start pages (one click ends all three waits) and calls `onPlay` at the
// first mouse snapshot of each level, which the level cycle takes right after the level start.
struct WholeGame {
    std::function<void(int level)> onPlay;
    int lastLevelSeen = 0;
    int run()
    {
        scriptSetPresentCost(0.0005);
        scriptMouseFrom(0, okClick);
        scriptOnMouseRead([this](int) {
            if (game.level >= 1 && game.level != lastLevelSeen && game.matchCount > 0) {
                lastLevelSeen = game.level;
                if (onPlay) onPlay(game.level);
            }
        });
        return runGame();
    }
};
}  // namespace

using Play = GameTest;

TEST_F(Play, EscapeEndsWithinOnePassAndLeavesTheCapture)
{
    int presentsAtEscape = -1;
    WholeGame whole;
    whole.onPlay = [&](int) {
        scriptMouseFrom(scriptClock(), releaseAt(700, 100));
        scriptQueueKeys({});
        scriptQueueKeys({ALLEGRO_KEY_ESCAPE});
        presentsAtEscape = scriptPresents();
    };
    EXPECT_EQ(whole.run(), 0);
    // Pass 1 reads no key, pass 2 reads Escape and still presents once, pass 3 leaves at its first step.
    EXPECT_EQ(scriptPresents() - presentsAtEscape, 2);
    EXPECT_TRUE(fileExists("ekran.png"));
    EXPECT_EQ(game.level, 1);
}

TEST_F(Play, ExitButtonWantsThePrimaryButtonAloneAndRemovesTheCapture)
{
    int presentsBefore = 0;
    WholeGame whole;
    whole.onPlay = [&](int) {
        presentsBefore = scriptPresents();
        for (int n = 0; n < 5; ++n) scriptQueueMouse(MouseSample{980, 30, 3});
        scriptQueueMouse(MouseSample{980, 30, 1});
    };
    EXPECT_EQ(whole.run(), 0);
    // The level start's snapshot takes the first sample; passes 1 to 5 report mask 3 and present, the
    // pass that reports mask 1 leaves before presenting.
    EXPECT_EQ(scriptPresents() - presentsBefore, 5);
    EXPECT_FALSE(fileExists("ekran.png"));
    EXPECT_EQ(resources.canvas, nullptr);
}

TEST_F(Play, KeyboardIsFirstReadAtTheFirstLevelStart)
{
    // Escape held from the very start: the start pages never look, the first level opens and scrambles,
    // and the play loop ends at its first step.
    scriptKeysFrom(0, {ALLEGRO_KEY_ESCAPE});
    WholeGame whole;
    EXPECT_EQ(whole.run(), 0);
    EXPECT_EQ(scriptKeyboardReads(), 1);
    EXPECT_EQ(game.level, 1);
    EXPECT_GT(game.matchCount, 0);
    EXPECT_EQ(game.board[44], game.target[44]);
    EXPECT_TRUE(fileExists("ekran.png"));
}

TEST_F(Play, SolvedLevelIsSavedAndTheNextOneOpens)
{
    WholeGame whole;
    whole.onPlay = [&](int level) {
        if (level == 2) {
            scriptQueueKeys({ALLEGRO_KEY_ESCAPE});
            return;
        }
        // One row shift away from the goal: row 1 shifted left, so a drag to the right solves it.
        game.board = game.target;
        rotateRowLeft(game.board, 1);
        redrawBoard();
        for (MouseSample s : {pressAt(450, 350), pressAt(460, 352), pressAt(470, 355)}) scriptQueueMouse(s);
        scriptMouseFrom(scriptClock() + 2.0, releaseAt(700, 100));
        scriptMouseFrom(scriptClock() + 14.0, pressAt(700, 100));  // the level-complete screen wants a click after frame 800
        scriptMouseFrom(scriptClock() + 14.1, releaseAt(700, 100));
    };
    EXPECT_EQ(whole.run(), 0);
    EXPECT_EQ(whole.lastLevelSeen, 2);
    EXPECT_EQ(contents("media/data.txt"), "246 2\n");  // no progress file before: speed 2
}

class PlayLoop : public GameTest {
protected:
    std::vector<Grid> boardAtPass;   // board before each pass's poll
    std::vector<int> presentsAtPass;
    // Plays the level's loop for the given snapshots (one per pass), then Escape.
    void playPasses(const std::vector<MouseSample>& samples)
    {
        for (const MouseSample& s : samples) scriptQueueMouse(s);
        for (std::size_t n = 1; n < samples.size(); ++n) scriptQueueKeys({});
        scriptQueueKeys({ALLEGRO_KEY_ESCAPE});
        scriptOnMouseRead([this](int) {
            boardAtPass.push_back(game.board);
            presentsAtPass.push_back(scriptPresents());
        });
        EXPECT_FALSE(playLevel());
        boardAtPass.push_back(game.board);
        presentsAtPass.push_back(scriptPresents());
    }
    int presentsInPass(int pass) const { return presentsAtPass[pass] - presentsAtPass[pass - 1]; }
};

TEST_F(PlayLoop, WalkOfOneMove)
{
    startAtLevel(4);
    game.speed = 3;
    const Grid start = game.board;
    Grid shifted = start;
    rotateRowRight(shifted, 1);
    const double clockBefore = scriptClock();
    const auto restsBefore = scriptRests().size();
    // The level start's snapshot has the button up; each pass reports the one before.
    playPasses({pressAt(450, 350), pressAt(460, 352), pressAt(470, 355), pressAt(470, 355), releaseAt(470, 355)});
    EXPECT_EQ(boardAtPass[1], start);    // pass 1 saw the button up
    EXPECT_EQ(presentsInPass(1), 1);
    EXPECT_EQ(boardAtPass[2], start);    // pass 2 began tracking at (450, 350) and recounted
    EXPECT_EQ(presentsInPass(2), 2);
    EXPECT_EQ(boardAtPass[3], start);    // 10 pixels: not yet
    EXPECT_EQ(presentsInPass(3), 2);
    EXPECT_EQ(boardAtPass[4], shifted);  // 20 right, 5 down: row 1 shifted right
    EXPECT_EQ(presentsInPass(4), 100 + 2);
    EXPECT_EQ(boardAtPass[5], shifted);  // tracking starts again at (470, 355); no new travel
    // Every frame of the shift rested 0.003 s; the play loop itself never rests.
    const auto& rests = scriptRests();
    ASSERT_EQ(rests.size() - restsBefore, 100u);
    for (auto i = restsBefore; i < rests.size(); ++i) EXPECT_DOUBLE_EQ(rests[i], 0.003);
    EXPECT_NEAR(scriptClock() - clockBefore, 0.3, 1e-9);
}

TEST_F(PlayLoop, DiagonalDragShiftsARowThenAColumnInOnePass)
{
    startAtLevel(6);
    Grid expected = game.board;
    rotateRowRight(expected, 1);    // (370 - 200) / 100
    rotateColumnDown(expected, 4);  // (470 - 60) / 100
    playPasses({pressAt(450, 350), pressAt(470, 370), releaseAt(470, 370)});
    EXPECT_EQ(boardAtPass[3], expected);
    EXPECT_EQ(presentsInPass(3), 200 + 2);
}

TEST_F(PlayLoop, PressInTheOkZoneNeitherTracksNorMoves)
{
    startAtLevel(2);
    const Grid start = game.board;
    playPasses({pressAt(400, 560), pressAt(430, 560), pressAt(440, 550), releaseAt(440, 550)});
    EXPECT_EQ(game.board, start);
    for (int pass = 1; pass <= 4; ++pass) EXPECT_EQ(presentsInPass(pass), 1) << pass;
}

TEST_F(PlayLoop, MovesFromOutsideTheFieldShiftTheLastLine)
{
    startAtLevel(9);
    Grid expected = game.board;
    rotateColumnDown(expected, 8);  // pointer at x 965: column index 9, clamped to 8
    rotateRowLeft(expected, 4);     // pointer at y 710: row index 5, clamped to 4
    playPasses({pressAt(965, 400), pressAt(965, 420), releaseAt(965, 420), pressAt(500, 710),
                pressAt(480, 710), releaseAt(480, 710)});
    EXPECT_EQ(game.board, expected);
}

TEST_F(PlayLoop, ButtonHeldStillRecountsEveryPass)
{
    startAtLevel(3);
    const Grid start = game.board;
    playPasses({pressAt(300, 300), pressAt(300, 300), pressAt(300, 300), releaseAt(300, 300)});
    EXPECT_EQ(game.board, start);
    EXPECT_EQ(presentsInPass(3), 2);
    EXPECT_EQ(presentsInPass(4), 2);
}

TEST_F(PlayLoop, AScrambleThatSolvesTheBoardGoesStraightToLevelComplete)
{
    game.levelPatterns[0].fill(3);
    startAtLevel(1);
    EXPECT_EQ(game.matchCount, 45);
    scriptMouseFrom(scriptClock() + 9.0, pressAt(700, 100));
    const int clicks = clickRequests();
    EXPECT_FALSE(playLevel());
    EXPECT_EQ(game.level, 2);
    EXPECT_EQ(game.matchCount, 0);
    EXPECT_EQ(clickRequests(), clicks);  // no move, no speed change
    std::ifstream saved("media/data.txt");
    int stored = 0;
    saved >> stored;
    EXPECT_EQ(stored, 246);
}
