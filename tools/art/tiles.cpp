// Draws the six tile gems pixel by pixel: tray, drop shadow, bevelled body, engraved symbol and gloss.
#include "tiles.h"

#include "palette.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

struct TileKind {
    Color base;
    bool darkSymbol;  // bright gems carry a dark inlay, dark gems a light one
};

// Hues and brightness both differ, so neighbours stay apart for every kind of colour vision.
const TileKind kinds[6] = {
    {rgb(236, 84, 44), false},   // ruby, ring
    {rgb(248, 194, 40), true},   // amber, star
    {rgb(56, 188, 82), false},   // emerald, triangle
    {rgb(28, 58, 172), false},   // sapphire, diamond
    {rgb(132, 62, 196), false},  // amethyst, square
    {rgb(176, 234, 242), true},  // pearl, cross
};

// The symbol of a kind, in a unit frame: centre (0, 0), the gem spanning -1 .. 1.
float symbolDistance(int kind, Vec p) {
    const Vec o{0, 0};
    switch (kind) {
    case 0:
        // A ring rather than a disc, so that at preview size it cannot pass for the square.
        return std::fabs(sdf::circle(p, o, 0.44f)) - 0.15f;
    case 1:
        return sdf::star(p, {0, 0.03f}, 0.66f, 0.28f, 5, 0.0f) - 0.03f;
    case 2:
        return sdf::polygon(p, {{0, -0.56f}, {0.60f, 0.48f}, {-0.60f, 0.48f}}) - 0.05f;
    case 3:
        return sdf::polygon(p, {{0, -0.66f}, {0.58f, 0}, {0, 0.66f}, {-0.58f, 0}}) - 0.03f;
    case 4:
        return sdf::box(p, o, {0.44f, 0.44f}, 0.08f);
    default:
        return sdf::cross(p, o, 0.58f, 0.19f, 0.05f);
    }
}

constexpr float bodyHalf = 0.93f;    // gem half size in unit frame
constexpr float bodyCorner = 0.26f;  // corner radius in unit frame
constexpr float tableHalf = 0.71f;   // the flat top inside the four bevelled facets
constexpr float tableCorner = 0.12f;
constexpr float symbolScale = 0.88f;

// How much the facet on each side catches the light from the upper left.
constexpr float facetTop = 0.50f, facetLeft = 0.26f, facetRight = -0.30f, facetBottom = -0.52f;

Color lit(Color c, float amount) { return amount > 0 ? mix(c, palette::white, amount) : mix(c, palette::black, -amount); }

