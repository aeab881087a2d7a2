// Draws the atlas furniture: brass-rimmed glass plates, round and pill buttons, level marks, card, hint and banner.
#include "widgets.h"

#include "palette.h"
#include "tiles.h"

#include <allegro5/allegro_ttf.h>

#include <algorithm>
#include <cmath>

namespace art {

namespace pal = palette;

Fonts::~Fonts() {
    for (auto& entry : cache_) al_destroy_font(entry.second);
}

ALLEGRO_FONT* Fonts::get(bool bold, int size) {
    auto key = std::make_pair(bold, size);
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    std::string path = dir_ + (bold ? "/verdanab.ttf" : "/verdana.ttf");
    ALLEGRO_FONT* f = al_load_ttf_font(path.c_str(), size, 0);
    cache_[key] = f;
    return f;
}

PanelStyle glassPanel() {
    return {rgb(38, 52, 86), rgb(12, 17, 34), pal::brassLight, pal::brassDark, 3.0f, 12.0f};
}

namespace {

Color shadeColor(Color c, float shade, float glint, float lightGain, float darkGain) {
    c = shade > 0 ? mix(c, pal::white, shade * lightGain) : mix(c, pal::black, -shade * darkGain);
    return mix(c, pal::white, glint);
}

// Paints a rounded, bevelled face of colour gradient top..bottom through the distance function f.
template <class F>
void raisedShape(Image& img, F f, Color top, Color bottom, float bevel, float y0, float y1, float glintGain = 0.8f) {
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            Vec p{x + 0.5f, y + 0.5f};
            float d = f(p);
            float cov = coverage(d);
            if (cov <= 0) continue;
            float v = clamp01((p.y - y0) / (y1 - y0));
            float glint = 0;
            float shade = bevelShade(d, gradientOf(f, p), bevel, glint);
            img.blend(x, y, shadeColor(mix(top, bottom, v), shade, glint * glintGain, 0.6f, 0.7f), cov);
        }
}

// Text ink rows and columns, to centre a word by what is actually drawn.
void inkBounds(const Mask& m, int& x0, int& y0, int& x1, int& y1) {
    x0 = m.w, y0 = m.h, x1 = -1, y1 = -1;
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            if (m.get(x, y) > 0.25f) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
}

// A small left-pointing brass arrow: the goal label points at the goal preview beside it.
void arrowLeft(Image& img, Vec tip, float len, float half) {
    auto f = [&](Vec p) { return sdf::polygon(p, {tip, {tip.x + len, tip.y - half}, {tip.x + len, tip.y + half}}) - 1.0f; };
    raisedShape(img, f, pal::brassLight, pal::brass, 2.5f, tip.y - half, tip.y + half);
}

}  // namespace

Image panel(int w, int h, const PanelStyle& s) {
    Image img(w, h);
    Vec c{w * 0.5f, h * 0.5f}, half{w * 0.5f, h * 0.5f};
    auto outer = [&](Vec p) { return sdf::box(p, c, half, s.radius); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Vec p{x + 0.5f, y + 0.5f};
            float d = outer(p);
            float cov = coverage(d);
            if (cov <= 0) continue;
            float v = static_cast<float>(y) / std::max(1, h - 1);
            Color col;
            if (d > -s.rim) {
                float glint = 0;
                float shade = bevelShade(d, gradientOf(outer, p), s.rim, glint);
                col = shadeColor(mix(s.rimTop, s.rimBottom, v), shade, glint * 0.9f, 0.7f, 0.8f);
            } else {
                // The face sits a little below the rim: its edge is shaded the other way round.
                float dd = d + s.rim;
                float glint = 0;
                float shade = -bevelShade(dd, gradientOf(outer, p), 4.0f, glint);
                col = mix(s.faceTop, s.faceBottom, v);
                float sheen = smoothstep(0.55f, 0.0f, v) * 0.06f;
                col = mix(col, pal::white, sheen);
                col = shadeColor(col, shade * 0.8f, 0.0f, 0.35f, 0.6f);
                col = mix(col, pal::black, clamp01(1.0f + dd) * 0.55f);  // hairline at the rim
            }
            img.blend(x, y, col, cov);
        }
    return img;
}

HeadlineStyle goldHeadline() { return {pal::brassLight, rgb(214, 150, 52), rgb(40, 24, 8), pal::inkBlack, 2, 3}; }

