// The game's seven pieces: the welcome of the start pages, one piece per level group, and the finale.
#include "tracks.h"

namespace musicgen {

namespace {

using I = Instrument;
using C = CompMode;
using D = Drum;

// The start pages: F major at 80, a breathy flute over a soft electric piano and pad; hardly any drums.
Style welcome() {
    Style s;
    s.seed = 0x6D757A31;
    s.tonic = 65;
    s.scale = kMajor;
    s.bpm = 80;
    s.stepsPerBar = 16;
    s.swing = 0.0;
    s.sections = {
        {{{0, 4}, {5, 4}, {3, 4}, {4, 4}, {0, 4}, {2, 4}, {3, 4}, {4, 4, true}}},
        {{{3, 4, true}, {4, 4}, {2, 4}, {5, 4}, {1, 4, true}, {4, 4}, {1, 4, true}, {4, 4, true}}},
    };
    s.form = "AB";
    s.density = Density::Calm;
    s.melodyLow = 0;
    s.melodyHigh = 9;
    s.melody = {{I::Flute, 0, 0.50, 0.1, 0.25, 0.5, ""}, {I::Bell, 12, 0.10, -0.2, 0.3, 0.5, "01"}};
    s.comps = {{I::EPiano, C::Arpeggio, "x-x-x-x-x-x-x-x-", 60, 3, 0.22, -0.3, 0.1, 0.4, ""},
               {I::Pad, C::Chord, "x---------------", 57, 0, 0.22, 0.0, 0.0, 0.6, ""}};
    s.bass = {{I::SubBass, "R-------F-------", 41, 0.40, 0.05, ""}};
    s.drums = {{D::Shaker, "..o...o...o...o.", 0.25, 0.4, 0.2, ""},
               {D::Rim, "........o.......", 0.22, -0.2, 0.3, ""},
               {D::Kick, "o.......o.......", 0.45, 0.0, 0.0, "01"}};
    s.fillEvery = 0;
    s.crashOnSections = false;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.35;
    s.reverbRoom = 0.86;
    s.reverbReturn = 2.5;
    return s;
}

// First group: G major waltz at 90, marimba and plucked strings, a flute in the middle part.
Style firstGroup() {
    Style s;
    s.seed = 0x4F72766E;
    s.tonic = 67;
    s.scale = kMajor;
    s.bpm = 90;
    s.stepsPerBar = 12;
    s.swing = 0.0;
    s.sections = {
        {{{0, 3}, {5, 3}, {3, 3}, {4, 3}, {0, 3}, {5, 3}, {1, 3}, {4, 3}}},
        {{{3, 3}, {4, 3}, {2, 3}, {5, 3}, {1, 3}, {4, 3}, {0, 3}, {4, 3, true}}},
    };
    s.form = "AABA";
    s.density = Density::Moderate;
    s.melodyLow = 0;
    s.melodyHigh = 9;
    s.melody = {{I::Marimba, 0, 0.55, 0.15, 0.2, 0.3, "1101"}, {I::Flute, 0, 0.40, 0.15, 0.2, 0.4, "0010"}};
    s.comps = {{I::Pluck, C::Arpeggio, "x-x-x-x-x-x-", 55, 4, 0.30, -0.35, 0.0, 0.3, ""},
               {I::Pad, C::Chord, "x-----------", 60, 0, 0.12, 0.0, 0.0, 0.5, "0111"}};
    s.bass = {{I::PluckBass, "R-------F---", 43, 0.50, 0.05, ""}};
    s.drums = {{D::Kick, "x...........", 0.55, 0.0, 0.0, ""},
               {D::HatClosed, "....o...o...", 0.25, 0.3, 0.1, ""},
               {D::Shaker, "..o...o...o.", 0.20, -0.3, 0.1, ""}};
    s.fillEvery = 0;
    s.crashOnSections = false;
    s.echoBeats = 0.5;
    s.echoFeedback = 0.3;
    s.reverbRoom = 0.8;
    s.reverbReturn = 2.0;
    return s;
}

// Second group: D dorian at 100 with swung sixteenths, electric-piano stabs and a plucked lead.
Style secondGroup() {
    Style s;
    s.seed = 0x51756573;
    s.tonic = 74;
    s.scale = kDorian;
    s.bpm = 100;
    s.stepsPerBar = 16;
    s.swing = 0.2;
    s.sections = {
        {{{0, 4, true}, {3, 4, true}, {0, 4, true}, {3, 4, true}, {2, 4, true}, {3, 4, true}, {4, 4, true}, {0, 4, true}}},
        {{{6, 4, true}, {2, 4, true}, {3, 4, true}, {4, 4, true}, {6, 4, true}, {2, 4, true}, {3, 2, true}, {4, 2, true}, {3, 4, true}}},
    };
    s.form = "ABA";
    s.density = Density::Moderate;
    s.melodyLow = -3;
    s.melodyHigh = 6;
    s.melody = {{I::Pluck, 0, 0.50, 0.1, 0.3, 0.25, ""}, {I::Bell, 12, 0.10, -0.3, 0.3, 0.3, "010"}};
    s.comps = {{I::EPiano, C::Chord, "x-....x-..x-....", 62, 2, 0.32, -0.25, 0.0, 0.3, ""},
               {I::Pad, C::Chord, "x---------------", 57, 0, 0.12, 0.0, 0.0, 0.5, "010"}};
    s.bass = {{I::SynthBass, "R-.R..R.O-..R.A.", 38, 0.38, 0.0, ""}};
    s.drums = {{D::Kick, "x..x......x..x..", 0.60, 0.0, 0.0, ""},
               {D::Snare, "....x.......x...", 0.42, 0.05, 0.15, ""},
               {D::HatClosed, "xoxoxoxoxoxoxoxo", 0.13, 0.3, 0.05, ""},
               {D::HatOpen, "..............o.", 0.12, 0.3, 0.1, ""},
               {D::Rim, "..........o.....", 0.20, -0.3, 0.1, ""}};
    s.fillEvery = 8;
    s.crashOnSections = false;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.3;
    s.reverbRoom = 0.8;
    s.reverbReturn = 2.0;
    s.air = 0.15;
    return s;
}

// Third group: A minor at 110, a singing square lead over running plucked sixteenths and a driving bass.
Style thirdGroup() {
    Style s;
    s.seed = 0x4472616D;
    s.tonic = 69;
    s.scale = kMinor;
    s.bpm = 110;
    s.stepsPerBar = 16;
    s.swing = 0.0;
    s.sections = {
        {{{0, 4}, {5, 4}, {2, 4}, {6, 4}, {0, 4}, {5, 4}, {2, 4}, {6, 4}}},
        {{{5, 4}, {6, 4}, {4, 4}, {0, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}},
    };
    s.form = "ABAB";
    s.density = Density::Moderate;
    s.melodyLow = -2;
    s.melodyHigh = 8;
    s.melody = {{I::Lead, 0, 0.38, 0.0, 0.25, 0.25, ""}};
    s.comps = {{I::Pluck, C::Arpeggio, "xxxxxxxxxxxxxxxx", 57, 2, 0.17, -0.4, 0.1, 0.2, ""},
               {I::Pad, C::Chord, "x---------------", 60, 0, 0.14, 0.2, 0.0, 0.5, ""}};
    s.bass = {{I::SynthBass, "R-R-R-R-R-R-O-A-", 45, 0.34, 0.0, ""}};
    s.drums = {{D::Kick, "x.....x.x.......", 0.70, 0.0, 0.0, ""},
               {D::Snare, "....x.......x...", 0.50, 0.05, 0.15, ""},
               {D::HatClosed, "x.x.x.x.x.x.x.x.", 0.17, 0.35, 0.05, ""},
               {D::HatOpen, "..............x.", 0.15, 0.35, 0.1, ""}};
    s.fillEvery = 4;
    s.crashOnSections = true;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.35;
    s.reverbRoom = 0.78;
    s.reverbReturn = 1.8;
    s.air = 0.3;
    return s;
}

// Fourth group: B-flat major at 120, four on the floor, FM brass with strummed strings and bouncing octaves.
Style fourthGroup() {
    Style s;
    s.seed = 0x5A6F6C76;
    s.tonic = 70;
    s.scale = kMajor;
    s.bpm = 120;
    s.stepsPerBar = 16;
    s.swing = 0.1;
    s.sections = {
        {{{0, 4}, {5, 4}, {3, 4}, {4, 4}, {0, 4}, {2, 4}, {3, 4}, {4, 4}}},
        {{{3, 4}, {4, 4}, {2, 4}, {5, 4}, {1, 4, true}, {4, 4}, {0, 4}, {4, 4, true}}},
    };
    s.form = "AABA";
    s.density = Density::Moderate;
    s.melodyLow = 0;
    s.melodyHigh = 10;
    s.melody = {{I::Brass, 0, 0.40, 0.05, 0.2, 0.3, ""}, {I::Bell, 12, 0.12, -0.3, 0.3, 0.3, "0101"}};
    s.comps = {{I::EPiano, C::Arpeggio, "x-xxx-xxx-xxx-xx", 65, 2, 0.18, -0.3, 0.15, 0.2, ""},
               {I::Pluck, C::Chord, "x-------x-------", 60, 0, 0.20, 0.35, 0.0, 0.2, "", 0.012},
               {I::Pad, C::Chord, "x---------------", 57, 0, 0.12, 0.0, 0.0, 0.5, "0010"}};
    s.bass = {{I::SubBass, "R.O.R.O.R.O.R.OA", 46, 0.30, 0.0, ""}};
    s.drums = {{D::Kick, "x...x...x...x...", 0.58, 0.0, 0.0, ""},
               {D::Clap, "....x.......x...", 0.45, 0.0, 0.2, ""},
               {D::HatClosed, "xoxoxoxoxoxoxoxo", 0.32, 0.3, 0.05, ""},
               {D::HatOpen, "..x...x...x...x.", 0.22, -0.2, 0.1, ""},
               {D::Shaker, "oxoxoxoxoxoxoxox", 0.12, -0.4, 0.05, ""}};
    s.fillEvery = 8;
    s.crashOnSections = true;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.3;
    s.reverbRoom = 0.8;
    s.reverbReturn = 1.8;
    s.air = 0.35;
    return s;
}

// Last group: E major at 128, the brightest and busiest: lead, running plucks, off-beat stabs, sixteenth hats.
Style fifthGroup() {
    Style s;
    s.seed = 0x4B657374;
    s.tonic = 76;
    s.scale = kMajor;
    s.bpm = 128;
    s.stepsPerBar = 16;
    s.swing = 0.0;
    s.sections = {
        {{{0, 4}, {4, 4}, {5, 4}, {3, 4}, {0, 4}, {4, 4}, {3, 4}, {4, 4}}},
        {{{3, 4}, {4, 4}, {2, 4}, {5, 4}, {3, 4}, {4, 4}, {1, 4, true}, {4, 4, true}}},
    };
    s.form = "AABA";
    s.density = Density::Busy;
    s.melodyLow = -3;
    s.melodyHigh = 6;
    s.melody = {{I::Lead, 0, 0.34, 0.0, 0.3, 0.2, ""}, {I::Bell, 12, 0.12, 0.3, 0.3, 0.3, "0001"}};
    s.comps = {{I::Pluck, C::Arpeggio, "xxxxxxxxxxxxxxxx", 64, 2, 0.16, -0.4, 0.15, 0.2, ""},
               {I::EPiano, C::Chord, "..x...x...x...x.", 60, 2, 0.22, 0.3, 0.0, 0.2, ""},
               {I::Pad, C::Chord, "x---------------", 57, 0, 0.12, 0.0, 0.0, 0.5, ""}};
    s.bass = {{I::SynthBass, "R-RR-RR-R-RR-RO-", 40, 0.30, 0.0, ""}};
    s.drums = {{D::Kick, "x...x...x...x...", 0.62, 0.0, 0.0, ""},
               {D::Clap, "....x.......x...", 0.45, 0.0, 0.2, ""},
               {D::Snare, "....x.......x...", 0.30, 0.05, 0.1, ""},
               {D::HatClosed, "xoxxxoxxxoxxxoxx", 0.34, 0.3, 0.05, ""},
               {D::HatOpen, "..x...x...x...x.", 0.20, -0.2, 0.1, ""},
               {D::Shaker, "oxoxoxoxoxoxoxox", 0.18, -0.4, 0.05, ""}};
    s.fillEvery = 4;
    s.crashOnSections = true;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.35;
    s.reverbRoom = 0.78;
    s.reverbReturn = 1.6;
    s.air = 0.55;
    return s;
}

// The finale: C major at 136, a brass fanfare doubled by bells, off-beat stabs, rolls into every fourth bar.
Style finale() {
    Style s;
    s.seed = 0x4D697274;
    s.tonic = 72;
    s.scale = kMajor;
    s.bpm = 136;
    s.stepsPerBar = 16;
    s.swing = 0.0;
    s.sections = {
        {{{0, 4}, {3, 4}, {4, 4}, {0, 4}, {5, 4}, {3, 4}, {4, 4, true}, {0, 4}}},
        {{{3, 4}, {4, 4}, {2, 4}, {5, 4}, {1, 4}, {4, 4}, {0, 4}, {4, 4, true}}},
    };
    s.form = "AABA";
    s.density = Density::Moderate;
    s.melodyLow = -3;
    s.melodyHigh = 7;
    s.melody = {{I::Brass, 0, 0.42, 0.0, 0.2, 0.3, ""}, {I::Bell, 12, 0.14, -0.3, 0.3, 0.3, "0111"}};
    s.comps = {{I::EPiano, C::Chord, "..x-..x-..x-..x-", 64, 2, 0.22, 0.3, 0.0, 0.2, ""},
               {I::Pluck, C::Arpeggio, "xxxxxxxxxxxxxxxx", 67, 2, 0.14, -0.4, 0.1, 0.2, ""},
               {I::Pad, C::Chord, "x---------------", 60, 0, 0.14, 0.0, 0.0, 0.5, ""},
               {I::Bell, C::Arpeggio, "x.x.x.x.x.x.x.x.", 84, 2, 0.06, 0.4, 0.2, 0.3, "0111"}};
    s.bass = {{I::SubBass, "R.O.R.O.F.O.R.OA", 36, 0.50, 0.0, ""}};
    s.drums = {{D::Kick, "x...x...x...x...", 0.75, 0.0, 0.0, ""},
               {D::Snare, "....x.......x...", 0.45, 0.05, 0.15, ""},
               {D::Clap, "....x.......x...", 0.30, 0.0, 0.2, ""},
               {D::HatClosed, "xxxxxxxxxxxxxxxx", 0.16, 0.3, 0.05, ""},
               {D::HatOpen, "..x...x...x...x.", 0.18, -0.2, 0.1, ""}};
    s.fillEvery = 4;
    s.crashOnSections = true;
    s.echoBeats = 0.75;
    s.echoFeedback = 0.3;
    s.reverbRoom = 0.82;
    s.reverbReturn = 1.8;
    s.air = 0.3;
    return s;
}

}  // namespace

std::vector<TrackSpec> gameTracks() {
    return {
        {"muz1.ogg", "Welcome", 1001, welcome()},
        {"Orvanel.ogg", "Orvanel", 1002, firstGroup()},
        {"Quessith.ogg", "Quessith", 1003, secondGroup()},
        {"Dramwick.ogg", "Dramwick", 1004, thirdGroup()},
        {"Zolvenar.ogg", "Zolvenar", 1005, fourthGroup()},
        {"Kestrune.ogg", "Kestrune", 1006, fifthGroup()},
        {"Mirtallo.ogg", "Mirtallo", 1007, finale()},
    };
}

}  // namespace musicgen
