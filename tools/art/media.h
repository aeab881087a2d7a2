// Writes every generated file of the media directory.
#pragma once

#include <string>

namespace art {

// Copies the fonts and their licence, writes the texts and draws all pictures into mediaDir.
// Returns false (after saying why on stderr) when something could not be written.
bool writeMedia(const std::string& mediaDir);

}  // namespace art
