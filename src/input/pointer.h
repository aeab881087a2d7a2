// The pointer's hot zones, the drag recogniser of the board, the speed button and the OK button.
#pragma once

#include "../shell/records.h"

struct ZoneRect {
    HotZone zone;
    int left, top, right, bottom;  // inclusive
};

// Tested in this order, a later match replacing an earlier one: a point over the OK button inside
// the board zone is ZoneOk, on the play screen too.
constexpr ZoneRect hotZones[] = {
    {ZoneBoard, 53, 206, 972, 716},
    {ZoneExit, 969, 21, 1003, 55},
    {ZoneSpeed, 29, 86, 63, 120},
    {ZoneOk, 353, 547, 466, 579},
};

constexpr int primaryButtonOnly = 1;
constexpr int dragTravel = 15;     // a move needs more than this along its axis...
constexpr int dragSlack = 24;      // ...while staying within this on the other axis
constexpr int fastestSpeed = 5;
constexpr double speedButtonRest = 0.1;
constexpr double speedKeyExtraRest = 0.2;
constexpr double okWaitRest = 0.001;

// A press on the board being followed, and the moves it has produced.
struct DragState {
    bool tracking = false;
    int startX = 0, startY = 0;
    bool moveLeft = false, moveRight = false, moveUp = false, moveDown = false;
};

// The drag of the level being played; the play loop resets it at every level start.
extern DragState dragState;

// True when Escape is down in the keyboard snapshot (never the live keyboard).
bool escapeDown();
// The zone of a point, by the rule of hotZones.
HotZone zoneAt(int x, int y);
// Reports the snapshot before the newest (one poll late), takes a new one, classifies the reported point.
void pollPointer();
void resetDrag();
void updateDrag();
void handleSpeedButton();
void waitForOk();
