// Lays every sprite into the game's sprite sheet at the rectangle the game reads it from.
#pragma once

#include "raster.h"
#include "widgets.h"

namespace art {

// The whole sheet, opaque, with (255, 0, 255) wherever a sprite is to be transparent.
Image buildAtlas(Fonts& fonts);

}  // namespace art
