// Paints the night scene behind the board, the intro page, the railing and bushes of the finale and the cursor.
#include "scenes.h"

#include "atlas.h"
#include "palette.h"
#include "tiles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {
namespace {

namespace pal = palette;

constexpr int W = screenWidth, H = screenHeight;
constexpr float horizonY = 560.0f;  // where the sky meets the far hills
constexpr float pathTop = 598.0f;   // the walkway the finale's figure treads, feet near y 612
constexpr float pathBottom = 632.0f;
constexpr uint32_t starSeed = 0x51a7u, hillSeed = 0x4111u, nebulaSeed = 0x0e6au, stoneSeed = 0x5707u, bushSeed = 0xb054u;

struct Rect {
    float x0, y0, x1, y1;
    bool contains(float x, float y, float margin) const {
        return x >= x0 - margin && x < x1 + margin && y >= y0 - margin && y < y1 + margin;
    }
};

Rect rectOf(Region r) { return {float(r.x), float(r.y), float(r.x + r.w), float(r.y + r.h)}; }

void sky(Image& img, float top, float bottom, uint32_t seed) {
    const Color zenith = rgb(6, 8, 22), low = rgb(24, 40, 74);
    for (int y = 0; y < img.h; ++y) {
        float t = clamp01((y - top) / (bottom - top));
        Color base = mix(zenith, low, t * t);
        for (int x = 0; x < img.w; ++x) {
            // Faint clouds of teal and violet light, strongest towards the horizon.
            float n = fractalNoise(x / 260.0f, y / 170.0f, seed, 4);
            float m = fractalNoise(x / 140.0f + 7.0f, y / 120.0f, seed + 17, 3);
            Color c = mix(base, rgb(40, 92, 112), smoothstep(0.52f, 0.85f, n) * 0.28f * (0.4f + t));
            c = mix(c, rgb(70, 44, 110), smoothstep(0.55f, 0.9f, m) * 0.20f * (0.3f + t));
            img.blend(x, y, c, 1.0f);
        }
    }
}

void stars(Image& img, int count, float maxY, const std::vector<Rect>& keepClear, uint32_t seed) {
    Random rnd(seed);
    for (int i = 0; i < count; ++i) {
        float x = rnd.range(0, float(img.w)), y = rnd.range(0, maxY);
        float bright = rnd.unit();
        bright = bright * bright;
        Color c = mix(rgb(170, 190, 255), rgb(255, 236, 200), rnd.unit());
        bool clear = true;
        for (const Rect& r : keepClear) clear = clear && !r.contains(x, y, 6.0f);
        if (!clear) continue;
        float size = 0.6f + 1.3f * bright;
        for (int j = -4; j <= 4; ++j)
            for (int k = -4; k <= 4; ++k) {
                int px = int(x) + k, py = int(y) + j;
                float dx = px + 0.5f - x, dy = py + 0.5f - y;
                float core = std::exp(-(dx * dx + dy * dy) / (size * size));
                // The brightest ones get a little cross of light.
                float rays = bright > 0.7f ? 0.35f * std::exp(-std::fabs(dx) * 1.6f - dy * dy * 2.0f) +
                                                 0.35f * std::exp(-std::fabs(dy) * 1.6f - dx * dx * 2.0f)
                                           : 0.0f;
                img.blend(px, py, c, clamp01((core + rays) * (0.35f + 0.65f * bright)));
            }
    }
}

void moon(Image& img, Vec c, float r) {
    for (int y = int(c.y - 4 * r); y < int(c.y + 4 * r); ++y)
        for (int x = int(c.x - 4 * r); x < int(c.x + 4 * r); ++x) {
            if (!img.inside(x, y)) continue;
            Vec p{x + 0.5f, y + 0.5f};
            float d = sdf::circle(p, c, r);
            float halo = std::exp(-std::max(0.0f, d) / (r * 0.9f)) * 0.22f;
            img.blend(x, y, rgb(150, 190, 220), halo);
            float cov = coverage(d);
            if (cov <= 0) continue;
            float spots = fractalNoise(p.x / 14.0f, p.y / 14.0f, 0x300u, 3);
            Color face = mix(rgb(250, 246, 226), rgb(200, 206, 214), smoothstep(0.45f, 0.75f, spots));
            face = mix(face, rgb(150, 160, 180), clamp01((p.x - c.x + p.y - c.y) / (2.6f * r) + 0.2f) * 0.5f);
            img.blend(x, y, face, cov);
        }
}

// A ridge line: y of the hill top at x.
float ridge(float x, float base, float amp, float scale, uint32_t seed) {
    return base - amp * fractalNoise(x / scale, 0.5f, seed, 4);
}

void hills(Image& img) {
    struct Layer {
        float base, amp, scale;
        Color top, bottom;
    };
    const Layer layers[] = {
        {horizonY + 10, 70, 190, rgb(30, 46, 80), rgb(20, 30, 56)},
        {horizonY + 36, 46, 120, rgb(20, 32, 58), rgb(12, 20, 38)},
    };
    uint32_t seed = hillSeed;
    for (const Layer& l : layers) {
        for (int x = 0; x < img.w; ++x) {
            float top = ridge(float(x), l.base, l.amp, l.scale, seed);
            for (int y = std::max(0, int(top) - 1); y < img.h; ++y) {
                float cov = clamp01(y + 1.0f - top);
                float t = clamp01((y - top) / 80.0f);
                Color c = mix(l.top, l.bottom, t);
                // Moonlight catches the ridge.
                c = mix(c, rgb(90, 120, 160), clamp01(1.0f - (y - top) / 3.0f) * 0.35f);
                img.blend(x, y, c, cov);
            }
        }
        seed += 31;
    }
}

void walkway(Image& img) {
    for (int y = int(pathTop) - 2; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float fy = y + 0.5f;
            if (fy < pathTop) continue;
            Color c;
            if (fy < pathBottom) {
                // Flagstones: a grey-blue walk with joints every 46 pixels and a lit front edge.
                float t = (fy - pathTop) / (pathBottom - pathTop);
                c = mix(rgb(70, 76, 100), rgb(44, 48, 68), t);
                float n = fractalNoise(x / 9.0f, y / 5.0f, stoneSeed, 3);
                c = mix(c, rgb(30, 32, 46), smoothstep(0.55f, 0.8f, n) * 0.4f);
                float joint = std::fmod(x + 23.0f * (fy > (pathTop + pathBottom) * 0.5f ? 1.0f : 0.0f), 46.0f);
                if (joint < 1.2f) c = mix(c, rgb(22, 24, 36), 0.7f);
                if (std::fabs(fy - (pathTop + pathBottom) * 0.5f) < 0.6f) c = mix(c, rgb(26, 28, 40), 0.6f);
                if (fy < pathTop + 1.5f) c = mix(c, rgb(120, 130, 160), 0.5f);
            } else {
                // Dark lawn below the walk.
                float t = clamp01((fy - pathBottom) / 140.0f);
                c = mix(rgb(16, 38, 40), rgb(6, 16, 20), t);
                float n = fractalNoise(x / 4.0f, y / 11.0f, stoneSeed + 5, 3);
                c = mix(c, rgb(28, 60, 56), smoothstep(0.5f, 0.85f, n) * 0.35f);
            }
            img.blend(x, y, c, 1.0f);
        }
}

// A recessed well with a thin brass lip, painted into the backdrop behind a piece of the display.
void well(Image& img, Rect r, float radius, Color face) {
    Vec c{(r.x0 + r.x1) * 0.5f, (r.y0 + r.y1) * 0.5f}, half{(r.x1 - r.x0) * 0.5f, (r.y1 - r.y0) * 0.5f};
    auto f = [&](Vec p) { return sdf::box(p, c, half, radius); };
    for (int y = int(r.y0) - 3; y < int(r.y1) + 3; ++y)
        for (int x = int(r.x0) - 3; x < int(r.x1) + 3; ++x) {
            if (!img.inside(x, y)) continue;
            Vec p{x + 0.5f, y + 0.5f};
            float d = f(p);
            // Lip: brass, lit on the lower right because the well is sunk into the surface.
            float lip = coverage(d - 1.6f) - coverage(d);
            if (lip > 0) {
                Vec g = gradientOf(f, p);
                float lit = clamp01(0.5f + 0.5f * (g.x * 0.6f + g.y * 0.8f));
                img.blend(x, y, mix(pal::brassDark, pal::brass, lit), lip * 0.9f);
            }
            float cov = coverage(d);
            if (cov <= 0) continue;
            float inner = clamp01(-d / 7.0f);
            Color col = mix(pal::inkBlack, face, inner);
            // Inner shadow under the upper edge.
            float topShade = clamp01(1.0f - (p.y - r.y0) / 8.0f) * 0.6f;
            img.blend(x, y, mix(col, pal::inkBlack, topShade), cov);
        }
}

// A band of dark glass across the top that holds the goal, the counter, the marks and the buttons.
constexpr float dashboardBottom = 197.0f;
void dashboard(Image& img) {
    for (int y = 0; y < int(dashboardBottom) + 8; ++y)
        for (int x = 0; x < img.w; ++x) {
            float fy = y + 0.5f;
            if (fy < dashboardBottom) {
                float t = fy / dashboardBottom;
                img.blend(x, y, mix(rgb(10, 14, 30), rgb(6, 9, 20), t), 0.72f);
                if (fy > dashboardBottom - 2.0f) img.blend(x, y, mix(pal::brass, pal::brassDark, 0.3f), 0.85f);
                else if (fy > dashboardBottom - 3.0f) img.blend(x, y, pal::brassLight, 0.35f);
            } else {
                img.blend(x, y, pal::inkBlack, 0.5f * (1.0f - (fy - dashboardBottom) / 8.0f));  // its shadow
            }
        }
}

void label(Image& img, ALLEGRO_FONT* font, const char* text, float rightX, float cy, Color c) {
    Mask m = textMask(font, text, 2);
    int x = int(std::lround(rightX - m.w + 2)), y = int(std::lround(cy - m.h * 0.5f));
    paintMask(img, blur(shifted(m, 1, 1), 1), x, y, pal::inkBlack, 0.8f);
    paintMask(img, m, x, y, c);
}

}  // namespace

