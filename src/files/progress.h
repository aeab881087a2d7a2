// The progress file "media/data.txt": the level to play next (times 123) and the speed setting.
#pragma once

constexpr const char* progressFile = "media/data.txt";
constexpr int progressLevelFactor = 123;

// Sets level (1..25) and speed from the progress file, or to the defaults when there is none.
void loadProgress();
// Writes level and speed to the progress file, replacing it whole.
void saveProgress();
