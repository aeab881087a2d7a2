// Unit tests of the hot zones and the drag recogniser.
#include <gtest/gtest.h>

#include "input/pointer.h"

TEST(Zones, EdgesAndOverlaps)
{
    struct Case {
        int x, y;
        HotZone zone;
    };
    const Case cases[] = {
        {52, 300, ZoneNone},  {53, 300, ZoneBoard},  {972, 300, ZoneBoard}, {973, 300, ZoneNone},
        {500, 205, ZoneNone}, {500, 206, ZoneBoard}, {500, 716, ZoneBoard}, {500, 717, ZoneNone},
        {400, 560, ZoneOk},   {353, 547, ZoneOk},    {466, 579, ZoneOk},    {352, 547, ZoneBoard},
        {467, 579, ZoneBoard}, {969, 21, ZoneExit},  {1003, 55, ZoneExit},  {968, 21, ZoneNone},
        {1004, 55, ZoneNone}, {28, 85, ZoneNone},    {29, 86, ZoneSpeed},   {63, 120, ZoneSpeed},
        {64, 120, ZoneNone},  {-5, -5, ZoneNone},
    };
    for (const Case& c : cases) EXPECT_EQ(zoneAt(c.x, c.y), c.zone) << c.x << "," << c.y;
}

TEST(Zones, PollReportsTheSnapshotBeforeTheNewest)
{
    game = GameState{};
    game.mouseState.x = 400;
    game.mouseState.y = 560;
    game.mouseState.buttons = 1;
    // pollPointer takes a fresh snapshot through the layer; the values reported are the old ones.
    pollPointer();
    EXPECT_EQ(game.mouseX, 400);
    EXPECT_EQ(game.mouseY, 560);
    EXPECT_EQ(game.mouseButtons, 1);
    EXPECT_EQ(game.hotZone, ZoneOk);
}

// One pass of the recogniser with the pointer reported at (x, y) and the given buttons.
static void pass(int x, int y, int buttons)
{
    game.mouseX = x;
    game.mouseY = y;
    game.mouseButtons = buttons;
    game.hotZone = zoneAt(x, y);
    updateDrag();
}

struct DragCase {
    int dx, dy;
    bool left, right, up, down;
};

TEST(Drag, ThresholdsFromThePressPoint)
{
    const DragCase cases[] = {
        {15, 0, false, false, false, false},  {16, 0, false, true, false, false},
        {-16, 0, true, false, false, false},  {0, -16, false, false, true, false},
        {0, 16, false, false, false, true},   {30, 25, false, false, false, false},
        {30, 24, false, true, false, false},  {20, 20, false, true, false, true},
        {-24, -24, true, false, true, false}, {24, -16, false, true, true, false},
        {-15, 15, false, false, false, false},
    };
    for (const DragCase& c : cases) {
        resetDrag();
        pass(450, 350, 1);
        ASSERT_TRUE(dragState.tracking);
        pass(450 + c.dx, 350 + c.dy, 1);
        EXPECT_EQ(dragState.moveLeft, c.left) << c.dx << "," << c.dy;
        EXPECT_EQ(dragState.moveRight, c.right) << c.dx << "," << c.dy;
        EXPECT_EQ(dragState.moveUp, c.up) << c.dx << "," << c.dy;
        EXPECT_EQ(dragState.moveDown, c.down) << c.dx << "," << c.dy;
    }
}

TEST(Drag, TrackingFollowsThePrimaryButtonAloneOverTheBoard)
{
    resetDrag();
    pass(450, 350, 3);  // two buttons: no tracking
    EXPECT_FALSE(dragState.tracking);
    pass(400, 560, 1);  // over the OK zone inside the board: no tracking
    EXPECT_FALSE(dragState.tracking);
    pass(450, 350, 1);
    EXPECT_TRUE(dragState.tracking);
    pass(480, 350, 3);  // another mask neither stops tracking nor moves the press point
    EXPECT_TRUE(dragState.tracking);
    EXPECT_EQ(dragState.startX, 450);
    EXPECT_TRUE(dragState.moveRight);  // the comparison runs in every pass
    pass(480, 350, 0);
    EXPECT_FALSE(dragState.tracking);
    EXPECT_TRUE(dragState.moveRight);  // left as it was until tracking starts again
    pass(300, 300, 1);
    EXPECT_EQ(dragState.startX, 300);
    EXPECT_FALSE(dragState.moveRight);
}