Image playBackground(Fonts& fonts) {
    Image img(W, H);
    sky(img, 0, horizonY + 40, nebulaSeed);
    // Stars stay away from everything the game writes or restores on the sky.
    std::vector<Rect> clear = {rectOf(counterPatch), rectOf(groupTextPatch), rectOf(markRowPatch), {10, 44, 90, 126},
                               rectOf(finaleTextPatch), {88, 9, 330, 150}, {650, 8, 922, 98}, rectOf(exitButtonPatch)};
    stars(img, 260, horizonY, clear, starSeed);
    moon(img, {842, 318}, 30);
    hills(img);
    walkway(img);

    dashboard(img);
    // Header furniture: the preview tray, the counter well, the message slot, the mark trough, the speed nook.
    well(img, {91, 12, 325, 146}, 8, rgb(16, 22, 40));
    well(img, {178, 157, 242, 193}, 9, rgb(20, 28, 50));
    well(img, {452, 96, 948, 124}, 10, rgb(12, 18, 32));
    well(img, {398, 143, 961, 174}, 14, rgb(18, 26, 46));
    well(img, {8, 46, 84, 128}, 10, rgb(18, 26, 46));
    label(img, fonts.bold(13), "Błędne pola:", 172, 179, pal::brass);
    return img;
}

