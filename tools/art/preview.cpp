// Draws preview pictures of the play, intro, instructions, level-complete and finale screens from media/.
#include "preview.h"

#include "atlas.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace art {
namespace {

constexpr int previewLevel = 7;
constexpr int previewSpeed = 3;
constexpr int finaleWalkStep = 520;
constexpr int finaleBannerOffset = 1000;
// The game puts its own 30-character credit line into the tenth intro row; this stands in for it.
const char* const creditStandIn = "Plexaro - gra logiczna 2024   ";

using Grid = std::array<int, boardCells>;  // column-major, index 5 * c + r

// A goal of every kind of tile, mirrored like the game's own patterns.
Grid goalPattern() {
    const int rows[boardRows][boardColumns] = {
        {3, 3, 1, 1, 5, 1, 1, 3, 3}, {3, 0, 0, 2, 5, 2, 0, 0, 3}, {4, 4, 2, 5, 5, 5, 2, 4, 4},
        {3, 0, 0, 2, 5, 2, 0, 0, 3}, {3, 3, 1, 1, 5, 1, 1, 3, 3},
    };
    Grid g{};
    for (int c = 0; c < boardColumns; ++c)
        for (int r = 0; r < boardRows; ++r) g[5 * c + r] = rows[r][c];
    return g;
}

Grid scrambled(Grid g) {
    auto rowRight = [&](int r) {
        int last = g[5 * 8 + r];
        for (int c = 8; c > 0; --c) g[5 * c + r] = g[5 * (c - 1) + r];
        g[r] = last;
    };
    auto columnDown = [&](int c) {
        int last = g[5 * c + 4];
        for (int r = 4; r > 0; --r) g[5 * c + r] = g[5 * c + r - 1];
        g[5 * c] = last;
    };
    rowRight(1);
    rowRight(1);
    columnDown(4);
    rowRight(3);
    columnDown(7);
    columnDown(2);
    return g;
}

struct Media {
    ALLEGRO_BITMAP* atlas = nullptr;
    ALLEGRO_BITMAP* intro = nullptr;
    ALLEGRO_BITMAP* play = nullptr;
    ALLEGRO_BITMAP* foreground = nullptr;
    ALLEGRO_BITMAP* cursor = nullptr;
    ALLEGRO_FONT* regular20 = nullptr;
    ALLEGRO_FONT* bold18 = nullptr;
    ALLEGRO_FONT* bold20 = nullptr;
    ALLEGRO_FONT* regular24 = nullptr;
    std::vector<std::string> lines;