void headline(Image& dst, ALLEGRO_FONT* font, const std::string& text, float cx, float cy, const HeadlineStyle& s) {
    const int pad = s.outlineWidth + s.shadowOffset + 4;
    Mask m = textMask(font, text, pad);
    int x0, y0, x1, y1;
    inkBounds(m, x0, y0, x1, y1);
    if (x1 < 0) return;
    int ox = static_cast<int>(std::lround(cx - (x0 + x1 + 1) * 0.5f));
    int oy = static_cast<int>(std::lround(cy - (y0 + y1 + 1) * 0.5f));
    Mask outline = dilate(m, s.outlineWidth);
    Mask shadow = blur(shifted(outline, s.shadowOffset, s.shadowOffset), 2);
    paintMask(dst, shadow, ox, oy, s.shadow, 0.75f);
    paintMask(dst, outline, ox, oy, s.outline);
    // The fill gradient spans the ink, not the line box, so every word gets the full sweep.
    Mask fill(m.w, m.h);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) fill.v[static_cast<size_t>(y) * m.w + x] = m.get(x, y);
    for (int y = 0; y < m.h; ++y) {
        float t = clamp01((y - y0) / std::max(1.0f, static_cast<float>(y1 - y0)));
        Color c = mix(s.top, s.bottom, t);
        for (int x = 0; x < m.w; ++x) dst.blend(ox + x, oy + y, c, fill.get(x, y));
    }
}

ALLEGRO_FONT* fittedBold(Fonts& fonts, const std::string& text, int maxSize, int maxWidth) {
    for (int size = maxSize; size > 8; --size) {
        ALLEGRO_FONT* f = fonts.bold(size);
        if (al_get_text_width(f, text.c_str()) <= maxWidth) return f;
    }
    return fonts.bold(8);
}

Image titlePicture(Fonts& fonts, int w, int h, int plateLeft, int plateW, int plateH) {
    Image img(w, h);
    PanelStyle s = glassPanel();
    s.rim = 4.0f;
    s.radius = 18.0f;
    drawOver(img, panel(plateW, plateH, s), plateLeft, 0);
    float cx = plateLeft + plateW * 0.5f, cy = plateH * 0.5f;
    const int gemSize = 26;
    Image left = renderGem(0, gemSize), right = renderGem(3, gemSize);
    drawOver(img, left, plateLeft + 14, static_cast<int>(cy) - gemSize / 2);
    drawOver(img, right, plateLeft + plateW - 14 - gemSize, static_cast<int>(cy) - gemSize / 2);
    ALLEGRO_FONT* f = fittedBold(fonts, "Plexaro", 50, plateW - 2 * (gemSize + 30));
    headline(img, f, "Plexaro", cx, cy, goldHeadline());
    return img;
}

Image patternLabelPicture(int w, int h) {
    Image img = panel(w, h, glassPanel());
    // The word itself is written by the game at (20, 26); the arrow below points at the preview.
    arrowLeft(img, {16.0f, h - 20.0f}, 16.0f, 8.0f);
    auto bar = [&](Vec p) { return sdf::box(p, {48.0f, h - 20.0f}, {17.0f, 2.5f}, 2.5f); };
    raisedShape(img, bar, pal::brassLight, pal::brass, 2.0f, h - 23.0f, h - 17.0f);
    return img;
}

Image exitButton(int size, ButtonState state) {
    Image img(size, size);
    bool lit = state != ButtonState::Normal;
    float c = size * 0.5f, r = size * 0.5f;
    auto outer = [&](Vec p) { return sdf::circle(p, {c, c}, r); };
    auto face = [&](Vec p) { return sdf::circle(p, {c, c}, r - 3.5f); };
    raisedShape(img, outer, pal::brassLight, pal::brassDark, 3.5f, 0, static_cast<float>(size));
    Color top = lit ? rgb(255, 110, 84) : rgb(206, 56, 44), bottom = lit ? rgb(150, 20, 20) : rgb(96, 12, 14);
    raisedShape(img, face, top, bottom, 6.0f, 4, size - 4.0f);
    float arm = r * 0.40f;
    auto cross = [&](Vec p) {
        float a = sdf::segment(p, {c - arm, c - arm}, {c + arm, c + arm}, 2.6f);
        float b = sdf::segment(p, {c - arm, c + arm}, {c + arm, c - arm}, 2.6f);
        return std::min(a, b);
    };
    auto crossShadow = [&](Vec p) { return cross({p.x - 1.0f, p.y - 1.5f}); };
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            img.blend(x, y, rgb(50, 4, 6), 0.7f * coverage(crossShadow({x + 0.5f, y + 0.5f})));
    raisedShape(img, cross, lit ? pal::white : pal::ivory, lit ? rgb(255, 226, 160) : pal::parchment, 1.6f, c - arm, c + arm);
    return img;
}

