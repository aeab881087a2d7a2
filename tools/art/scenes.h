// The full-screen pictures (intro page, play background, finale foreground) and the mouse cursor.
#pragma once

#include "raster.h"
#include "widgets.h"

namespace art {

Image introBackground(Fonts& fonts);
Image playBackground(Fonts& fonts);
// The finale's foreground; transparent parts are left at alpha 0 for flattening to the mask colour.
Image finaleForeground();
Image cursorArrow(int size);

}  // namespace art
