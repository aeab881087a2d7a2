// The two start pages: the typed-out intro and the instructions, each ended with the OK button.
#pragma once

// Thirty bytes, the last a blank: it replaces text slot 10 and types out 390 pixels wide.
constexpr const char* creditLine = "Plexaro v1.5 - zespol Plexaro ";
constexpr int introLines = 10;
constexpr int introLineHeight = 25;
constexpr int typingPixelsPerByte = 13;
constexpr int typingSliceWidth = 5;
constexpr int introTextX = 250, introTextY = 200;
constexpr int fadeInSteps = 45;
constexpr int titleFromFadeStep = 41;
constexpr double fadeInRest = 0.05;
constexpr double typingRest = 0.001;
constexpr float introMusicGain = 0.4f;
constexpr int firstInstructionSlot = 20;
constexpr int instructionLines = 19;
constexpr int instructionX = 200, instructionY = 101, instructionPitch = 22;

void introScreen();
void instructionsScreen();
