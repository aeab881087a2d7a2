// The level-complete screen and the finale.
#pragma once

constexpr int captureFrame = 400;
constexpr int groupTextFrom = 400;   // the group text shows after this frame
constexpr int hintFrom = 800;        // the hint shows, and a click ends the screen, after this frame
constexpr int cardFrameCap = 1000;
constexpr int cardTintEvery = 20;
constexpr double levelCompleteRest = 0.01;
constexpr float levelCompleteGain = 0.6f;
constexpr int firstGroupSlot = 41;
constexpr int finaleSlot = 46;
constexpr float finaleGain = 0.9f;
constexpr int plateFromStep = 80;    // the plate shows once the walk step is above this
constexpr int escapeFromStep = 140;  // "ESC to wyjscie z gry" shows, and Escape counts, above this
constexpr int lastWalkStep = 1085;
constexpr int ticksPerStep = 15;
constexpr double tickSeconds = 0.01;
constexpr int bannerFramesPerPixel = 130;
constexpr int bannerWrap = 2100;
constexpr int sweepSteps = 512;
constexpr double sweepRest = 0.005;
constexpr const char* finaleEscapeText = "ESC to wyjscie z gry";

void levelCompleteScreen();
void finaleScreen();
