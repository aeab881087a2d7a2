// The generator's instruments: pitched voices, drums and the board click, each rendered as one mono note.
#pragma once

#include <vector>

#include "dsp.h"

namespace musicgen {

enum class Instrument {
    EPiano,     // two-operator FM, bell-like attack that mellows
    Pluck,      // Karplus-Strong string
    Pad,        // detuned soft saws behind a low-pass, slow swell
    Bell,       // inharmonic FM
    Marimba,    // sine bar with fast-dying overtones
    Flute,      // sine with breath and delayed vibrato
    Lead,       // soft square with vibrato
    Brass,      // FM whose brightness follows loudness
    SubBass,    // round sine bass
    PluckBass,  // low Karplus-Strong string
    SynthBass,  // saw bass with a closing filter
};

enum class Drum { Kick, Snare, Clap, HatClosed, HatOpen, Shaker, Crash, Rim };

// One note of `gateSeconds` held, velocity 0..1; the result includes the release tail.
std::vector<float> renderNote(Instrument instrument, double midi, double gateSeconds, double velocity, Rng& rng);

std::vector<float> renderDrum(Drum drum, double velocity, Rng& rng);

// The tick heard for every shift of a row or column: bright, woody, a few milliseconds long.
std::vector<float> renderClick();

}  // namespace musicgen