Image speedButton(int size, ButtonState state) {
    Image img(size, size);
    bool lit = state != ButtonState::Normal;
    float c = size * 0.5f;
    auto outer = [&](Vec p) { return sdf::box(p, {c, c}, {c, c}, 9.0f); };
    auto face = [&](Vec p) { return sdf::box(p, {c, c}, {c - 3.0f, c - 3.0f}, 6.5f); };
    raisedShape(img, outer, lit ? pal::white : pal::brassLight, pal::brassDark, 3.0f, 0, static_cast<float>(size));
    // A calm, dark face: the game writes the speed digit onto it.
    Color top = lit ? rgb(20, 78, 88) : rgb(12, 48, 58), bottom = lit ? rgb(8, 36, 44) : rgb(5, 22, 30);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Vec p{x + 0.5f, y + 0.5f};
            float d = face(p);
            float cov = coverage(d);
            if (cov <= 0) continue;
            float glint = 0;
            float shade = -bevelShade(d, gradientOf(face, p), 3.0f, glint);
            Color col = shadeColor(mix(top, bottom, p.y / size), shade, 0, 0.3f, 0.6f);
            img.blend(x, y, col, cov);
        }
    // Five pips along the bottom edge, one per speed step.
    for (int i = 0; i < 5; ++i) {
        Vec pc{c - 10.0f + 5.0f * i, size - 6.5f};
        auto pip = [&](Vec p) { return sdf::circle(p, pc, 1.4f); };
        raisedShape(img, pip, lit ? pal::tealLight : pal::teal, pal::tealDark, 1.0f, pc.y - 1.5f, pc.y + 1.5f, 0.3f);
    }
    return img;
}

Image okButton(Fonts& fonts, int w, int h, ButtonState state) {
    PanelStyle s = glassPanel();
    s.radius = 13.0f;
    s.rim = 3.0f;
    switch (state) {
    case ButtonState::Normal:
        s.faceTop = rgb(34, 112, 120), s.faceBottom = rgb(8, 42, 52);
        break;
    case ButtonState::Hover:
        s.faceTop = rgb(60, 170, 176), s.faceBottom = rgb(14, 72, 84);
        s.rimTop = pal::white;
        break;
    case ButtonState::Pressed:
        s.faceTop = rgb(6, 34, 42), s.faceBottom = rgb(28, 100, 108);
        s.rimTop = pal::brass, s.rimBottom = pal::brassLight;
        break;
    }
    Image img = panel(w, h, s);
    HeadlineStyle text{pal::ivory, pal::parchment, rgb(4, 24, 30), pal::inkBlack, 1, 2};
    if (state == ButtonState::Hover) text.top = pal::white, text.bottom = pal::brassLight;
    float push = state == ButtonState::Pressed ? 1.0f : 0.0f;
    headline(img, fonts.bold(20), "OK", w * 0.5f + push, h * 0.5f + push, text);
    return img;
}

Image levelMarkOpen(int size) {
    Image img(size, size);
    float c = size * 0.5f;
    // Smaller than the lit marks, which are drawn one pixel right and down over it and must hide it.
    auto ring = [&](Vec p) { return sdf::circle(p, {c, c}, 8.0f); };
    auto hole = [&](Vec p) { return sdf::circle(p, {c, c}, 6.0f); };
    raisedShape(img, ring, pal::brass, pal::brassDark, 2.0f, c - 8, c + 8, 0.4f);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            Vec p{x + 0.5f, y + 0.5f};
            float d = hole(p);
            float depth = clamp01(-d / 6.0f);
            Color col = mix(rgb(4, 6, 14), rgb(26, 34, 58), depth * (p.y > c ? 1.0f : 0.4f));
            img.blend(x, y, col, coverage(d));
        }
    return img;
}

