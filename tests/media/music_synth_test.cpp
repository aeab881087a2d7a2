// Unit tests of the music generator's pieces: loop effects, tuning, melody against harmony, the piece table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "composer.h"
#include "dsp.h"
#include "instruments.h"
#include "tracks.h"

using namespace musicgen;

namespace {

constexpr size_t kLoopFrames = 3 * kSampleRate;  // long enough for the room's tail to die within one turn

LoopBuffer sparseClicks(size_t frames) {
    LoopBuffer b(frames);
    Rng rng(7);
    for (int k = 0; k < 40; ++k) {
        size_t at = static_cast<size_t>(rng.below(static_cast<int>(frames)));
        b.left[at] += static_cast<float>(rng.noise());
        b.right[at] += static_cast<float>(rng.noise());
    }
    // One click right at the end: its tail can only be heard after the seam.
    b.left[frames - 5] = 1.0f;
    return b;
}

LoopBuffer rotated(LoopBuffer b, long by) {
    rotateLoop(b, by);
    return b;
}

float maxDifference(const LoopBuffer& a, const LoopBuffer& b) {
    float d = 0.0f;
    for (size_t i = 0; i < a.frames(); ++i) d = std::max({d, std::fabs(a.left[i] - b.left[i]), std::fabs(a.right[i] - b.right[i])});
    return d;
}

// A loop effect has no beginning: turning the loop before or after the effect must give the same sound.
// An effect that lets its tails fall off the end instead of wrapping them onto the start fails this.
TEST(LoopEffects, CommuteWithTurningTheLoop) {
    const std::vector<std::pair<std::string, std::function<LoopBuffer(const LoopBuffer&)>>> effects{
        {"echo", [](const LoopBuffer& in) { return loopEcho(in, 9000, 0.4f, 0.3f); }},
        {"reverb", [](const LoopBuffer& in) { return loopReverb(in, 0.84f, 0.3f); }},
        {"highpass", [](const LoopBuffer& in) { LoopBuffer b = in; loopHighpass(b, 30.0); return b; }},
        {"shelf", [](const LoopBuffer& in) { LoopBuffer b = in; loopShelf(b, 3000.0, 0.4); return b; }},
    };
    const LoopBuffer input = sparseClicks(kLoopFrames);
    for (const auto& [name, effect] : effects) {
        const LoopBuffer out = effect(input);
        ASSERT_EQ(out.frames(), input.frames()) << name;
        ASSERT_GT(out.peak(), 1e-3f) << name;
        for (long turn : {1L, 20000L, static_cast<long>(kLoopFrames) - 3}) {
            EXPECT_LT(maxDifference(effect(rotated(input, turn)), rotated(out, turn)), 1e-4f * out.peak())
                << name << " turned by " << turn;
        }
    }
}

TEST(LoopEffects, EchoOfTheLastClickSoundsAfterTheSeam) {
    LoopBuffer in(kLoopFrames);
    in.left[kLoopFrames - 5] = 1.0f;
    const long delay = 1000;
    LoopBuffer wet = loopEcho(in, delay, 0.5f, 0.0f);
    // With no damping the first repeat is exact: the delay later, wrapped past the end.
    EXPECT_NEAR(wet.left[delay - 5] + wet.right[delay - 5], 0.5f, 1e-6f);
    EXPECT_NEAR(wet.right[2 * delay - 5], 0.25f, 1e-6f);
}

TEST(LoopBuffer, VoicesRunningPastTheEndContinueAtTheStart) {
    const std::vector<float> voice{1.0f, 2.0f, 3.0f, 4.0f};
    for (long start : {8L, -2L, 18L}) {  // 8 and 18 are the same place in a 10-frame loop, -2 too
        LoopBuffer b(10);
        b.addWrapped(start, voice, 1.0f, 0.5f);
        EXPECT_EQ(b.left[8], 1.0f) << start;
        EXPECT_EQ(b.left[9], 2.0f) << start;
        EXPECT_EQ(b.left[0], 3.0f) << start;
        EXPECT_EQ(b.left[1], 4.0f) << start;
        EXPECT_EQ(b.right[1], 2.0f) << start;
    }
}

// A loop that starts on a hard attack is moved to start just before it, where the signal is smooth.
TEST(LoopSeam, MovesOffAnAttackOntoASmoothFrame) {
    LoopBuffer b(kLoopFrames);
    for (size_t i = 0; i < b.frames(); ++i) {
        float tone = static_cast<float>(0.2 * std::sin(2.0 * kPi * 200.0 * i / kSampleRate));
        float attack = static_cast<float>(0.8 * std::exp(-static_cast<double>(i) / 200.0));
        b.left[i] = b.right[i] = tone + attack;
    }
    const float originalJump = std::fabs(b.left[0] - b.left[b.frames() - 1]);
    long start = quietSeam(b, 1000);
    EXPECT_NE(start, 0);
    EXPECT_GE(start, static_cast<long>(b.frames()) - 1000);
    LoopBuffer turned = rotated(b, start);
    EXPECT_LT(std::fabs(turned.left[0] - turned.left[turned.frames() - 1]), 0.05f * originalJump);
    EXPECT_EQ(turned.left[static_cast<size_t>(static_cast<long>(b.frames()) - start)], b.left[0]);
}

// The pitch of a steady stretch, from the autocorrelation peak near the expected period.
double measuredHz(const std::vector<float>& v, size_t from, size_t to, double expectedHz) {
    const double period = kSampleRate / expectedHz;
    auto corr = [&](int lag) {
        double s = 0.0;
        for (size_t i = from; i + static_cast<size_t>(lag) < to; ++i) s += static_cast<double>(v[i]) * v[i + static_cast<size_t>(lag)];
        return s;
    };
    int lo = static_cast<int>(period * 0.8), hi = static_cast<int>(period * 1.25) + 1, best = lo;
    for (int lag = lo; lag <= hi; ++lag) {
        if (corr(lag) > corr(best)) best = lag;
    }
    double a = corr(best - 1), b = corr(best), c = corr(best + 1);
    double refined = best + 0.5 * (a - c) / (a - 2.0 * b + c);
    return kSampleRate / refined;
}

TEST(Instruments, PlayInTune) {
    struct Case {
        Instrument instrument;
        double midi;
    };
    const std::vector<Case> cases{
        {Instrument::Pluck, 45},   {Instrument::Pluck, 69},     {Instrument::Pluck, 76},
        {Instrument::PluckBass, 40}, {Instrument::EPiano, 69},  {Instrument::Marimba, 72},
        {Instrument::Flute, 77},   {Instrument::Lead, 69},      {Instrument::Brass, 70},
        {Instrument::SubBass, 41}, {Instrument::SynthBass, 45}, {Instrument::Pad, 57},
    };  // the bell's partials are inharmonic by design, so it has no single period to measure
    constexpr double kToleranceCents = 12.0;
    for (const Case& c : cases) {
        Rng rng(3);
        std::vector<float> v = renderNote(c.instrument, c.midi, 1.2, 0.8, rng);
        double expected = midiToHz(c.midi);
        double got = measuredHz(v, kSampleRate / 4, kSampleRate * 3 / 4, expected);
        EXPECT_NEAR(1200.0 * std::log2(got / expected), 0.0, kToleranceCents)
            << "instrument " << static_cast<int>(c.instrument) << " at MIDI " << c.midi;
    }
}

TEST(Instruments, EveryVoiceAndDrumIsFiniteAndFadesToZero) {
    Rng rng(11);
    std::vector<std::vector<float>> voices;
    for (int i = 0; i <= static_cast<int>(Instrument::SynthBass); ++i) voices.push_back(renderNote(static_cast<Instrument>(i), 60, 0.3, 1.0, rng));
    for (int d = 0; d <= static_cast<int>(Drum::Rim); ++d) voices.push_back(renderDrum(static_cast<Drum>(d), 1.0, rng));
    voices.push_back(renderClick());
    for (size_t k = 0; k < voices.size(); ++k) {
        const std::vector<float>& v = voices[k];
        ASSERT_FALSE(v.empty()) << k;
        EXPECT_TRUE(std::all_of(v.begin(), v.end(), [](float x) { return std::isfinite(x); })) << k;
        EXPECT_GT(*std::max_element(v.begin(), v.end()), 0.01f) << k;
        EXPECT_EQ(v.back(), 0.0f) << "voice " << k << " stops on a step";
    }
}

const ChordSpec& chordUnder(const Section& sec, int step) {
    int start = 0;
    for (const ChordSpec& c : sec.chords) {
        start += c.beats * 4;
        if (step < start) return c;
    }
    return sec.chords.back();
}

bool inChord(int degree, const ChordSpec& chord) {
    std::vector<int> tones = chordDegrees(chord);
    return std::find(tones.begin(), tones.end(), ((degree % 7) + 7) % 7) != tones.end();
}

// Strong beats land on chord tones; a note outside the chord is a passing or neighbour tone, reached or
// left by step; the line stays in its range and ends a section on the root of its chord.
TEST(Melody, FollowsTheHarmonyOfEveryPiece) {
    for (const TrackSpec& t : gameTracks()) {
        const Style& s = t.style;
        for (size_t k = 0; k < s.sections.size(); ++k) {
            Rng rng(s.seed + k);
            const std::vector<MelodyNote> notes = composeMelody(s, s.sections[k], rng);
            ASSERT_GE(notes.size(), 8u) << t.file;
            for (size_t i = 0; i < notes.size(); ++i) {
                const MelodyNote& n = notes[i];
                const ChordSpec& chord = chordUnder(s.sections[k], n.step);
                EXPECT_GE(n.degree, s.melodyLow) << t.file;
                EXPECT_LE(n.degree, s.melodyHigh) << t.file;
                if (n.accent == 2) {
                    EXPECT_TRUE(inChord(n.degree, chord)) << t.file << " step " << n.step;
                }
                if (!inChord(n.degree, chord)) {
                    bool byStepIn = i > 0 && std::abs(n.degree - notes[i - 1].degree) <= 1;
                    bool byStepOut = i + 1 < notes.size() && std::abs(n.degree - notes[i + 1].degree) <= 1;
                    EXPECT_TRUE(byStepIn || byStepOut) << t.file << " step " << n.step;
                }
            }
            const ChordSpec& last = chordUnder(s.sections[k], notes.back().step);
            EXPECT_EQ(((notes.back().degree % 7) + 7) % 7, last.degree % 7) << t.file;
            // A tune, not a drone: it uses a fair part of its range.
            auto [lo, hi] = std::minmax_element(notes.begin(), notes.end(),
                                                [](const MelodyNote& a, const MelodyNote& b) { return a.degree < b.degree; });
            EXPECT_GE(hi->degree - lo->degree, 3) << t.file;
        }
    }
}

// The loop length is what the game repeats: whole bars, a fitting duration, and seven different pieces.
TEST(Pieces, AreWholeBarsOfFittingLengthInDifferentKeysAndTempos) {
    std::set<std::string> files;
    std::set<std::pair<int, int>> keyAndTempo;
    for (const TrackSpec& t : gameTracks()) {
        const Style& s = t.style;
        files.insert(t.file);
        keyAndTempo.insert({s.tonic % 12, static_cast<int>(s.bpm)});
        for (const Section& sec : s.sections) {
            int beats = 0;
            for (const ChordSpec& c : sec.chords) beats += c.beats;
            EXPECT_EQ(beats * 4 % s.stepsPerBar, 0) << t.file;
            EXPECT_GE(sec.chords.size(), 4u) << t.file;
        }
        for (char letter : s.form) ASSERT_LT(static_cast<size_t>(letter - 'A'), s.sections.size()) << t.file;
        for (const auto& lane : s.melody) EXPECT_TRUE(lane.playsIn.empty() || lane.playsIn.size() == s.form.size()) << t.file;
        for (const auto& lane : s.comps) EXPECT_TRUE(lane.playsIn.empty() || lane.playsIn.size() == s.form.size()) << t.file;
        for (const auto& lane : s.drums) EXPECT_TRUE(lane.playsIn.empty() || lane.playsIn.size() == s.form.size()) << t.file;
        double seconds = static_cast<double>(loopFrames(s)) / kSampleRate;
        EXPECT_GE(seconds, 30.0) << t.file;
        EXPECT_LE(seconds, 90.0) << t.file;
        EXPECT_EQ(loopFrames(s) % (stepFrames(s) * s.stepsPerBar), 0) << t.file;
    }
    EXPECT_EQ(files.size(), 7u);
    EXPECT_EQ(keyAndTempo.size(), 7u);
}

}  // namespace
