// Reading and writing the progress file "media/data.txt".
#include "progress.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "../shell/records.h"

static constexpr int missingFileSpeed = 2;
static constexpr int firstLevel = 1;
// A stored speed outside this range would freeze the shifts (huge rests) or is plainly damaged;
// such a value is refused and the current speed kept.
static constexpr int slowestStoredSpeed = 9;

static void readNumbers(std::ifstream& file)
{
    // A failed read leaves its variable alone and fails the stream, so every later read is skipped.
    int value = 0;
    if (file >> value) game.level = value;
    if (file >> value && value >= 0 && value <= slowestStoredSpeed) game.speed = value;
}

void loadProgress()
{
    std::ifstream file(progressFile);
    if (!file.good()) {
        game.level = firstLevel;
        game.speed = missingFileSpeed;
    } else {
        readNumbers(file);
    }
    game.level /= progressLevelFactor;
    if (game.level < firstLevel || game.level > levelCount) game.level = firstLevel;
}

void saveProgress()
{
    // Written beside the old file and renamed over it, so a failed write never loses the last progress.
    const std::string fresh = std::string(progressFile) + ".new";
    {
        std::ofstream file(fresh, std::ios::trunc);
        if (!file) return;
        file << game.level * progressLevelFactor << ' ' << game.speed << '\n' << std::flush;
        if (!file) {
            file.close();
            std::remove(fresh.c_str());
            return;
        }
    }
    if (std::rename(fresh.c_str(), progressFile) != 0) std::remove(fresh.c_str());
}
