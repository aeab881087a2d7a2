// Test fixtures: a scratch working directory with the game's media, fresh records, the scripted layer.
#pragma once

#include <allegro5/allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/display.h"
#include "shell/script.h"

// Runs each test in its own scratch directory whose media/ links to the repository's files, so the
// progress file and the capture file the game writes never touch the repository.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Replaces one media file of the scratch directory by a copy the test may change or delete.
    std::string ownMediaFile(const std::string& relative);
    std::string dir;

private:
    std::string home;
};

// Every record, the drag and the scripted layer back at their process-start values.
void resetEverything();
// startUp, then the play screen of the given level composed, a capture taken and the level opened
// exactly as the level cycle opens it (reveal, scramble, counter).
void startAtLevel(int level);
// A 32-bit RGB value of the presented screen at (x, y).
unsigned screenPixel(int x, int y);
unsigned bitmapPixel(ALLEGRO_BITMAP* bitmap, int x, int y);
// A hash of the rectangle's pixels, to compare two pictures.
unsigned long long regionHash(ALLEGRO_BITMAP* bitmap, int x, int y, int w, int h);
// The primary button down at a point, for the mouse queue.
MouseSample pressAt(int x, int y);
MouseSample releaseAt(int x, int y);
bool fileExists(const std::string& path);
