// Composes plx_abc.png: the tile band with its grout, then plates, buttons, marks, card, hint and finale sprites.
#include "atlas_sheet.h"

#include "atlas.h"
#include "figure.h"
#include "palette.h"
#include "tiles.h"

#include <algorithm>

namespace art {
namespace {

namespace pal = palette;

// What a half-covered edge pixel is blended with: roughly the colour each sprite is shown over.
const Color skyMatte = rgb(12, 16, 32);
const Color boardMatte = rgb(24, 28, 44);
const Color groundMatte = rgb(22, 30, 50);

void place(Image& atlas, const Image& sprite, Region r, Color matte) { flattenOnto(atlas, sprite, r.x, r.y, matte); }

// Tiles side by side, then the grout column after the last tile and the grout row under them all:
// the 101 x 101 reads of the level start take both, and they stay on screen at x 960 and y 700.
void tileBand(Image& atlas) {
    for (int v = 0; v < tileKinds; ++v) place(atlas, renderTile(v), tileSprite(v), boardMatte);
    Image groutColumn(1, tileSpriteWideSize), groutRow(tileSpritePitch * tileKinds + 1, 1);
    groutColumn.fill(pal::grout);
    groutRow.fill(pal::grout);
    place(atlas, groutColumn, {tileSpritePitch * tileKinds, tileSpriteY, 1, tileSpriteWideSize}, boardMatte);
    place(atlas, groutRow, {0, tileSpriteY + tileSpriteSize, tileSpritePitch * tileKinds + 1, 1}, boardMatte);
}

// The play screen and the intro page crop one title picture slightly differently; the plate sits in
// the part both crops share, so each shows it whole.
void titleArt(Image& atlas, Fonts& fonts) {
    int x0 = std::min(titlePlate.x, introTitlePlate.x), y0 = std::min(titlePlate.y, introTitlePlate.y);
    int x1 = std::max(titlePlate.x + titlePlate.w, introTitlePlate.x + introTitlePlate.w);
    int y1 = std::max(titlePlate.y + titlePlate.h, introTitlePlate.y + introTitlePlate.h);
    int plateX = std::max(titlePlate.x, introTitlePlate.x);
    int plateR = std::min(titlePlate.x + titlePlate.w, introTitlePlate.x + introTitlePlate.w);
    int plateB = std::min(titlePlate.y + titlePlate.h, introTitlePlate.y + introTitlePlate.h);
    Image pic = titlePicture(fonts, x1 - x0, y1 - y0, plateX - x0, plateR - plateX, plateB - y0);
    place(atlas, pic, {x0, y0, x1 - x0, y1 - y0}, skyMatte);
}

}  // namespace

Image buildAtlas(Fonts& fonts) {
    Image atlas(atlasMinWidth, atlasMinHeight);
    atlas.fill({1.0f, 0.0f, 1.0f});
    tileBand(atlas);
    place(atlas, patternLabelPicture(::patternLabelPlate.w, ::patternLabelPlate.h), ::patternLabelPlate, skyMatte);
    titleArt(atlas, fonts);
    place(atlas, exitButton(::exitButtonNormal.w, ButtonState::Normal), ::exitButtonNormal, skyMatte);
    place(atlas, exitButton(::exitButtonHover.w, ButtonState::Hover), ::exitButtonHover, skyMatte);
    place(atlas, speedButton(::speedButtonNormal.w, ButtonState::Normal), ::speedButtonNormal, skyMatte);
    place(atlas, speedButton(::speedButtonHover.w, ButtonState::Hover), ::speedButtonHover, skyMatte);
    place(atlas, levelMarkOpen(::levelMarkOpen.w), ::levelMarkOpen, skyMatte);
    place(atlas, levelMarkDone(::levelMarkDone.w), ::levelMarkDone, skyMatte);
    place(atlas, levelMarkCurrent(::levelMarkCurrent.w), ::levelMarkCurrent, skyMatte);
    place(atlas, okButton(fonts, ::okButtonNormal.w, ::okButtonNormal.h, ButtonState::Normal), ::okButtonNormal, skyMatte);
    place(atlas, okButton(fonts, ::okButtonHover.w, ::okButtonHover.h, ButtonState::Hover), ::okButtonHover, skyMatte);
    place(atlas, okButton(fonts, ::okButtonPressed.w, ::okButtonPressed.h, ButtonState::Pressed), ::okButtonPressed, skyMatte);
    place(atlas, levelDoneCard(fonts, ::levelDoneCard.w, ::levelDoneCard.h), ::levelDoneCard, boardMatte);
    place(atlas, levelDoneHint(fonts, ::levelDoneHint.w, ::levelDoneHint.h), ::levelDoneHint, boardMatte);
    place(atlas, finaleFigure(::finaleFigure.w, ::finaleFigure.h), ::finaleFigure, groundMatte);
    place(atlas, finaleBanner(::finaleBanner.w, ::finaleBanner.h), ::finaleBanner, groundMatte);
    // The text patch of the finale covers the plate's lowest rows, so the plate is drawn above them.
    constexpr int plateHiddenRows = 6;
    place(atlas, finalePlate(fonts, ::finalePlate.w, ::finalePlate.h, ::finalePlate.h - plateHiddenRows), ::finalePlate, skyMatte);
    return atlas;
}

}  // namespace art
