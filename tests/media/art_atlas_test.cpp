// Checks the committed sprite sheet: every region the game reads holds its sprite, and the tiles stay apart.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "art_support.h"

using namespace arttest;

namespace {

class AtlasTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { atlas = new Picture(loadPicture(atlasFile)); }
    static void TearDownTestSuite() { delete atlas; }
    void SetUp() override { ASSERT_TRUE(atlas->loaded()) << atlasFile; }
    static Picture* atlas;
};
Picture* AtlasTest::atlas = nullptr;

struct NamedRegion {
    const char* name;
    Region r;
    double minOpaque;  // share of the rectangle the sprite must cover
    double maxOpaque;
};

// Every sprite the game draws from the sheet, with how much of its rectangle it must fill.
std::vector<NamedRegion> spriteTable() {
    std::vector<NamedRegion> t = {
        {"patternLabelPlate", patternLabelPlate, 0.9, 1.0},  {"titlePlate", titlePlate, 0.9, 1.0},
        {"introTitlePlate", introTitlePlate, 0.9, 1.0},      {"exitButtonNormal", exitButtonNormal, 0.7, 1.0},
        {"exitButtonHover", exitButtonHover, 0.7, 1.0},      {"speedButtonNormal", speedButtonNormal, 0.85, 1.0},
        {"speedButtonHover", speedButtonHover, 0.85, 1.0},   {"levelMarkOpen", levelMarkOpen, 0.3, 0.8},
        {"levelMarkDone", levelMarkDone, 0.6, 1.0},          {"levelMarkCurrent", levelMarkCurrent, 0.6, 1.0},
        {"okButtonNormal", okButtonNormal, 0.9, 1.0},        {"okButtonHover", okButtonHover, 0.9, 1.0},
        {"okButtonPressed", okButtonPressed, 0.9, 1.0},      {"levelDoneCard", levelDoneCard, 0.9, 1.0},
        {"levelDoneHint", levelDoneHint, 0.8, 1.0},          {"finaleFigure", finaleFigure, 0.15, 0.7},
        {"finaleBanner", finaleBanner, 0.95, 1.0},           {"finalePlate", finalePlate, 0.75, 1.0},
    };
    for (int v = 0; v < tileKinds; ++v) t.push_back({"tileSpriteWide", tileSpriteWide(v), 1.0, 1.0});
    return t;
}

