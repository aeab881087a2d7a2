// Float RGBA pictures, signed-distance shapes and text masks: the drawing kit every generated picture is made with.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>

#include <cstdint>
#include <string>
#include <vector>

namespace art {

struct Color {
    float r, g, b;
};

Color rgb(int r, int g, int b);
Color mix(Color a, Color b, float t);
Color scale(Color c, float k);
Color add(Color a, Color b);
float luminance(Color c);
float clamp01(float v);
float smoothstep(float e0, float e1, float x);

struct Vec {
    float x, y;
};
float length(Vec v);

// A picture with premultiplied colour, so that "over" is one multiply-add per channel.
struct Image {
    int w = 0, h = 0;
    std::vector<float> px;  // r, g, b, a per pixel

    Image() = default;
    Image(int width, int height);
    float* at(int x, int y) { return &px[4 * (static_cast<size_t>(y) * w + x)]; }
    const float* at(int x, int y) const { return &px[4 * (static_cast<size_t>(y) * w + x)]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    void blend(int x, int y, Color c, float alpha);
    Color colorAt(int x, int y) const;  // straight colour, black where empty
    float alphaAt(int x, int y) const { return at(x, y)[3]; }
    void fill(Color c);
};

// Draws img over dst with its top-left corner at (x, y).
void drawOver(Image& dst, const Image& img, int x, int y, float opacity = 1.0f);

// A signed distance in pixels: negative inside the shape.
namespace sdf {
float circle(Vec p, Vec c, float r);
float box(Vec p, Vec c, Vec half, float radius);
float segment(Vec p, Vec a, Vec b, float r);
float polygon(Vec p, const std::vector<Vec>& v);
float star(Vec p, Vec c, float outer, float inner, int points, float rotation);
float cross(Vec p, Vec c, float arm, float half, float radius);
float ellipse(Vec p, Vec c, Vec radii);
}  // namespace sdf

// Anti-aliased coverage of a shape at a distance d (one-pixel ramp).
inline float coverage(float d) { return clamp01(0.5f - d); }

// Lighting of a raised shape whose rim rounds off over `bevel` pixels inside its edge. The light comes
// from the upper left. Returns how much brighter (positive) or darker (negative) than a flat face the
// surface at distance d with distance gradient g is, and the specular glint in `glint`.
float bevelShade(float d, Vec g, float bevel, float& glint);

// Gradient of a distance function by central differences.
template <class F>
Vec gradientOf(F f, Vec p) {
    const float e = 0.5f;
    return {(f(Vec{p.x + e, p.y}) - f(Vec{p.x - e, p.y})) / (2 * e), (f(Vec{p.x, p.y + e}) - f(Vec{p.x, p.y - e})) / (2 * e)};
}

// A one-channel coverage picture, for text and soft shadows.
struct Mask {
    int w = 0, h = 0;
    std::vector<float> v;
    Mask() = default;
    Mask(int width, int height) : w(width), h(height), v(static_cast<size_t>(width) * height, 0.0f) {}
    float get(int x, int y) const;
};

Mask blur(const Mask& m, int radius);
Mask dilate(const Mask& m, int radius);
Mask shifted(const Mask& m, int dx, int dy);

// Text rendered by the TrueType addon into a mask with `pad` empty pixels around it.
Mask textMask(const ALLEGRO_FONT* font, const std::string& text, int pad);

// Paints colour c through mask m placed at (x, y).
void paintMask(Image& dst, const Mask& m, int x, int y, Color c, float opacity = 1.0f);
// Paints a vertical gradient from top to bottom colour through the mask.
void paintMaskGradient(Image& dst, const Mask& m, int x, int y, Color top, Color bottom, float opacity = 1.0f);

// Small, fixed-seed generator: the same numbers on every run and every platform.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    uint32_t next();
    float unit();  // [0, 1)
    float range(float lo, float hi) { return lo + (hi - lo) * unit(); }

private:
    uint32_t state_;
};

// Smooth value noise in [0, 1], periodic only by accident; for hills, clouds and grain.
float valueNoise(float x, float y, uint32_t seed);
float fractalNoise(float x, float y, uint32_t seed, int octaves);

// Conversions to the library's bitmaps.
ALLEGRO_BITMAP* toBitmap(const Image& img);
// Writes an opaque picture: pixels with alpha below one-half become the mask colour (255, 0, 255).
void flattenOnto(Image& opaqueDst, const Image& sprite, int x, int y, Color matte);
bool savePng(const Image& img, const std::string& path);

}  // namespace art
