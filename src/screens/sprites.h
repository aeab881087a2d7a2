// Drawing one atlas region or one backdrop patch onto the current target.
#pragma once

#include "atlas.h"

// Draws the atlas region unscaled with its top-left corner at (x, y).
void drawSprite(const Region& region, int x, int y);
inline void drawSprite(const Region& region, Point at) { drawSprite(region, at.x, at.y); }
// Copies the backdrop's region to the same place, erasing what was drawn there.
void drawBackdropPatch(const Region& patch);
// Covers the whole current target with (12, 12, 12) at the given alpha: the veil over an outgoing picture.
void darkenCurrentTarget(unsigned char alpha);
// Draws the tile picture of value v (100 x 100) at board cell (c, r).
void drawTile(int v, int c, int r);
