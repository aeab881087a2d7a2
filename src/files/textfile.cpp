// Reads "media/tekst.txt" line by line into the 50 text slots.
#include "textfile.h"

#include <fstream>

#include "../screens/atlas.h"
#include "../shell/records.h"

void loadTextLines()
{
    std::ifstream file(textFile);
    // Stops at end of file, and also on a read error (a directory of that name, say), which never
    // reaches end of file; lines after the last slot have nowhere to go.
    for (int n = 0; n < textSlots && file && !file.eof(); ++n) {
        std::string line;
        std::getline(file, line);
        const bool endedByLineFeed = !file.eof();
        if (endedByLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
        game.textLines[n] = line;
    }
}
