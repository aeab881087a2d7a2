// libFuzzer target: any bytes as the progress file and the text file, and as a sequence of line shifts.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

#include "files/progress.h"
#include "files/textfile.h"
#include "puzzle/grid.h"
#include "shell/records.h"

static void writeFile(const char* path, const uint8_t* data, size_t size)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The shifts against a naive model: cell by cell, using the definitions of each move.
static void checkShifts(const uint8_t* data, size_t size)
{
    Grid grid{}, model{};
    for (int i = 0; i < 45; ++i) grid[i] = model[i] = i;
    for (size_t n = 0; n < size; ++n) {
        const int kind = data[n] % 4, line = data[n] / 4;
        Grid old = model;
        if (kind < 2) {
            const int c = line % 9;
            for (int r = 0; r < 5; ++r) model[cellIndex(c, r)] = old[cellIndex(c, (r + (kind == 0 ? 4 : 1)) % 5)];
            kind == 0 ? rotateColumnDown(grid, c) : rotateColumnUp(grid, c);
        } else {
            const int r = line % 5;
            for (int c = 0; c < 9; ++c) model[cellIndex(c, r)] = old[cellIndex((c + (kind == 2 ? 8 : 1)) % 9, r)];
            kind == 2 ? rotateRowRight(grid, r) : rotateRowLeft(grid, r);
        }
        if (grid != model) std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = false;
    if (!ready) {
        char dir[] = "/tmp/plexaro-fuzz-XXXXXX";
        if (!mkdtemp(dir) || chdir(dir) != 0 || mkdir("media", 0755) != 0) std::abort();
        ready = true;
    }
    writeFile(progressFile, data, size);
    game = GameState{};
    game.level = 1;
    loadProgress();
    if (game.level < 1 || game.level > 25 || game.speed < 0 || game.speed > 9) std::abort();

    writeFile("media/tekst.txt", data, size);
    loadTextLines();
    size_t stored = 0;
    for (const std::string& line : game.textLines) stored += line.size();
    if (stored > size) std::abort();

    checkShifts(data, size);
    return 0;
}
