// Checks the committed pictures as files: sizes, opacity, mask colour, no gamma chunk, calm text areas, determinism.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "art_support.h"

using namespace arttest;

namespace {

const char* const allPictures[] = {atlasFile, introBackgroundFile, playBackgroundFile, finaleForegroundFile, cursorFile};

TEST(MediaFilesTest, PngsCarryNoGammaChunk) {
    // Allegro's loader would shift every colour of a file with gAMA, the mask colour included.
    for (const char* path : allPictures) {
        std::vector<std::string> chunks = pngChunks(path);
        ASSERT_FALSE(chunks.empty()) << path << " is not a PNG";
        EXPECT_EQ(chunks.front(), "IHDR") << path;
        EXPECT_EQ(chunks.back(), "IEND") << path;
        for (const std::string& c : chunks) {
            EXPECT_NE(c, "gAMA") << path;
            EXPECT_NE(c, "sRGB") << path;
            EXPECT_NE(c, "iCCP") << path;
        }
    }
}

TEST(MediaFilesTest, FullScreenPicturesAreScreenSized) {
    for (const char* path : {introBackgroundFile, playBackgroundFile, finaleForegroundFile}) {
        Picture p = loadPicture(path);
        ASSERT_TRUE(p.loaded()) << path;
        EXPECT_EQ(p.w, screenWidth) << path;
        EXPECT_EQ(p.h, screenHeight) << path;
    }
}

TEST(MediaFilesTest, BackgroundsAndSheetAreOpaque) {
    // Transparency comes only from the mask colour; a translucent pixel would blend with stale screen contents.
    for (const char* path : allPictures) {
        Picture p = loadPicture(path);
        ASSERT_TRUE(p.loaded()) << path;
        int translucent = 0;
        for (int y = 0; y < p.h; ++y)
            for (int x = 0; x < p.w; ++x) translucent += p.alpha(x, y) != 255;
        EXPECT_EQ(translucent, 0) << path;
    }
}

TEST(MediaFilesTest, BackgroundsHaveNoMaskColour) {
    for (const char* path : {introBackgroundFile, playBackgroundFile}) {
        Picture p = loadPicture(path);
        ASSERT_TRUE(p.loaded()) << path;
        EXPECT_DOUBLE_EQ(opaqueShare(p, {0, 0, p.w, p.h}), 1.0) << path;
    }
}

TEST(MediaFilesTest, FinaleForegroundLetsTheWalkShowThrough) {
    Picture p = loadPicture(finaleForegroundFile);
    ASSERT_TRUE(p.loaded());
    // The figure walks in the rows just below where the foreground is drawn; most of them must be clear,
    // while the bottom of what is on screen is covered by the foreground's own picture.
    const int figureRows = 60, onScreenRows = screenHeight - finaleForegroundAt.y;
    EXPECT_LT(opaqueShare(p, {0, 0, p.w, figureRows}), 0.1);
    EXPECT_GT(opaqueShare(p, {0, onScreenRows - 60, p.w, 60}), 0.9);
}

TEST(MediaFilesTest, CursorHasASolidTipAndAMaskedSurround) {
    Picture p = loadPicture(cursorFile);
    ASSERT_TRUE(p.loaded());
    EXPECT_GE(p.w, 16);
    EXPECT_GE(p.h, 16);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_FALSE(isMask(p.at(x, y))) << "tip pixel " << x << "," << y;
    EXPECT_TRUE(isMask(p.at(p.w - 1, 0)));
    EXPECT_TRUE(isMask(p.at(p.w - 1, p.h - 1)));
    double share = opaqueShare(p, {0, 0, p.w, p.h});
    EXPECT_GT(share, 0.1);
    EXPECT_LT(share, 0.6);
}

struct CalmSpot {
    const char* what;
    const char* file;
    Region area;
    Rgb text;
};

// Where the game's letters land on a background (the ink, not the whole patch): dark, even, and in
// contrast with the text colour.
const CalmSpot calmSpots[] = {
    {"intro lines", introBackgroundFile, {250, 200, 600, 250}, {200, 200, 80}},
    {"instruction lines", introBackgroundFile, {200, 101, 800, 418}, {120, 180, 180}},
    {"SPEED label", playBackgroundFile, {14, 50, 66, 22}, {160, 160, 50}},
    {"remaining-cells counter", playBackgroundFile, {186, 168, 48, 22}, {200, 200, 200}},
    {"level-group text", playBackgroundFile, {456, 98, 488, 22}, {20, 120, 120}},
    {"level number", playBackgroundFile, {404, 126, 556, 14}, {66, 166, 166}},
    {"finale Escape line", playBackgroundFile, {440, 300, 220, 22}, {144, 122, 34}},
};

TEST(MediaFilesTest, TextAreasOfTheBackgroundsAreCalm) {
    for (const CalmSpot& s : calmSpots) {
        Picture p = loadPicture(s.file);
        ASSERT_TRUE(p.loaded()) << s.file;
        Rgb m = meanColor(p, s.area);
        EXPECT_GE(contrast(m, s.text), 3.0) << s.what;
        double brightest = 0;
        for (int y = s.area.y; y < s.area.y + s.area.h; ++y)
            for (int x = s.area.x; x < s.area.x + s.area.w; ++x) brightest = std::max(brightest, luminance(p.at(x, y)));
        EXPECT_LT(brightest, 0.12) << s.what << ": a bright spot would break up the letters";
    }
}

std::string makeTempDir() {
    char tmpl[] = "/tmp/plexaro-art-XXXXXX";
    const char* d = mkdtemp(tmpl);
    return d ? d : "";
}

TEST(MediaFilesTest, GeneratorRebuildsTheCommittedMediaByteForByte) {
    const std::string first = makeTempDir(), second = makeTempDir();
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    for (const std::string& dir : {first, second}) {
        std::string cmd = std::string("'") + PLEXARO_ARTGEN + "' '" + dir + "/media' > /dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    const std::vector<std::string> generated = {atlasFile,     introBackgroundFile, playBackgroundFile,
                                                finaleForegroundFile, cursorFile,   textFile,
                                                regularFontFile, boldFontFile,      "media/FONTS-LICENSE.txt"};
    for (const std::string& path : generated) {
        std::string committed = readFile(path);
        ASSERT_FALSE(committed.empty()) << path;
        EXPECT_TRUE(readFile(first + "/" + path) == readFile(second + "/" + path)) << path << " differs between runs";
        EXPECT_TRUE(readFile(first + "/" + path) == committed) << path << " differs from the committed file";
    }
    std::system(("rm -rf '" + first + "' '" + second + "'").c_str());
}

}  // namespace
