// Composes the game's screens from the files in media/, the way the game draws them, for looking at.
#pragma once

#include <string>

namespace art {

// Writes play.png, intro.png, instructions.png, level-complete.png, finale.png and sprites-x2.png.
bool writePreviews(const std::string& mediaDir, const std::string& outDir);

}  // namespace art
