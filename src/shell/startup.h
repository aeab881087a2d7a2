// Bringing the library, the window and every long-lived resource up, and taking most of them down.
#pragma once

constexpr const char* windowTitle = "Plexaro  v1.5  (Allegro5) 1024x768";
constexpr const char* clickFile = "media/ogg/s1.ogg";
constexpr int failedStartStatus = 1;

// Starts everything in its fixed order. A missing asset, a failed library set-up or a window that
// cannot be opened ends the process with a message on standard error and status 1; no sound device
// means silence.
void startUp();
// Destroys the nine bitmaps and the click, and deletes the capture file (the exit button's way out).
void shutdownGame();
