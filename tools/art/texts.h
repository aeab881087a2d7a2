// The words of the game: every line of media/tekst.txt, in the slot the screens read it from.
#pragma once

#include <string>
#include <vector>

namespace art {

// All lines of the text file, line n for slot n.
const std::vector<std::string>& gameTextLines();
// Writes them as UTF-8 with a line feed after every line.
bool writeTextFile(const std::string& path);

}  // namespace art