// Colour of the gem (facets, table, groove, symbol, gloss) at unit position p; `unit` is pixels per unit.
// Returns the colour and writes the coverage of the gem body.
Color gemColor(int kind, Vec p, float unit, float& cover) {
    const TileKind& k = kinds[kind];
    auto symbol = [&](Vec q) { return symbolDistance(kind, {q.x / symbolScale, q.y / symbolScale}) * symbolScale * unit; };
    float db = sdf::box(p, {0, 0}, {bodyHalf, bodyHalf}, bodyCorner) * unit;
    float dt = sdf::box(p, {0, 0}, {tableHalf, tableHalf}, tableCorner) * unit;
    cover = coverage(db);
    float v = (p.y + 1.0f) * 0.5f;

    // The table: a luminous face, brighter in the middle and towards the top.
    Color table = mix(lit(k.base, 0.14f), lit(k.base, -0.22f), v);
    float glow = 1.0f - std::min(1.0f, length({p.x, p.y + 0.1f}) / 0.95f);
    table = mix(table, lit(k.base, 0.30f), 0.5f * glow * glow);

    // The facets: each side of the bevel is one plane, lit by how it faces the light; the seams are crisp.
    float ax = std::fabs(p.x), ay = std::fabs(p.y);
    float facet = ay > ax ? (p.y < 0 ? facetTop : facetBottom) : (p.x < 0 ? facetLeft : facetRight);
    float across = clamp01(dt / ((bodyHalf - tableHalf) * unit));  // 0 at the table, 1 at the edge
    Color side = lit(lit(k.base, facet), -0.10f * across);
    float seam = 1.0f - clamp01(std::fabs(ax - ay) * unit / 1.2f);
    side = mix(side, lit(k.base, facet > 0 ? 0.55f : -0.55f), 0.35f * seam);
    Color c = mix(table, side, clamp01(dt + 0.5f));
    // Light runs along the table's upper-left seam, shadow along the lower-right one.
    float seamLine = clamp01(1.0f - std::fabs(dt) / 1.1f);
    c = mix(c, (p.x + p.y) < 0 ? lit(k.base, 0.7f) : lit(k.base, -0.55f), 0.6f * seamLine);

    // Engraved groove around the symbol, then the raised inlay.
    float ds = symbol(p);
    float groove = 0.07f * unit;
    c = mix(c, lit(k.base, -0.62f), coverage(ds - groove));
    float inSymbol = coverage(ds);
    if (inSymbol > 0) {
        Color s0 = k.darkSymbol ? lit(k.base, -0.48f) : lit(k.base, 0.64f);
        Color s1 = k.darkSymbol ? lit(k.base, -0.68f) : lit(k.base, 0.40f);
        Color sc = mix(s0, s1, v);
        float sg = 0;
        float ss = bevelShade(ds, gradientOf(symbol, p), 0.09f * unit, sg);
        sc = lit(sc, ss > 0 ? ss * 0.6f : ss * 0.6f);
        sc = mix(sc, palette::white, sg * 0.8f);
        c = mix(c, sc, inSymbol);
    }

    // Gloss: a bright sheen across the upper-left of the table, cut off on a slanted line.
    float slant = (p.x * 0.55f + p.y) + 0.28f;
    float onTable = coverage(dt);
    c = mix(c, palette::white, 0.22f * smoothstep(0.04f, -0.06f, slant) * onTable * smoothstep(-1.0f, -0.2f, p.y));
    // A dark hairline where the gem meets its tray keeps the edge crisp.
    c = mix(c, lit(k.base, -0.72f), clamp01(1.0f - (-db) / 1.3f) * 0.85f);
    return c;
}

}  // namespace

Image renderTile(int kind) {
    const int n = tilePictureSize;
    Image img(n, n);
    const float centre = 50.5f, unit = 48.5f;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (x == 0 || y == 0) {
                img.blend(x, y, palette::grout, 1.0f);
                continue;
            }
            // Tray: dark, a little lighter towards the bottom, shaded under the grout.
            float ty = static_cast<float>(y) / n;
            Color tray = mix(rgb(26, 30, 48), rgb(34, 40, 62), ty);
            float nearGrout = std::min(x, y);
            tray = mix(tray, palette::grout, clamp01(1.0f - (nearGrout - 1) / 3.0f) * 0.6f);
            img.blend(x, y, tray, 1.0f);

            Vec p{(x + 0.5f - centre) / unit, (y + 0.5f - centre) / unit};
            // Drop shadow below and right of the gem.
            float ds = sdf::box({p.x - 0.04f, p.y - 0.07f}, {0, 0}, {bodyHalf, bodyHalf}, bodyCorner) * unit;
            img.blend(x, y, palette::inkBlack, 0.55f * smoothstep(3.5f, -2.0f, ds));

            float cover = 0;
            Color c = gemColor(kind, p, unit, cover);
            img.blend(x, y, c, cover);
        }
    return img;
}

Image renderGem(int kind, int size) {
    Image img(size, size);
    float centre = size * 0.5f, unit = size * 0.5f / bodyHalf * 0.98f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Vec p{(x + 0.5f - centre) / unit, (y + 0.5f - centre) / unit};
            float cover = 0;
            Color c = gemColor(kind, p, unit, cover);
            img.blend(x, y, c, cover);
        }
    return img;
}

}  // namespace art
