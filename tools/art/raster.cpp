// Float RGBA pictures, signed-distance shapes, masks and the conversions to Allegro bitmaps and PNG files.
#include "raster.h"

#include <allegro5/allegro_image.h>

#include <algorithm>
#include <cmath>

namespace art {

Color rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
Color mix(Color a, Color b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Color scale(Color c, float k) { return {c.r * k, c.g * k, c.b * k}; }
Color add(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
float luminance(Color c) { return 0.2126f * c.r + 0.7152f * c.g + 0.0722f * c.b; }
float clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }
float smoothstep(float e0, float e1, float x) {
    float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}
float length(Vec v) { return std::sqrt(v.x * v.x + v.y * v.y); }

Image::Image(int width, int height) : w(width), h(height), px(4 * static_cast<size_t>(width) * height, 0.0f) {}

void Image::blend(int x, int y, Color c, float alpha) {
    if (!inside(x, y) || alpha <= 0.0f) return;
    float* p = at(x, y);
    float keep = 1.0f - alpha;
    p[0] = c.r * alpha + p[0] * keep;
    p[1] = c.g * alpha + p[1] * keep;
    p[2] = c.b * alpha + p[2] * keep;
    p[3] = alpha + p[3] * keep;
}

Color Image::colorAt(int x, int y) const {
    const float* p = at(x, y);
    if (p[3] <= 0.0f) return {0, 0, 0};
    return {p[0] / p[3], p[1] / p[3], p[2] / p[3]};
}

void Image::fill(Color c) {
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = c.r;
        px[i + 1] = c.g;
        px[i + 2] = c.b;
        px[i + 3] = 1.0f;
    }
}

void drawOver(Image& dst, const Image& img, int x, int y, float opacity) {
    for (int j = 0; j < img.h; ++j) {
        for (int i = 0; i < img.w; ++i) {
            if (!dst.inside(x + i, y + j)) continue;
            const float* s = img.at(i, j);
            float a = s[3] * opacity;
            if (a <= 0.0f) continue;
            float* d = dst.at(x + i, y + j);
            float keep = 1.0f - a;
            for (int k = 0; k < 3; ++k) d[k] = s[k] * opacity + d[k] * keep;
            d[3] = a + d[3] * keep;
        }
    }
}

namespace sdf {
float circle(Vec p, Vec c, float r) { return length({p.x - c.x, p.y - c.y}) - r; }

float box(Vec p, Vec c, Vec half, float radius) {
    float qx = std::fabs(p.x - c.x) - half.x + radius;
    float qy = std::fabs(p.y - c.y) - half.y + radius;
    float outside = length({std::max(qx, 0.0f), std::max(qy, 0.0f)});
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float segment(Vec p, Vec a, Vec b, float r) {
    Vec pa{p.x - a.x, p.y - a.y}, ba{b.x - a.x, b.y - a.y};
    float t = clamp01((pa.x * ba.x + pa.y * ba.y) / (ba.x * ba.x + ba.y * ba.y));
    return length({pa.x - ba.x * t, pa.y - ba.y * t}) - r;
}

float polygon(Vec p, const std::vector<Vec>& v) {
    float d = (p.x - v[0].x) * (p.x - v[0].x) + (p.y - v[0].y) * (p.y - v[0].y);
    float s = 1.0f;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        Vec e{v[j].x - v[i].x, v[j].y - v[i].y};
        Vec w{p.x - v[i].x, p.y - v[i].y};
        float t = clamp01((w.x * e.x + w.y * e.y) / (e.x * e.x + e.y * e.y));
        Vec b{w.x - e.x * t, w.y - e.y * t};
        d = std::min(d, b.x * b.x + b.y * b.y);
        bool c1 = p.y >= v[i].y, c2 = p.y < v[j].y, c3 = e.x * w.y > e.y * w.x;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

float star(Vec p, Vec c, float outer, float inner, int points, float rotation) {
    std::vector<Vec> v;
    for (int i = 0; i < 2 * points; ++i) {
        float ang = rotation + static_cast<float>(M_PI) * i / points;
        float r = (i % 2 == 0) ? outer : inner;
        v.push_back({c.x + r * std::sin(ang), c.y - r * std::cos(ang)});
    }
    return polygon(p, v);
}

float cross(Vec p, Vec c, float arm, float half, float radius) {
    float a = box(p, c, {arm, half}, radius);
    float b = box(p, c, {half, arm}, radius);
    return std::min(a, b);
}

float ellipse(Vec p, Vec c, Vec radii) {
    // A close approximation, exact on the axes; good enough for one-pixel edges.
    float nx = (p.x - c.x) / radii.x, ny = (p.y - c.y) / radii.y;
    float k0 = length({nx, ny});
    float k1 = length({nx / radii.x, ny / radii.y});
    if (k1 <= 0.0f) return -std::min(radii.x, radii.y);
    return k0 * (k0 - 1.0f) / k1;
}
}  // namespace sdf

float bevelShade(float d, Vec g, float bevel, float& glint) {
    glint = 0.0f;
    if (d >= 0.0f || -d >= bevel) return 0.0f;
    // A quarter-circle profile: steep at the edge, flat where the face begins.
    float t = -d / bevel;
    float slope = (1.0f - t) / std::sqrt(std::max(1e-3f, 1.0f - (1.0f - t) * (1.0f - t))) * 0.9f;
    slope = std::min(slope, 4.0f);
    float nx = g.x * slope, ny = g.y * slope, nz = 1.0f;
    float n = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= n;
    ny /= n;
    nz /= n;
    const float lx = -0.48f, ly = -0.62f, lz = 0.62f;
    float diffuse = nx * lx + ny * ly + nz * lz - lz;
    // Half vector between the light and the viewer, for the glint.
    float hx = lx, hy = ly, hz = lz + 1.0f;
    float hn = std::sqrt(hx * hx + hy * hy + hz * hz);
    float facing = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hn);
    glint = std::pow(facing, 30.0f) * (1.0f - t);
    return diffuse;
}

float Mask::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0.0f;
    return v[static_cast<size_t>(y) * w + x];
}

Mask blur(const Mask& m, int radius) {
    // Two box passes each way approximate a soft Gaussian shadow.
    Mask cur = m;
    for (int pass = 0; pass < 2; ++pass) {
        Mask tmp(m.w, m.h), out(m.w, m.h);
        float n = 2.0f * radius + 1.0f;
        for (int y = 0; y < m.h; ++y)
            for (int x = 0; x < m.w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) s += cur.get(x + k, y);
                tmp.v[static_cast<size_t>(y) * m.w + x] = s / n;
            }
        for (int y = 0; y < m.h; ++y)
            for (int x = 0; x < m.w; ++x) {
                float s = 0;
                for (int k = -radius; k <= radius; ++k) s += tmp.get(x, y + k);
                out.v[static_cast<size_t>(y) * m.w + x] = s / n;
            }
        cur = out;
    }
    return cur;
}