namespace {
Image litMark(int size, Color top, Color bottom, Color rimTop, bool withStar) {
    Image img(size, size);
    float c = size * 0.5f;
    auto outer = [&](Vec p) { return sdf::circle(p, {c, c}, c); };
    auto gem = [&](Vec p) { return sdf::circle(p, {c, c}, c - 2.0f); };
    raisedShape(img, outer, rimTop, pal::brassDark, 2.0f, 0, static_cast<float>(size), 0.5f);
    raisedShape(img, gem, top, bottom, 5.5f, 2, size - 2.0f);
    if (withStar) {
        auto star = [&](Vec p) { return sdf::star(p, {c, c + 0.3f}, 6.2f, 2.7f, 5, 0.0f); };
        raisedShape(img, star, pal::white, rgb(255, 236, 170), 1.2f, c - 6, c + 6, 0.2f);
    }
    return img;
}
}  // namespace

Image levelMarkDone(int size) { return litMark(size, rgb(120, 236, 160), rgb(16, 120, 70), pal::brassLight, false); }

Image levelMarkCurrent(int size) { return litMark(size, rgb(255, 214, 92), rgb(200, 96, 16), pal::white, true); }

Image levelDoneCard(Fonts& fonts, int w, int h) {
    PanelStyle s = glassPanel();
    s.radius = 24.0f;
    s.rim = 5.0f;
    Image img = panel(w, h, s);
    const int gem = 54;
    for (int side = 0; side < 2; ++side) {
        int gx = side == 0 ? 26 : w - 26 - gem;
        drawOver(img, renderGem(1, gem), gx, (h - gem) / 2);
    }
    const std::string text = "Poziom ukończony!";
    ALLEGRO_FONT* f = fittedBold(fonts, text, 46, w - 2 * (gem + 48));
    headline(img, f, text, w * 0.5f, h * 0.5f - 8.0f, goldHeadline());
    // A row of small gems under the words, one of each kind.
    const int small = 14, pitch = 22;
    int x0 = static_cast<int>(w * 0.5f - (6 * pitch - (pitch - small)) * 0.5f);
    for (int k = 0; k < 6; ++k) drawOver(img, renderGem(k, small), x0 + k * pitch, h - 32);
    return img;
}

Image levelDoneHint(Fonts& fonts, int w, int h) {
    PanelStyle s = glassPanel();
    s.radius = h * 0.5f;
    s.rim = 2.5f;
    s.faceTop = rgb(24, 92, 100), s.faceBottom = rgb(6, 36, 46);
    Image img = panel(w, h, s);
    // A little mouse with its left button lit, then the words.
    float mx = 24.0f, my = h * 0.5f;
    auto body = [&](Vec p) { return sdf::box(p, {mx, my}, {6.0f, 9.0f}, 5.5f); };
    raisedShape(img, body, pal::ivory, pal::parchment, 1.5f, my - 9, my + 9, 0.3f);
    auto button = [&](Vec p) { return sdf::box(p, {mx - 2.6f, my - 4.6f}, {2.4f, 3.6f}, 1.6f); };
    raisedShape(img, button, pal::brassLight, rgb(230, 150, 40), 1.0f, my - 8, my - 1, 0.2f);
    HeadlineStyle text{pal::white, pal::brassLight, rgb(2, 20, 26), pal::inkBlack, 1, 1};
    headline(img, fittedBold(fonts, "Kliknij myszką", 17, w - 60), "Kliknij myszką", w * 0.5f + 12.0f, h * 0.5f, text);
    return img;
}

Image finalePlate(Fonts& fonts, int w, int h, int visibleH) {
    Image img(w, h);
    PanelStyle s = glassPanel();
    s.radius = 12.0f;
    drawOver(img, panel(w, visibleH, s), 0, 0);
    const std::string text = "Mistrz Plexaro!";
    headline(img, fittedBold(fonts, text, 20, w - 30), text, w * 0.5f, visibleH * 0.5f, goldHeadline());
    return img;
}

Image finaleBanner(int w, int h) {
    PanelStyle s{pal::ivory, pal::parchment, pal::brassLight, pal::brassDark, 2.5f, 10.0f};
    Image img = panel(w, h, s);
    // Below the line the game writes: a chain of little brass diamonds, calm enough to sit under text.
    const float y = h - 9.5f;
    for (float x = 18.0f; x < w - 12.0f; x += 16.0f) {
        auto dia = [&](Vec p) { return sdf::polygon(p, {{x, y - 3.5f}, {x + 3.5f, y}, {x, y + 3.5f}, {x - 3.5f, y}}); };
        raisedShape(img, dia, pal::brass, pal::brassDark, 1.5f, y - 3.5f, y + 3.5f, 0.3f);
    }
    return img;
}

}  // namespace art
