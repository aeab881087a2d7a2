// A piece described as harmony, form and lanes of instruments, and its rendering into one seamless loop.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dsp.h"
#include "instruments.h"

namespace musicgen {

using Scale = std::array<int, 7>;
constexpr Scale kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr Scale kMinor{0, 2, 3, 5, 7, 8, 10};
constexpr Scale kDorian{0, 2, 3, 5, 7, 9, 10};

// A chord built in thirds on a degree of the piece's scale (0 = tonic), lasting `beats`.
struct ChordSpec {
    int degree;
    int beats;
    bool seventh = false;
};

struct Section {
    std::vector<ChordSpec> chords;
};

// Which form positions a lane plays in: one '1' or '0' per letter of the form; empty means everywhere.
using PlaysIn = std::string;

// Patterns run on the sixteenth-note grid and repeat: 'X' accent, 'x' normal, 'o' soft, '-' hold, '.' rest.
// Bass patterns use 'R' root, 'F' fifth, 'O' octave, 'A' a step leading to the next chord, '-' and '.'.

struct MelodyLane {
    Instrument instrument;
    int transpose;
    double gain, pan, echo, reverb;
    PlaysIn playsIn;
};

enum class CompMode { Chord, Arpeggio };

struct CompLane {
    Instrument instrument;
    CompMode mode;
    std::string pattern;
    int center;          // MIDI note the voicings gather round
    double gateSteps;    // 0: hold to the next hit
    double gain, pan, echo, reverb;
    PlaysIn playsIn;
    double strumSeconds = 0.0;
};

struct BassLane {
    Instrument instrument;
    std::string pattern;
    int center;
    double gain, reverb;
    PlaysIn playsIn;
};

struct DrumLane {
    Drum drum;
    std::string pattern;
    double gain, pan, reverb;
    PlaysIn playsIn;
};

enum class Density { Calm, Moderate, Busy };

struct Style {
    uint64_t seed;
    int tonic;                 // MIDI pitch of degree 0 in the melody's octave
    Scale scale;
    double bpm;
    int stepsPerBar;           // 16 for 4/4, 12 for 3/4
    double swing;              // delay of the off-beat sixteenths, as a fraction of a sixteenth
    std::vector<Section> sections;
    std::string form;          // letters name sections: "AABA"
    Density density;
    int melodyLow, melodyHigh; // melody range in scale degrees
    std::vector<MelodyLane> melody;
    std::vector<CompLane> comps;
    std::vector<BassLane> bass;
    std::vector<DrumLane> drums;
    int fillEvery;             // bars between snare fills, 0 for none
    bool crashOnSections;
    double echoBeats, echoFeedback;
    double reverbRoom, reverbReturn;
    double air = 0.0;          // share of the highs added to (or taken from) the finished mix
};

// Sixteenth-note length in frames, rounded so every bar is a whole number of frames.
long stepFrames(const Style& style);
long loopFrames(const Style& style);

// One melody note on the sixteenth grid of its section; degree in the piece's scale.
struct MelodyNote {
    int step, length, degree;
    int accent;  // 2 strong beat, 1 other beat, 0 off the beat
};

// The melody of one section: chord tones on the strong beats, steps and neighbours between them.
std::vector<MelodyNote> composeMelody(const Style& style, const Section& section, Rng& rng);

// Scale degrees (mod 7) sounding in a chord.
std::vector<int> chordDegrees(const ChordSpec& chord);

LoopBuffer renderStyle(const Style& style);

}  // namespace musicgen