    bool complete() const {
        return atlas && intro && play && foreground && cursor && regular20 && bold18 && bold20 && regular24;
    }
    ~Media() {
        for (ALLEGRO_BITMAP* b : {atlas, intro, play, foreground, cursor})
            if (b) al_destroy_bitmap(b);
        for (ALLEGRO_FONT* f : {regular20, bold18, bold20, regular24})
            if (f) al_destroy_font(f);
    }
    const char* line(size_t slot) const { return slot < lines.size() ? lines[slot].c_str() : ""; }
};

ALLEGRO_BITMAP* loadMasked(const std::string& path) {
    ALLEGRO_BITMAP* b = al_load_bitmap(path.c_str());
    if (b) al_convert_mask_to_alpha(b, al_map_rgb(255, 0, 255));
    return b;
}

void loadMedia(Media& m, const std::string& dir) {
    m.atlas = loadMasked(dir + "/grafika/plx_abc.png");
    m.intro = al_load_bitmap((dir + "/grafika/plx_wstep.png").c_str());
    m.play = al_load_bitmap((dir + "/grafika/plx_tlo.png").c_str());
    m.foreground = loadMasked(dir + "/grafika/plx_tlo1.png");
    m.cursor = loadMasked(dir + "/grafika/plx_strzalka.png");
    m.regular20 = al_load_ttf_font((dir + "/verdana.ttf").c_str(), 20, 0);
    m.bold18 = al_load_ttf_font((dir + "/verdanab.ttf").c_str(), 18, 0);
    m.bold20 = al_load_ttf_font((dir + "/verdanab.ttf").c_str(), 20, 0);
    m.regular24 = al_load_ttf_font((dir + "/verdana.ttf").c_str(), 24, 0);
    std::ifstream in(dir + "/tekst.txt");
    for (std::string s; std::getline(in, s);) m.lines.push_back(s);
}

void sprite(const Media& m, Region r, int x, int y) { al_draw_bitmap_region(m.atlas, r.x, r.y, r.w, r.h, x, y, 0); }
void sprite(const Media& m, Region r, Point at) { sprite(m, r, at.x, at.y); }
void patch(const Media& m, Region r) { al_draw_bitmap_region(m.play, r.x, r.y, r.w, r.h, r.x, r.y, 0); }

ALLEGRO_COLOR col(int r, int g, int b) { return al_map_rgb(r, g, b); }

void playFurniture(const Media& m, int level) {
    al_draw_bitmap(m.play, 0, 0, 0);
    sprite(m, patternLabelPlate, patternLabelAt);
    al_draw_text(m.bold18, col(160, 160, 50), 350, 70, 0, "Wzór");
    sprite(m, titlePlate, titlePlateAt);
    sprite(m, exitButtonNormal, exitButtonAt);
    sprite(m, speedButtonNormal, speedButtonAt);
    al_draw_text(m.bold18, col(160, 160, 50), 14, 50, 0, "SPEED");
    al_draw_textf(m.bold18, col(60, 160, 160), 39, 90, 0, "%d", previewSpeed);
    patch(m, markRowPatch);
    for (int i = 0; i < 25; ++i) sprite(m, levelMarkOpen, 404 + 21 * i + 6 * (i / 5), 147);
    for (int i = 0; i < level; ++i) sprite(m, levelMarkDone, 405 + 21 * i + 6 * (i / 5), 148);
    al_draw_textf(m.bold18, col(66, 166, 166), 393 + 21 * level + 6 * (level / 5), 122, ALLEGRO_ALIGN_CENTRE, "%d", level);
    sprite(m, levelMarkCurrent, 384 + 21 * level + 6 * ((level - 1) / 5), 148);
}

void goal(const Media& m, const Grid& g) {
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) {
            Region t = tileSpriteWide(g[5 * c + r]);
            al_draw_bitmap_region(m.atlas, t.x, t.y, t.w, t.h, boardLeft + cellSize * c, boardTop + cellSize * r, 0);
            al_draw_scaled_bitmap(m.atlas, t.x, t.y, t.w, t.h, previewLeft + previewPitch * c, previewTop + previewPitch * r,
                                  previewCellSize, previewCellSize, 0);
        }
}

void board(const Media& m, const Grid& g) {
    for (int r = 0; r < boardRows; ++r)
        for (int c = 0; c < boardColumns; ++c) sprite(m, tileSprite(g[5 * c + r]), boardLeft + cellSize * c, boardTop + cellSize * r);
}

void counter(const Media& m, const Grid& goalGrid, const Grid& boardGrid) {
    int wrong = 0;
    for (int i = 0; i < boardCells; ++i) wrong += goalGrid[i] != boardGrid[i];
    patch(m, counterPatch);
    al_draw_textf(m.regular24, col(200, 200, 200), 210, 165, ALLEGRO_ALIGN_CENTRE, "%d", wrong);
}

ALLEGRO_BITMAP* newScreen() {
    ALLEGRO_BITMAP* b = al_create_bitmap(screenWidth, screenHeight);
    al_set_target_bitmap(b);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    return b;
}

bool saveAndFree(ALLEGRO_BITMAP* b, const std::string& path) {
    bool ok = al_save_bitmap(path.c_str(), b);
    if (!ok) std::fprintf(stderr, "plexaro-artgen: cannot write %s\n", path.c_str());
    al_destroy_bitmap(b);
    return ok;
}

bool playPreview(const Media& m, const std::string& out) {
    ALLEGRO_BITMAP* s = newScreen();
    Grid g = goalPattern(), b = scrambled(g);
    playFurniture(m, previewLevel);
    goal(m, g);
    board(m, b);
    counter(m, g, b);
    // The cursor where a player would be dragging a row.
    al_draw_bitmap(m.cursor, 430, 352, 0);
    return saveAndFree(s, out + "/play.png");
}

void okButton(const Media& m, Region state) { sprite(m, state, okButtonAt); }