bool intersects(Region a, Region b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST_F(AtlasTest, IsLargeEnoughForEveryRegion) {
    EXPECT_GE(atlas->w, atlasMinWidth);
    EXPECT_GE(atlas->h, atlasMinHeight);
    for (const NamedRegion& n : spriteTable()) {
        EXPECT_GE(n.r.x, 0) << n.name;
        EXPECT_GE(n.r.y, 0) << n.name;
        EXPECT_LE(n.r.x + n.r.w, atlas->w) << n.name;
        EXPECT_LE(n.r.y + n.r.h, atlas->h) << n.name;
    }
}

TEST_F(AtlasTest, EveryRegionShowsItsSprite) {
    for (const NamedRegion& n : spriteTable()) {
        double share = opaqueShare(*atlas, n.r);
        EXPECT_GE(share, n.minOpaque) << n.name << " is too empty";
        EXPECT_LE(share, n.maxOpaque) << n.name << " should have transparent surroundings";
    }
}

TEST_F(AtlasTest, SpritesThatTouchInTheTableDoNotShareRows) {
    // Only the two title plates read one picture on purpose; every other sprite needs its own pixels.
    std::vector<NamedRegion> t = spriteTable();
    for (size_t i = 0; i < t.size(); ++i)
        for (size_t j = i + 1; j < t.size(); ++j) {
            bool titles = std::string(t[i].name).find("itlePlate") != std::string::npos &&
                          std::string(t[j].name).find("itlePlate") != std::string::npos;
            bool tiles = std::string(t[i].name) == "tileSpriteWide" && std::string(t[j].name) == "tileSpriteWide";
            if (titles || tiles) continue;
            EXPECT_FALSE(intersects(t[i].r, t[j].r)) << t[i].name << " overlaps " << t[j].name;
        }
}

TEST_F(AtlasTest, FigureStandsFreeOfItsFrame) {
    // Magenta all round the walking figure, or a coloured edge would slide across the finale.
    Region r = finaleFigure;
    for (int x = r.x; x < r.x + r.w; ++x) {
        EXPECT_TRUE(isMask(atlas->at(x, r.y))) << "top row at x " << x;
        EXPECT_TRUE(isMask(atlas->at(x, r.y + r.h - 1))) << "bottom row at x " << x;
    }
    for (int y = r.y; y < r.y + r.h; ++y) {
        EXPECT_TRUE(isMask(atlas->at(r.x, y))) << "left column at y " << y;
        EXPECT_TRUE(isMask(atlas->at(r.x + r.w - 1, y))) << "right column at y " << y;
    }
}

TEST_F(AtlasTest, WideTileReadEndsInTheSameDarkGroutAsEveryTile) {
    // The extra column and row of the 101 x 101 read stay on screen at x 960 and y 700; they must
    // match the grout each tile starts with, so the board is framed evenly on all four sides.
    for (int v = 0; v < tileKinds; ++v) {
        Region t = tileSpriteWide(v);
        for (int y = t.y; y < t.y + t.h; ++y) {
            Rgb own = atlas->at(t.x, y), extra = atlas->at(t.x + tileSpriteSize, y);
            EXPECT_LT(luminance(own), 0.03) << "tile " << v << " left edge at y " << y;
            EXPECT_NEAR(own.r, extra.r, 2) << "tile " << v << " y " << y;
            EXPECT_NEAR(own.g, extra.g, 2) << "tile " << v << " y " << y;
            EXPECT_NEAR(own.b, extra.b, 2) << "tile " << v << " y " << y;
        }
        for (int x = t.x; x < t.x + t.w; ++x) {
            Rgb top = atlas->at(x, t.y), below = atlas->at(x, t.y + tileSpriteSize);
            EXPECT_LT(luminance(below), 0.03) << "tile " << v << " shadow row at x " << x;
            EXPECT_NEAR(top.g, below.g, 2) << "tile " << v << " x " << x;
        }
    }
}

TEST_F(AtlasTest, OpenMarksHideUnderDoneAndCurrentMarks) {
    // Open marks sit one pixel left of and above the others; no open pixel may peek out round them.
    for (Region lit : {levelMarkDone, levelMarkCurrent})
        for (int y = 0; y < levelMarkOpen.h; ++y)
            for (int x = 0; x < levelMarkOpen.w; ++x) {
                if (isMask(atlas->at(levelMarkOpen.x + x, levelMarkOpen.y + y))) continue;
                int lx = x - 1, ly = y - 1;
                bool covered = lx >= 0 && ly >= 0 && !isMask(atlas->at(lit.x + lx, lit.y + ly));
                EXPECT_TRUE(covered) << "open mark pixel (" << x << ", " << y << ") shows beside mark at " << lit.x
                                     << ", " << lit.y;
            }
}

double meanAbsDifference(const Picture& p, Region a, Region b) {
    double s = 0;
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            Rgb u = p.at(a.x + x, a.y + y), v = p.at(b.x + x, b.y + y);
            s += std::abs(u.r - v.r) + std::abs(u.g - v.g) + std::abs(u.b - v.b);
        }
    return s / (3.0 * a.w * a.h);
}

TEST_F(AtlasTest, ButtonStatesLookDifferent) {
    const std::vector<std::pair<Region, Region>> pairs = {
        {exitButtonNormal, exitButtonHover}, {speedButtonNormal, speedButtonHover}, {okButtonNormal, okButtonHover},
        {okButtonNormal, okButtonPressed},   {okButtonHover, okButtonPressed},      {levelMarkDone, levelMarkCurrent},
    };
    for (auto [a, b] : pairs) EXPECT_GT(meanAbsDifference(*atlas, a, b), 8.0) << a.x << "," << a.y << " vs " << b.x << "," << b.y;
}

struct TextSpot {
    const char* what;
    Region sprite;
    Region text;  // where the game writes on the sprite, relative to it
    Rgb color;
    double minContrast;
};

TEST_F(AtlasTest, TextTheGameWritesOnSpritesStaysReadable) {
    const TextSpot spots[] = {
        {"Wzór on its plate", patternLabelPlate, {20, 30, 48, 14}, {160, 160, 50}, 3.0},
        {"speed digit", speedButtonNormal, {11, 9, 12, 14}, {60, 160, 160}, 3.0},
        {"speed digit, hovered", speedButtonHover, {11, 9, 12, 14}, {88, 188, 188}, 3.0},
        {"finale line on the banner", finaleBanner, {10, 5, 480, 21}, {44, 144, 166}, 2.5},
    };
    for (const TextSpot& s : spots) {
        Region r{s.sprite.x + s.text.x, s.sprite.y + s.text.y, s.text.w, s.text.h};
        EXPECT_DOUBLE_EQ(opaqueShare(*atlas, r), 1.0) << s.what << ": text would fall on transparency";
        EXPECT_GE(contrast(meanColor(*atlas, r), s.color), s.minContrast) << s.what;
    }
}