Mask dilate(const Mask& m, int radius) {
    Mask out(m.w, m.h);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            float best = 0;
            for (int j = -radius; j <= radius; ++j)
                for (int i = -radius; i <= radius; ++i) {
                    if (i * i + j * j > radius * radius + radius) continue;
                    best = std::max(best, m.get(x + i, y + j));
                }
            out.v[static_cast<size_t>(y) * m.w + x] = best;
        }
    return out;
}

Mask shifted(const Mask& m, int dx, int dy) {
    Mask out(m.w, m.h);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) out.v[static_cast<size_t>(y) * m.w + x] = m.get(x - dx, y - dy);
    return out;
}

Mask textMask(const ALLEGRO_FONT* font, const std::string& text, int pad) {
    int tw = al_get_text_width(font, text.c_str());
    int th = al_get_font_line_height(font);
    Mask m(tw + 2 * pad, th + 2 * pad);
    ALLEGRO_BITMAP* bmp = al_create_bitmap(m.w, m.h);
    ALLEGRO_BITMAP* old = al_get_target_bitmap();
    al_set_target_bitmap(bmp);
    al_clear_to_color(al_map_rgba(0, 0, 0, 0));
    al_draw_text(font, al_map_rgba(255, 255, 255, 255), pad, pad, 0, text.c_str());
    ALLEGRO_LOCKED_REGION* lr = al_lock_bitmap(bmp, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int y = 0; y < m.h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(lr->data) + y * lr->pitch;
        for (int x = 0; x < m.w; ++x) m.v[static_cast<size_t>(y) * m.w + x] = row[4 * x + 3] / 255.0f;
    }
    al_unlock_bitmap(bmp);
    al_set_target_bitmap(old);
    al_destroy_bitmap(bmp);
    return m;
}