bool introPreview(const Media& m, const std::string& out) {
    ALLEGRO_BITMAP* s = newScreen();
    al_draw_bitmap(m.intro, 0, 0, 0);
    sprite(m, introTitlePlate, introTitleAt);
    for (int k = 1; k <= 10; ++k) {
        const char* text = k == 10 ? creditStandIn : m.line(k);
        al_draw_text(m.regular20, col(200, 200, 80), 250, 200 + 25 * (k - 1), 0, text);
    }
    okButton(m, okButtonHover);
    al_draw_bitmap(m.cursor, 400, 566, 0);
    return saveAndFree(s, out + "/intro.png");
}

bool instructionsPreview(const Media& m, const std::string& out) {
    ALLEGRO_BITMAP* s = newScreen();
    al_draw_bitmap(m.intro, 0, 0, 0);
    for (int i = 0; i <= 18; ++i) al_draw_text(m.bold18, col(120, 180, 180), 200, 101 + 22 * i, 0, m.line(20 + i));
    okButton(m, okButtonNormal);
    return saveAndFree(s, out + "/instructions.png");
}

bool levelCompletePreview(const Media& m, const std::string& out) {
    ALLEGRO_BITMAP* s = newScreen();
    Grid g = goalPattern();
    playFurniture(m, previewLevel);
    goal(m, g);
    board(m, g);
    counter(m, g, g);
    patch(m, exitButtonPatch);
    sprite(m, levelDoneCard, levelDoneCardAt);
    al_draw_rectangle(59, 199, 962, 702, col(22, 200, 22), 2);
    sprite(m, levelDoneHint, levelDoneHintAt);
    patch(m, groupTextPatch);
    al_draw_text(m.bold18, col(20, 120, 120), 675, 95, ALLEGRO_ALIGN_CENTRE, m.line(41 + (previewLevel - 1) / 5));
    return saveAndFree(s, out + "/level-complete.png");
}

bool finalePreview(const Media& m, const std::string& out) {
    // The finale writes its line into the banner of the sprite sheet, outlined in black.
    al_set_target_bitmap(m.atlas);
    const char* text = m.line(46);
    for (auto [dx, dy] : std::array<std::pair<int, int>, 4>{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}})
        al_draw_text(m.bold20, col(0, 0, 0), 10 + dx, 360 + dy, 0, text);
    al_draw_text(m.bold20, col(44, 144, 166), 10, 360, 0, text);

    ALLEGRO_BITMAP* s = newScreen();
    al_draw_bitmap(m.play, 0, 0, 0);
    sprite(m, finalePlate, finalePlateAt);
    patch(m, finaleTextPatch);
    al_draw_text(m.bold18, col(144, 122, 34), 550, 300, ALLEGRO_ALIGN_CENTRE, "ESC to wyjscie z gry");
    patch(m, finaleGroundPatch);
    sprite(m, finaleFigure, finaleFigureRightX - finaleWalkStep, finaleFigureY);
    al_draw_bitmap(m.foreground, finaleForegroundAt.x, finaleForegroundAt.y, 0);
    sprite(m, finaleBanner, finaleBannerRightX - finaleBannerOffset, finaleBannerY);
    return saveAndFree(s, out + "/finale.png");
}

bool spriteSheetPreview(const Media& m, const std::string& out) {
    int w = al_get_bitmap_width(m.atlas), h = al_get_bitmap_height(m.atlas);
    ALLEGRO_BITMAP* s = al_create_bitmap(2 * w, 2 * h);
    al_set_target_bitmap(s);
    al_clear_to_color(al_map_rgb(40, 44, 56));
    al_draw_scaled_bitmap(m.atlas, 0, 0, w, h, 0, 0, 2 * w, 2 * h, 0);
    return saveAndFree(s, out + "/sprites-x2.png");
}

}  // namespace

bool writePreviews(const std::string& mediaDir, const std::string& outDir) {
    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    Media m;
    loadMedia(m, mediaDir);
    if (!m.complete()) {
        std::fprintf(stderr, "plexaro-artgen: %s is incomplete; generate it first\n", mediaDir.c_str());
        return false;
    }
    bool ok = playPreview(m, outDir);
    ok = introPreview(m, outDir) && ok;
    ok = instructionsPreview(m, outDir) && ok;
    ok = levelCompletePreview(m, outDir) && ok;
    ok = spriteSheetPreview(m, outDir) && ok;
    ok = finalePreview(m, outDir) && ok;  // last: it writes into the sprite sheet
    return ok;
}

}  // namespace art