// The tile as the goal preview shows it: the 101 x 101 read averaged down to 24 x 24.
struct Thumb {
    std::array<double, 24 * 24> lum{}, r{}, g{}, b{};
};

Thumb thumbnail(const Picture& p, Region t) {
    Thumb th;
    for (int j = 0; j < 24; ++j)
        for (int i = 0; i < 24; ++i) {
            double s[4] = {0, 0, 0, 0};
            int x0 = t.x + i * t.w / 24, x1 = t.x + (i + 1) * t.w / 24;
            int y0 = t.y + j * t.h / 24, y1 = t.y + (j + 1) * t.h / 24;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    Rgb c = p.at(x, y);
                    s[0] += c.r, s[1] += c.g, s[2] += c.b, s[3] += 1;
                }
            Rgb m{int(s[0] / s[3]), int(s[1] / s[3]), int(s[2] / s[3])};
            th.r[24 * j + i] = m.r, th.g[24 * j + i] = m.g, th.b[24 * j + i] = m.b;
            th.lum[24 * j + i] = 255.0 * luminance(m);
        }
    return th;
}

// The face of the tile in the thumbnail, where its symbol sits: the middle 14 x 14 of 24 x 24.
constexpr int faceFrom = 5, faceTo = 19;

double faceMean(const std::array<double, 576>& a) {
    double s = 0;
    for (int y = faceFrom; y < faceTo; ++y)
        for (int x = faceFrom; x < faceTo; ++x) s += a[24 * y + x];
    return s / ((faceTo - faceFrom) * (faceTo - faceFrom));
}

// The tile's own colour in the thumbnail: the band round the face, inside the grout and tray.
double bodyMean(const std::array<double, 576>& a) {
    double s = 0;
    int n = 0;
    for (int y = 3; y < 21; ++y)
        for (int x = 3; x < 21; ++x) {
            bool face = x >= faceFrom + 1 && x < faceTo - 1 && y >= faceFrom + 1 && y < faceTo - 1;
            if (face) continue;
            s += a[24 * y + x];
            ++n;
        }
    return s / n;
}

// Difference of the brightness patterns of the faces with each one's own mean and spread taken out:
// what is left is the shape of the symbol, which a player tells apart without telling colours apart.
double shapeDifference(const Thumb& a, const Thumb& b) {
    auto normalised = [](const std::array<double, 576>& v) {
        double m = faceMean(v), var = 0;
        std::vector<double> out;
        for (int y = faceFrom; y < faceTo; ++y)
            for (int x = faceFrom; x < faceTo; ++x) var += (v[24 * y + x] - m) * (v[24 * y + x] - m);
        double sd = std::sqrt(var / ((faceTo - faceFrom) * (faceTo - faceFrom)));
        for (int y = faceFrom; y < faceTo; ++y)
            for (int x = faceFrom; x < faceTo; ++x) out.push_back((v[24 * y + x] - m) / sd);
        return out;
    };
    auto na = normalised(a.lum), nb = normalised(b.lum);
    double s = 0;
    for (size_t i = 0; i < na.size(); ++i) s += std::fabs(na[i] - nb[i]);
    return s / na.size();
}

TEST_F(AtlasTest, TilesStayDistinctAtPreviewSize) {
    std::vector<Thumb> thumbs;
    for (int v = 0; v < tileKinds; ++v) thumbs.push_back(thumbnail(*atlas, tileSpriteWide(v)));
    for (int a = 0; a < tileKinds; ++a)
        for (int b = a + 1; b < tileKinds; ++b) {
            const Thumb &ta = thumbs[a], &tb = thumbs[b];
            double dr = bodyMean(ta.r) - bodyMean(tb.r), dg = bodyMean(ta.g) - bodyMean(tb.g);
            double db = bodyMean(ta.b) - bodyMean(tb.b);
            double colour = std::sqrt(dr * dr + dg * dg + db * db);
            double brightness = std::fabs(bodyMean(ta.lum) - bodyMean(tb.lum));
            double shape = shapeDifference(ta, tb);
            if (std::getenv("ART_TILE_METRICS"))
                std::printf("tiles %d %d: colour %.1f brightness %.1f shape %.2f\n", a, b, colour, brightness, shape);
            EXPECT_GT(colour, 60.0) << "tiles " << a << " and " << b << " colour";
            EXPECT_GT(brightness, 10.0) << "tiles " << a << " and " << b << " brightness";
            EXPECT_GT(shape, 0.30) << "tiles " << a << " and " << b << " symbol";
        }
}

}  // namespace
