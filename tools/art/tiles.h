// The six board tiles: glossy gems, each with its own hue, brightness and raised symbol.
#pragma once

#include "raster.h"

namespace art {

constexpr int tilePictureSize = 100;

// One tile as it sits in the atlas: 100 x 100, opaque, the grout line on its left column and top row.
Image renderTile(int kind);
// The same gem at any size, without grout or tray, for decorations on the other pictures.
Image renderGem(int kind, int size);

}  // namespace art
