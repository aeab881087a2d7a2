// Draws the finale's walking figure part by part, back to front, each part outlined and softly shaded.
#include "figure.h"

#include "palette.h"
#include "tiles.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

namespace pal = palette;

const Color outlineColor = rgb(14, 12, 22);
constexpr float outlineWidth = 1.6f;
// The parts are laid out on a drawing grid; this places the grid in the sprite with a clear margin all round.
constexpr float figureScale = 0.95f, figureLeft = 8.0f, figureTop = 4.0f;

// One body part: an outline, then a face shaded from top to bottom with a rounded rim.
template <class F>
void part(Image& img, F f, Color top, Color bottom, float bevel, float y0, float y1) {
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            Vec p{(x + 0.5f - figureLeft) / figureScale, (y + 0.5f - figureTop) / figureScale};
            float d = f(p) * figureScale;
            float edge = coverage(d - outlineWidth);
            if (edge <= 0) continue;
            img.blend(x, y, outlineColor, edge);
            float cov = coverage(d);
            if (cov <= 0) continue;
            float glint = 0;
            float shade = bevelShade(d, gradientOf(f, p), bevel * figureScale, glint);
            Color c = mix(top, bottom, clamp01((p.y - y0) / (y1 - y0)));
            c = shade > 0 ? mix(c, pal::white, shade * 0.45f) : mix(c, pal::black, -shade * 0.6f);
            c = mix(c, pal::white, glint * 0.35f);
            img.blend(x, y, c, cov);
        }
}

auto capsule(Vec a, Vec b, float r) {
    return [=](Vec p) { return sdf::segment(p, a, b, r); };
}

auto limb(Vec a, Vec b, Vec c, float r0, float r1) {
    return [=](Vec p) { return std::min(sdf::segment(p, a, b, r0), sdf::segment(p, b, c, r1)); };
}

const Color coatTop = rgb(58, 170, 176), coatBottom = rgb(16, 78, 88);
const Color coatBackTop = rgb(34, 120, 128), coatBackBottom = rgb(10, 54, 62);
const Color trouserTop = rgb(70, 86, 128), trouserBottom = rgb(34, 42, 72);
const Color trouserBackTop = rgb(48, 60, 96), trouserBackBottom = rgb(24, 30, 54);
const Color bootTop = rgb(128, 80, 42), bootBottom = rgb(66, 38, 20);
const Color skinTop = rgb(250, 212, 176), skinBottom = rgb(214, 160, 124);
const Color leatherTop = rgb(170, 110, 56), leatherBottom = rgb(98, 58, 26);
const Color scarfTop = rgb(252, 204, 70), scarfBottom = rgb(206, 130, 26);

void backLimbs(Image& img) {
    // The far arm swings back, the far leg pushes off from its toe.
    part(img, limb({75, 50}, {86, 65}, {95, 76}, 5.0f, 4.4f), coatBackTop, coatBackBottom, 4, 46, 80);
    part(img, [](Vec p) { return sdf::circle(p, {96, 78}, 4.4f); }, skinTop, skinBottom, 3, 74, 82);
    part(img, limb({74, 86}, {86, 106}, {94, 124}, 6.6f, 5.6f), trouserBackTop, trouserBackBottom, 5, 82, 126);
    part(img, capsule({99, 124.5f}, {87, 132.5f}, 4.6f), bootTop, bootBottom, 3, 120, 137);
}

void torso(Image& img) {
    part(img, [](Vec p) { return sdf::box(p, {89, 64}, {9, 15}, 5); }, leatherTop, leatherBottom, 4, 49, 79);
    part(img, [](Vec p) { return sdf::polygon(p, {{57, 45}, {80, 45}, {88, 96}, {52, 96}}) - 3.0f; }, coatTop,
         coatBottom, 6, 42, 99);
    // Belt and the strap of the pack.
    part(img, [](Vec p) { return sdf::box(p, {70, 80}, {18.5f, 2.4f}, 1.5f); }, leatherTop, leatherBottom, 1.5f, 77, 83);
    part(img, capsule({78, 47}, {66, 78}, 1.8f), leatherTop, leatherBottom, 1.5f, 46, 80);
    part(img, [](Vec p) { return sdf::box(p, {61, 80}, {3.2f, 3.2f}, 1); }, pal::brassLight, pal::brass, 1.5f, 76, 84);
}

void frontLimbs(Image& img) {
    part(img, limb({66, 86}, {55, 107}, {49, 126}, 7.0f, 5.8f), trouserTop, trouserBottom, 5, 82, 128);
    part(img, [](Vec p) { return sdf::box(p, {46, 131}, {9.5f, 4.6f}, 4.2f); }, bootTop, bootBottom, 3, 126, 136);
    // The walking staff, topped with an amber star gem like the board's.
    part(img, capsule({39, 58}, {29, 135}, 2.1f), rgb(150, 100, 56), rgb(92, 58, 28), 1.8f, 56, 136);
    part(img, limb({63, 50}, {53, 64}, {41, 72}, 5.0f, 4.4f), coatTop, coatBottom, 4, 46, 76);
    part(img, [](Vec p) { return sdf::circle(p, {39, 72}, 4.6f); }, skinTop, skinBottom, 3, 68, 77);
}

void head(Image& img) {
    part(img, capsule({60, 41}, {74, 41}, 4.2f), scarfTop, scarfBottom, 3, 37, 45);
    // The scarf's loose end streams back over the shoulder as the figure walks.
    part(img, limb({73, 42}, {84, 47}, {92, 56}, 2.8f, 2.0f), scarfTop, scarfBottom, 2, 39, 58);
    part(img, [](Vec p) { return std::min(sdf::circle(p, {64, 27}, 12.5f), sdf::circle(p, {51.5f, 29.5f}, 3.2f)); },
         skinTop, skinBottom, 5, 15, 40);
    // Eye, brow and a hint of a smile.
    part(img, [](Vec p) { return sdf::ellipse(p, {56.5f, 26}, {1.6f, 2.2f}) + outlineWidth - 0.2f; }, outlineColor,
         outlineColor, 1, 23, 29);
    part(img, capsule({56, 34}, {59.5f, 35}, 0.2f), outlineColor, outlineColor, 1, 33, 36);
    // A brass-brown hat with a teal band.
    part(img, [](Vec p) { return sdf::ellipse(p, {64, 17.5f}, {20, 4.2f}); }, rgb(176, 120, 62), rgb(110, 70, 32), 2, 13, 22);
    part(img, [](Vec p) { return sdf::box(p, {65, 9}, {11, 8.5f}, 4.5f); }, rgb(190, 134, 70), rgb(124, 80, 38), 4, 0, 18);
    part(img, [](Vec p) { return sdf::box(p, {65, 13.5f}, {11, 2.2f}, 1); }, pal::tealLight, pal::teal, 1.2f, 11, 16);
}

}  // namespace

Image finaleFigure(int w, int h) {
    Image img(w, h);
    backLimbs(img);
    torso(img);
    frontLimbs(img);
    head(img);
    Image gem = renderGem(1, 16);
    drawOver(img, gem, static_cast<int>(figureLeft + 31 * figureScale), static_cast<int>(figureTop + 45 * figureScale));
    return img;
}

}  // namespace art
