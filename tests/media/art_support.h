// Shared helpers of the media tests: Allegro start-up, raw pixel access, PNG chunk listing, contrast.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_ttf.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "atlas.h"

namespace arttest {

inline void startAllegro() {
    static bool started = false;
    if (started) return;
    started = al_init() && al_init_image_addon() && al_init_font_addon() && al_init_ttf_addon();
    al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
}

struct Rgb {
    int r, g, b;
};

inline bool isMask(Rgb c) { return c.r == 255 && c.g == 0 && c.b == 255; }
inline double luminance(Rgb c) {
    auto lin = [](int v) {
        double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
}
// Contrast ratio of two colours as used for text legibility (1 to 21).
inline double contrast(Rgb a, Rgb b) {
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A PNG as stored: straight RGBA bytes, no premultiplication, no mask conversion.
struct Picture {
    int w = 0, h = 0;
    std::vector<uint8_t> px;
    bool loaded() const { return w > 0; }
    Rgb at(int x, int y) const {
        const uint8_t* p = &px[4 * (static_cast<size_t>(y) * w + x)];
        return {p[0], p[1], p[2]};
    }
    int alpha(int x, int y) const { return px[4 * (static_cast<size_t>(y) * w + x) + 3]; }
};

inline Picture loadPicture(const std::string& path) {
    startAllegro();
    Picture pic;
    ALLEGRO_BITMAP* b = al_load_bitmap_flags(path.c_str(), ALLEGRO_NO_PREMULTIPLIED_ALPHA);
    if (!b) return pic;
    pic.w = al_get_bitmap_width(b);
    pic.h = al_get_bitmap_height(b);
    pic.px.resize(4 * static_cast<size_t>(pic.w) * pic.h);
    ALLEGRO_LOCKED_REGION* lr = al_lock_bitmap(b, ALLEGRO_PIXEL_FORMAT_ABGR_8888_LE, ALLEGRO_LOCK_READONLY);
    for (int y = 0; y < pic.h; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(lr->data) + y * lr->pitch;
        std::copy(row, row + 4 * pic.w, pic.px.begin() + 4 * static_cast<size_t>(y) * pic.w);
    }
    al_unlock_bitmap(b);
    al_destroy_bitmap(b);
    return pic;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The chunk types of a PNG file in order; empty when the file is no PNG.
inline std::vector<std::string> pngChunks(const std::string& path) {
    std::string d = readFile(path);
    std::vector<std::string> types;
    if (d.size() < 8 || d.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return types;
    size_t pos = 8;
    while (pos + 8 <= d.size()) {
        auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(d[i])); };
        uint32_t len = byte(pos) << 24 | byte(pos + 1) << 16 | byte(pos + 2) << 8 | byte(pos + 3);
        types.push_back(d.substr(pos + 4, 4));
        pos += 12 + static_cast<size_t>(len);
    }
    return types;
}

// Share of pixels of a rectangle that are not the mask colour.
inline double opaqueShare(const Picture& p, Region r) {
    int n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) n += !isMask(p.at(x, y));
    return static_cast<double>(n) / (r.w * r.h);
}

// Mean colour of the non-mask pixels of a rectangle.
inline Rgb meanColor(const Picture& p, Region r) {
    long s[3] = {0, 0, 0}, n = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) {
            Rgb c = p.at(x, y);
            if (isMask(c)) continue;
            s[0] += c.r, s[1] += c.g, s[2] += c.b, ++n;
        }
    if (n == 0) return {255, 0, 255};
    return {static_cast<int>(s[0] / n), static_cast<int>(s[1] / n), static_cast<int>(s[2] / n)};
}

const std::string mediaDir = "media";

}  // namespace arttest
