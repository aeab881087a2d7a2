// Music by level group and the click.
#pragma once

// True once the audio system is installed and the sample voice reserved (startUp). Without a working
// sound device it stays false and every sound call below is silent; no null handle reaches the library.
extern bool audioAvailable;

// Installs audio, the codec addon and one sample voice; sets audioAvailable.
void setUpAudio();
// The track for the current level, as a looping instance on the default mixer, left stopped.
void selectMusic();
// Applies musicGain to the current track and makes sure it plays.
void playMusic();
// Stops the current track.
void stopMusic();
// Plays the click once through the reserved voice; refused silently while the last click still sounds.
void playClick();
// The track file for a level (0: start pages, 1..25 by group of five, 26 and above: finale).
const char* musicFileForLevel(int level);
// How many clicks were asked for since start (the test suite counts them).
int clickRequests();
