// Writing the generator's loops as Ogg Vorbis files and reading them back to check what the game will hear.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace musicgen {

// Planar float audio, one vector per channel, all the same length.
using Channels = std::vector<std::vector<float>>;

struct EncodeOptions {
    float quality = 0.4f;
    int serial = 1;             // fixed so the same audio always gives the same bytes
    std::string title;
};

bool writeOggVorbis(const std::string& path, const Channels& audio, const EncodeOptions& options);

struct Decoded {
    bool ok = false;
    int channels = 0;
    long rate = 0;
    Channels audio;
};

Decoded readOggVorbis(const std::string& path);

}  // namespace musicgen