Image introBackground(Fonts& fonts) {
    (void)fonts;
    Image img(W, H);
    sky(img, 0, 700, nebulaSeed + 3);
    std::vector<Rect> clear = {{180, 88, 1010, 532}, {186, 58, 456, 146}, {340, 540, 480, 592}};
    stars(img, 320, 700, clear, starSeed + 9);
    hills(img);
    walkway(img);

    // The text panel: dark glass over the sky, where the intro is typed and the instructions stand.
    Rect panelRect{180, 88, 1010, 532};
    Vec c{(panelRect.x0 + panelRect.x1) * 0.5f, (panelRect.y0 + panelRect.y1) * 0.5f};
    Vec half{(panelRect.x1 - panelRect.x0) * 0.5f, (panelRect.y1 - panelRect.y0) * 0.5f};
    auto f = [&](Vec p) { return sdf::box(p, c, half, 22); };
    for (int y = 70; y < 550; ++y)
        for (int x = 160; x < 1024; ++x) {
            Vec p{x + 0.5f, y + 0.5f};
            float d = f(p);
            img.blend(x, y, pal::inkBlack, 0.45f * smoothstep(14.0f, -4.0f, d - 6.0f));  // soft shadow
            float rim = coverage(d) - coverage(d + 2.0f);
            img.blend(x, y, mix(pal::brassLight, pal::brassDark, (p.y - 88) / 444.0f), rim * 0.85f);
            float cov = coverage(d + 2.0f);
            if (cov <= 0) continue;
            float v = (p.y - 88) / 444.0f;
            Color face = mix(rgb(14, 20, 40), rgb(8, 11, 24), v);
            img.blend(x, y, face, cov * 0.92f);
        }

    // A column of the six gems down the left edge, each lying in its own little tray.
    const int gem = 64, pitch = 80, x0 = 58;
    for (int k = 0; k < 6; ++k) {
        int y0 = 120 + k * pitch;
        well(img, {float(x0 - 6), float(y0 - 6), float(x0 + gem + 6), float(y0 + gem + 6)}, 14, rgb(20, 28, 50));
        drawOver(img, renderGem(k, gem), x0, y0);
    }
    return img;
}

