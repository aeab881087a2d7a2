// The game's control flow: start pages, the level cycle, the play loop and the three ways out.
#pragma once

// Plays the game from start-up to one of its exits; always returns 0, the process's exit status.
int runGame();
// Starts the level in `level` as the level cycle does: reveal, scramble, counter, fresh mouse snapshot.
void openLevel();
// The pass-by-pass loop of one level; returns true when the game is to end now (exit button).
bool playLevel();
