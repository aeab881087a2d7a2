// The colours shared by every picture of the game, so tiles, plates, buttons and backgrounds read as one set.
#pragma once

#include "raster.h"

namespace art::palette {

// Night-blue surfaces.
inline const Color inkBlack = rgb(6, 8, 16);
inline const Color navyDeep = rgb(10, 14, 30);
inline const Color navy = rgb(20, 28, 54);
inline const Color slate = rgb(40, 54, 88);
inline const Color haze = rgb(70, 92, 132);

// Brass for rims, frames and headings.
inline const Color brassDark = rgb(104, 74, 30);
inline const Color brass = rgb(192, 152, 76);
inline const Color brassLight = rgb(246, 222, 150);

// Teal, the game's accent (speed value, level number, group texts).
inline const Color tealDark = rgb(14, 70, 78);
inline const Color teal = rgb(40, 148, 158);
inline const Color tealLight = rgb(130, 226, 222);

inline const Color ivory = rgb(244, 236, 214);
inline const Color parchment = rgb(226, 212, 176);
inline const Color white = rgb(255, 255, 255);
inline const Color black = rgb(0, 0, 0);

// The dark line between board cells; every tile starts with it on its left column and top row.
inline const Color grout = rgb(12, 14, 24);

}  // namespace art::palette
