// The scripted display-and-input layer: memory-bitmap screen, scripted input, virtual clock.
#include <map>
#include <string>
#include <utility>

#include "display.h"
#include "script.h"

namespace {
struct Script {
    double clock = 0;
    double presentCost = 0;
    std::time_t calendar = 0;
    bool failWindow = false;
    // Far above what any scripted stretch of the game needs, so a faulty loop fails fast instead of hanging.
    int presentLimit = 100000, readLimit = 1000000;
    int presents = 0, mouseReads = 0, keyboardReads = 0;
    std::vector<double> rests;
    std::vector<MouseSample> mouseQueue;
    std::multimap<double, MouseSample> mouseTimeline;
    MouseSample lastMouse;
    std::vector<std::vector<int>> keyQueue;
    std::multimap<double, std::vector<int>> keyTimeline;
    std::vector<int> lastKeys;
    std::function<void(int)> onPresent, onMouseRead;
    bool cursorSet = false, cursorHidden = false;
    std::string title;
};
Script script;
ALLEGRO_BITMAP* screen = nullptr;
ALLEGRO_DISPLAY* const noWindow = reinterpret_cast<ALLEGRO_DISPLAY*>(&script);

template <typename T>
T latestAt(const std::multimap<double, T>& timeline, double now, const T& fallback)
{
    auto after = timeline.upper_bound(now);
    if (after == timeline.begin()) return fallback;
    return std::prev(after)->second;
}

void countRead()
{
    if (script.mouseReads + script.keyboardReads > script.readLimit) throw ScriptStop{"input read limit"};
}
}  // namespace

void scriptReset()
{
    script = Script{};
}
void scriptSetCalendar(std::time_t seconds) { script.calendar = seconds; }
void scriptSetPresentCost(double seconds) { script.presentCost = seconds; }
void scriptFailWindow(bool fail) { script.failWindow = fail; }
void scriptSetLimits(int presents, int reads)
{
    script.presentLimit = presents;
    script.readLimit = reads;
}
void scriptQueueMouse(MouseSample sample) { script.mouseQueue.push_back(sample); }
void scriptMouseFrom(double time, MouseSample sample) { script.mouseTimeline.emplace(time, sample); }
void scriptQueueKeys(std::vector<int> keys) { script.keyQueue.push_back(std::move(keys)); }
void scriptKeysFrom(double time, std::vector<int> keys) { script.keyTimeline.emplace(time, std::move(keys)); }
void scriptOnPresent(std::function<void(int)> hook) { script.onPresent = std::move(hook); }
void scriptOnMouseRead(std::function<void(int)> hook) { script.onMouseRead = std::move(hook); }
int scriptPresents() { return script.presents; }
int scriptMouseReads() { return script.mouseReads; }
int scriptKeyboardReads() { return script.keyboardReads; }
double scriptClock() { return script.clock; }
const std::vector<double>& scriptRests() { return script.rests; }
bool scriptCursorSet() { return script.cursorSet; }
bool scriptCursorHidden() { return script.cursorHidden; }
const char* scriptWindowTitle() { return script.title.c_str(); }

void installInput() {}

ALLEGRO_DISPLAY* openWindow(int width, int height)
{
    if (script.failWindow) return nullptr;
    if (screen) al_destroy_bitmap(screen);
    // With no display every new bitmap is a memory bitmap, the screen included.
    screen = al_create_bitmap(width, height);
    ALLEGRO_BITMAP* previous = al_get_target_bitmap();
    al_set_target_bitmap(screen);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_set_target_bitmap(previous);
    return noWindow;
}

void setWindowTitle(const char* title) { script.title = title; }
void setWindowCursor(ALLEGRO_BITMAP* picture, int, int) { script.cursorSet = picture != nullptr; }
void hideWindowCursor() { script.cursorHidden = true; }

ALLEGRO_BITMAP* screenBitmap() { return screen; }
void selectScreen() { al_set_target_bitmap(screen); }

void presentScreen()
{
    ++script.presents;
    script.clock += script.presentCost;
    if (script.onPresent) script.onPresent(script.presents);
    if (script.presents > script.presentLimit) throw ScriptStop{"present limit"};
}

void restFor(double seconds)
{
    script.rests.push_back(seconds);
    if (seconds > 0) script.clock += seconds;
}

double clockSeconds() { return script.clock; }
std::time_t calendarTime() { return script.calendar; }

void readKeyboard(ALLEGRO_KEYBOARD_STATE* state)
{
    ++script.keyboardReads;
    countRead();
    if (!script.keyQueue.empty()) {
        script.lastKeys = script.keyQueue.front();
        script.keyQueue.erase(script.keyQueue.begin());
    } else {
        script.lastKeys = latestAt(script.keyTimeline, script.clock, script.lastKeys);
    }
    *state = ALLEGRO_KEYBOARD_STATE{};
    // The same bit layout al_key_down reads.
    for (int key : script.lastKeys) state->__key_down__internal__[key / 32] |= 1u << (key % 32);
}

void readMouse(ALLEGRO_MOUSE_STATE* state)
{
    ++script.mouseReads;
    countRead();
    if (script.onMouseRead) script.onMouseRead(script.mouseReads);
    if (!script.mouseQueue.empty()) {
        script.lastMouse = script.mouseQueue.front();
        script.mouseQueue.erase(script.mouseQueue.begin());
    } else {
        script.lastMouse = latestAt(script.mouseTimeline, script.clock, script.lastMouse);
    }
    *state = ALLEGRO_MOUSE_STATE{};
    state->x = script.lastMouse.x;
    state->y = script.lastMouse.y;
    state->buttons = script.lastMouse.buttons;
}
