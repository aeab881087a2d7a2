// The wanderer who walks across the finale: a cartoon figure in mid-stride, facing left.
#pragma once

#include "raster.h"

namespace art {

Image finaleFigure(int w, int h);

}  // namespace art
