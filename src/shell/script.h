// Control of the scripted display-and-input layer: no window, scripted input, a virtual clock.
//
// Tests play the real game code through it frame-exact: input comes from queues (one entry per
// snapshot) or from timelines (by virtual time), every rest advances the clock, every present is
// counted and can be inspected through screenBitmap().
#pragma once

#include <ctime>
#include <functional>
#include <vector>

struct MouseSample {
    int x = 0, y = 0, buttons = 0;
};

// Thrown by the layer to stop a run that went past its limits; a scripted test ends a game this way.
struct ScriptStop {
    const char* why;
};

// Back to time 0, no input, no counters, calendar time 0, present cost 0, default limits.
void scriptReset();
void scriptSetCalendar(std::time_t seconds);
// Virtual seconds each present costs (the real flip is not free).
void scriptSetPresentCost(double seconds);
// Makes the next window fail to open.
void scriptFailWindow(bool fail);
// Stops the run (throws ScriptStop) once this many presents or input reads have happened.
void scriptSetLimits(int presents, int reads);

// Mouse: each snapshot takes the next queued sample; with the queue empty, the timeline's latest
// sample at or before the virtual time; with neither, the last sample given.
void scriptQueueMouse(MouseSample sample);
void scriptMouseFrom(double time, MouseSample sample);
// Keyboard: the same for the set of keys held down (Allegro key codes).
void scriptQueueKeys(std::vector<int> keys);
void scriptKeysFrom(double time, std::vector<int> keys);

// Called after every present with the number of presents so far.
void scriptOnPresent(std::function<void(int)> hook);
// Called at every mouse snapshot, before the sample is chosen; lets a test steer input by state.
void scriptOnMouseRead(std::function<void(int)> hook);

int scriptPresents();
int scriptMouseReads();
int scriptKeyboardReads();
double scriptClock();
const std::vector<double>& scriptRests();
bool scriptCursorSet();
bool scriptCursorHidden();
const char* scriptWindowTitle();