void paintMask(Image& dst, const Mask& m, int x, int y, Color c, float opacity) {
    paintMaskGradient(dst, m, x, y, c, c, opacity);
}

void paintMaskGradient(Image& dst, const Mask& m, int x, int y, Color top, Color bottom, float opacity) {
    for (int j = 0; j < m.h; ++j) {
        Color c = mix(top, bottom, m.h > 1 ? static_cast<float>(j) / (m.h - 1) : 0.0f);
        for (int i = 0; i < m.w; ++i) dst.blend(x + i, y + j, c, m.v[static_cast<size_t>(j) * m.w + i] * opacity);
    }
}

uint32_t Random::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

float Random::unit() { return (next() >> 8) / 16777216.0f; }

static float hashUnit(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / 16777216.0f;
}

float valueNoise(float x, float y, uint32_t seed) {
    int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    float fx = x - xi, fy = y - yi;
    float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    float a = hashUnit(xi, yi, seed), b = hashUnit(xi + 1, yi, seed);
    float c = hashUnit(xi, yi + 1, seed), d = hashUnit(xi + 1, yi + 1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float fractalNoise(float x, float y, uint32_t seed, int octaves) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x, y, seed + 101u * o);
        norm += amp;
        x *= 2.03f;
        y *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

static uint8_t toByte(float v) { return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f)); }

ALLEGRO_BITMAP* toBitmap(const Image& img) {
    ALLEGRO_BITMAP* bmp = al_create_bitmap(img.w, img.h);
    ALLEGRO_LOCKED_REGION* lr = al_lock_bitmap(bmp, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_WRITEONLY);
    for (int y = 0; y < img.h; ++y) {
        uint8_t* row = static_cast<uint8_t*>(lr->data) + y * lr->pitch;
        for (int x = 0; x < img.w; ++x) {
            // Allegro keeps premultiplied pixels, which is how Image stores them too.
            const float* p = img.at(x, y);
            for (int k = 0; k < 4; ++k) row[4 * x + k] = toByte(p[k]);
        }
    }
    al_unlock_bitmap(bmp);
    return bmp;
}

void flattenOnto(Image& dst, const Image& sprite, int x, int y, Color matte) {
    const Color magenta{1.0f, 0.0f, 1.0f};
    for (int j = 0; j < sprite.h; ++j)
        for (int i = 0; i < sprite.w; ++i) {
            if (!dst.inside(x + i, y + j)) continue;
            const float* s = sprite.at(i, j);
            float* d = dst.at(x + i, y + j);
            Color c = magenta;
            if (s[3] >= 0.5f) {
                float keep = 1.0f - s[3];
                c = {s[0] + matte.r * keep, s[1] + matte.g * keep, s[2] + matte.b * keep};
                // A sprite pixel must never round to the exact mask colour.
                if (toByte(c.r) == 255 && toByte(c.g) == 0 && toByte(c.b) == 255) c.r = 250 / 255.0f;
            }
            d[0] = c.r;
            d[1] = c.g;
            d[2] = c.b;
            d[3] = 1.0f;
        }
}

bool savePng(const Image& img, const std::string& path) {
    ALLEGRO_BITMAP* bmp = toBitmap(img);
    bool ok = al_save_bitmap(path.c_str(), bmp);
    al_destroy_bitmap(bmp);
    return ok;
}

}  // namespace art
