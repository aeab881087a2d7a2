// Plates, buttons, level marks and the level-complete pictures of the atlas.
#pragma once

#include "raster.h"

#include <map>
#include <string>

namespace art {

// The game's two typefaces at any size, loaded from the media directory.
class Fonts {
public:
    explicit Fonts(std::string mediaDir) : dir_(std::move(mediaDir)) {}
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    ALLEGRO_FONT* regular(int size) { return get(false, size); }
    ALLEGRO_FONT* bold(int size) { return get(true, size); }

private:
    ALLEGRO_FONT* get(bool bold, int size);
    std::string dir_;
    std::map<std::pair<bool, int>, ALLEGRO_FONT*> cache_;
};

struct PanelStyle {
    Color faceTop, faceBottom;
    Color rimTop, rimBottom;
    float rim;
    float radius;
};

// The dark glass panel with a brass rim that plates and buttons are made of.
PanelStyle glassPanel();
Image panel(int w, int h, const PanelStyle& s);

// Headline text: gradient fill, dark outline and a soft drop shadow, centred on (cx, cy) by its ink.
struct HeadlineStyle {
    Color top, bottom, outline, shadow;
    int outlineWidth;
    int shadowOffset;
};
HeadlineStyle goldHeadline();
void headline(Image& dst, ALLEGRO_FONT* font, const std::string& text, float cx, float cy, const HeadlineStyle& s);
// The largest size, at most `maxSize`, at which the bold text is no wider than maxWidth.
ALLEGRO_FONT* fittedBold(Fonts& fonts, const std::string& text, int maxSize, int maxWidth);

enum class ButtonState { Normal, Hover, Pressed };

Image titlePicture(Fonts& fonts, int w, int h, int plateLeft, int plateW, int plateH);
Image patternLabelPicture(int w, int h);
Image exitButton(int size, ButtonState state);
Image speedButton(int size, ButtonState state);
Image okButton(Fonts& fonts, int w, int h, ButtonState state);
Image levelMarkOpen(int size);
Image levelMarkDone(int size);
Image levelMarkCurrent(int size);
Image levelDoneCard(Fonts& fonts, int w, int h);
Image levelDoneHint(Fonts& fonts, int w, int h);
Image finalePlate(Fonts& fonts, int w, int h, int visibleH);
Image finaleBanner(int w, int h);

}  // namespace art