Image finaleForeground() {
    Image img(W, H);
    // Local y 0 lands on screen y 474; the figure's feet are near local y 138. Only the top rows are on screen.
    const int hiddenBelow = screenHeight - finaleForegroundAt.y + 6;
    const float railTop = 94, railMid = 120, postTop = 86, postBottom = 156;
    const Color iron = rgb(26, 30, 44), ironLit = rgb(96, 108, 140);
    auto rails = [&](Vec p) {
        float top = sdf::box(p, {W * 0.5f, railTop}, {W * 0.5f + 10, 3.0f}, 1.5f);
        float mid = sdf::box(p, {W * 0.5f, railMid}, {W * 0.5f + 10, 2.0f}, 1.0f);
        float d = std::min(top, mid);
        for (float x = 40; x < W; x += 128) {
            d = std::min(d, sdf::box(p, {x, (postTop + postBottom) * 0.5f}, {5.0f, (postBottom - postTop) * 0.5f}, 1.5f));
            d = std::min(d, sdf::circle(p, {x, postTop - 3}, 6.5f));
            // Thin balusters between the posts.
            for (float b = x + 32; b < x + 128 - 16; b += 32)
                d = std::min(d, sdf::box(p, {b, (railTop + railMid) * 0.5f + 6}, {1.6f, (railMid - railTop) * 0.5f + 6}, 0.8f));
        }
        return d;
    };
    for (int y = 60; y < 170; ++y)
        for (int x = 0; x < W; ++x) {
            Vec p{x + 0.5f, y + 0.5f};
            float d = rails(p);
            float cov = coverage(d);
            if (cov <= 0) continue;
            Vec g = gradientOf(rails, p);
            float lit = clamp01(-g.y * 0.7f - g.x * 0.3f) * clamp01(1.0f + d / 2.0f + 0.5f);
            img.blend(x, y, mix(iron, ironLit, lit), cov);
        }
    for (float x = 40; x < W; x += 128) {
        auto cap = [&](Vec p) { return sdf::circle(p, {x, postTop - 3}, 5.0f); };
        for (int y = int(postTop) - 10; y < int(postTop) + 4; ++y)
            for (int px = int(x) - 7; px <= int(x) + 7; ++px) {
                Vec p{px + 0.5f, y + 0.5f};
                float glint = 0;
                float s = bevelShade(cap(p), gradientOf(cap, p), 5.0f, glint);
                Color c = s > 0 ? mix(pal::brass, pal::brassLight, s * 1.5f) : mix(pal::brass, pal::brassDark, -s);
                img.blend(px, y, mix(c, pal::white, glint), coverage(cap(p)));
            }
    }

    // Bushes along the front: overlapping round clumps with moonlit tops and a few small flowers.
    Random rnd(bushSeed);
    struct Clump {
        Vec c;
        float r;
    };
    std::vector<Clump> clumps;
    for (float x = -20; x < W + 40; x += rnd.range(34, 58)) clumps.push_back({{x, rnd.range(178, 196)}, rnd.range(32, 48)});
    for (const Clump& k : clumps)
        for (int y = int(k.c.y - k.r) - 2; y < hiddenBelow; ++y)
            for (int x = int(k.c.x - k.r) - 2; x < int(k.c.x + k.r) + 2; ++x) {
                if (!img.inside(x, y)) continue;
                Vec p{x + 0.5f, y + 0.5f};
                // The clump is a circle that runs on down to the bottom of the picture.
                float d = p.y > k.c.y ? std::fabs(p.x - k.c.x) - k.r : sdf::circle(p, k.c, k.r);
                float wobble = (fractalNoise(p.x / 6.0f, p.y / 6.0f, bushSeed, 3) - 0.5f) * 7.0f;
                d += wobble;
                float cov = coverage(d);
                if (cov <= 0) continue;
                float up = clamp01((k.c.y - p.y) / k.r);
                float leaf = fractalNoise(p.x / 3.5f, p.y / 3.5f, bushSeed + 7, 2);
                Color c = mix(rgb(8, 24, 26), rgb(22, 62, 58), up * 0.8f + leaf * 0.35f);
                c = mix(c, rgb(70, 120, 120), clamp01(1.0f + (d - wobble) / 5.0f) * up * 0.35f);
                img.blend(x, y, c, cov);
            }
    // Below what the screen shows, the foreground is one flat colour.
    for (int y = hiddenBelow; y < H; ++y)
        for (int x = 0; x < W; ++x) img.blend(x, y, rgb(8, 22, 26), 1.0f);
    const Color flowers[] = {rgb(226, 64, 48), rgb(246, 192, 40), rgb(172, 232, 240), rgb(190, 120, 230)};
    for (int i = 0; i < 70; ++i) {
        Vec c{rnd.range(0, float(W)), rnd.range(170, 280)};
        if (img.alphaAt(std::min(W - 1, int(c.x)), int(c.y)) < 1.0f) continue;
        Color col = flowers[rnd.next() % 4];
        float r = rnd.range(1.6f, 2.8f);
        for (int y = int(c.y) - 4; y <= int(c.y) + 4; ++y)
            for (int x = int(c.x) - 4; x <= int(c.x) + 4; ++x) {
                float d = sdf::circle({x + 0.5f, y + 0.5f}, c, r);
                img.blend(x, y, mix(col, pal::white, clamp01(-d / r) * 0.4f), coverage(d));
            }
    }
    return img;
}

Image cursorArrow(int size) {
    Image img(size, size);
    const float k = 1.08f;
    std::vector<Vec> shape = {{0, 0}, {0, 21}, {5, 16.5f}, {9, 25}, {12.5f, 23.5f}, {8.5f, 15}, {15, 15}};
    for (Vec& v : shape) v = {v.x * k + 1.0f, v.y * k + 1.0f};
    auto f = [&](Vec p) { return sdf::polygon(p, shape); };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Vec p{x + 0.5f, y + 0.5f};
            float d = f(p);
            img.blend(x, y, pal::inkBlack, coverage(d - 1.6f));
            float glint = 0;
            float s = bevelShade(d, gradientOf(f, p), 3.0f, glint);
            Color c = mix(pal::brassLight, pal::brass, p.y / 28.0f);
            c = s > 0 ? mix(c, pal::white, s * 0.6f) : mix(c, pal::brassDark, -s * 0.8f);
            img.blend(x, y, c, coverage(d));
        }
    // The hot spot is the top-left pixel: make the tip solid so it is never masked away.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) img.blend(x, y, pal::inkBlack, 1.0f);
    return img;
}

}  // namespace art
