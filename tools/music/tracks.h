// The game's seven pieces of music and where each one is written.
#pragma once

#include <string>
#include <vector>

#include "composer.h"

namespace musicgen {

struct TrackSpec {
    std::string file;   // name under media/ogg
    std::string title;
    int serial;         // Ogg stream serial number, fixed per file
    Style style;
};

std::vector<TrackSpec> gameTracks();

}  // namespace musicgen
