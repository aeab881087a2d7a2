// The game's words: "media/tekst.txt", line n in text slot n.
#pragma once

// Reads the text file into textLines; a missing or unreadable file leaves the slots empty.
void loadTextLines();
