// Test fixtures: a scratch working directory with the game's media, fresh records, the scripted layer.
#include "harness.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "input/pointer.h"
#include "screens/capture.h"
#include "screens/playscreen.h"
#include "shell/game.h"
#include "shell/records.h"
#include "shell/startup.h"

namespace fs = std::filesystem;

static const char* const sourceDir = PLEXARO_SOURCE_DIR;

void GameTest::SetUp()
{
    home = fs::current_path().string();
    char pattern[] = "/tmp/plexaro-test-XXXXXX";
    dir = mkdtemp(pattern);
    fs::create_directory(dir + "/media");
    for (const auto& entry : fs::directory_iterator(std::string(sourceDir) + "/media")) {
        if (entry.path().filename() == "data.txt") continue;
        fs::create_symlink(entry.path(), dir + "/media/" + entry.path().filename().string());
    }
    fs::current_path(dir);
    resetEverything();
}

void GameTest::TearDown()
{
    fs::current_path(home);
    std::error_code ignored;
    fs::permissions(dir, fs::perms::owner_all, ignored);
    fs::remove_all(dir, ignored);
}

std::string GameTest::ownMediaFile(const std::string& relative)
{
    fs::path link = fs::path(dir) / relative;
    // Turn every linked directory on the way into a real one, so the copy does not land in the repository.
    fs::path walk = fs::path(dir) / "media";
    // Lexical, not fs::relative: that one follows the links and would lead back into the repository.
    fs::path rel = link.lexically_relative(walk);
    for (auto it = rel.begin(); std::next(it) != rel.end(); ++it) {
        fs::path next = walk / *it;
        if (fs::is_symlink(next)) {
            fs::path target = fs::read_symlink(next);
            fs::remove(next);
            fs::create_directory(next);
            for (const auto& entry : fs::directory_iterator(target))
                fs::create_symlink(entry.path(), next / entry.path().filename());
        }
        walk = next;
    }
    const std::string real = fs::weakly_canonical(link.parent_path()).string();
    if (real.rfind(fs::weakly_canonical(dir).string(), 0) != 0) {
        ADD_FAILURE() << relative << " would be written outside the scratch directory, at " << real;
        std::abort();
    }
    if (fs::is_symlink(link)) {
        fs::path target = fs::read_symlink(link);
        fs::remove(link);
        fs::copy_file(target, link);
    }
    return link.string();
}

void resetEverything()
{
    scriptReset();
    game = GameState{};
    resources = GameResources{};
    dragState = DragState{};
}

void startAtLevel(int level)
{
    startUp();
    buildPlayScreen();
    game.level = level;
    captureScreen();
    openLevel();
}

unsigned bitmapPixel(ALLEGRO_BITMAP* bitmap, int x, int y)
{
    unsigned char r, g, b;
    al_unmap_rgb(al_get_pixel(bitmap, x, y), &r, &g, &b);
    return (unsigned(r) << 16) | (unsigned(g) << 8) | b;
}

unsigned screenPixel(int x, int y) { return bitmapPixel(screenBitmap(), x, y); }

unsigned long long regionHash(ALLEGRO_BITMAP* bitmap, int x, int y, int w, int h)
{
    unsigned long long hash = 1469598103934665603ull;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) hash = (hash ^ bitmapPixel(bitmap, i, j)) * 1099511628211ull;
    return hash;
}

MouseSample pressAt(int x, int y) { return MouseSample{x, y, 1}; }
MouseSample releaseAt(int x, int y) { return MouseSample{x, y, 0}; }

bool fileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}
