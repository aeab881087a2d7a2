// Turns a piece's description into notes and renders them, with echo and room, into one seamless loop.
#include "composer.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace musicgen {

namespace {

constexpr int kStepsPerBeat = 4;
constexpr int kPhraseBars = 4;
constexpr double kLegato = 0.92;
constexpr double kTimingJitterSeconds = 0.004;
constexpr double kHighpassHz = 28.0;
constexpr double kEchoDamping = 0.35;
constexpr double kSeamSearchSeconds = 0.03;
constexpr double kAirHz = 3000.0;

int floorDiv(int a, int b) { return (a >= 0) ? a / b : -((-a + b - 1) / b); }
int floorMod(int a, int b) { return a - floorDiv(a, b) * b; }

int degreePitch(const Style& s, int degree) {
    return s.tonic + 12 * floorDiv(degree, 7) + s.scale[floorMod(degree, 7)];
}

int sectionSteps(const Style&, const Section& sec) {
    int beats = 0;
    for (const ChordSpec& c : sec.chords) beats += c.beats;
    return beats * kStepsPerBeat;
}

const Section& sectionOf(const Style& s, char letter) { return s.sections.at(static_cast<size_t>(letter - 'A')); }

bool plays(const PlaysIn& mask, size_t formPos) { return mask.empty() || (formPos < mask.size() && mask[formPos] == '1'); }

// The chord sounding at a step of a section, and the one after it (wrapping to the section's start).
struct ChordAt {
    const ChordSpec* now;
    const ChordSpec* next;
};

ChordAt chordAt(const Section& sec, int step) {
    int start = 0;
    for (size_t i = 0; i < sec.chords.size(); ++i) {
        int len = sec.chords[i].beats * kStepsPerBeat;
        if (step < start + len) return {&sec.chords[i], &sec.chords[(i + 1) % sec.chords.size()]};
        start += len;
    }
    return {&sec.chords.back(), &sec.chords.front()};
}

// A pattern hit: where it starts, how many steps it holds, and its symbol.
struct Hit {
    int step, length;
    char symbol;
};

std::vector<Hit> hitsOf(const std::string& pattern, int totalSteps) {
    std::vector<Hit> hits;
    const int n = static_cast<int>(pattern.size());
    for (int s = 0; s < totalSteps; ++s) {
        char c = pattern[static_cast<size_t>(s % n)];
        if (c == '-' && !hits.empty()) {
            ++hits.back().length;
        } else if (c != '.' && c != '-') {
            hits.push_back({s, 1, c});
        }
    }
    return hits;
}

double symbolVelocity(char c) {
    switch (c) {
        case 'X': return 1.0;
        case 'o': return 0.45;
        default: return 0.78;
    }
}

// Bar rhythms for the melody, by how lively the piece is; the last bar of every phrase takes a cadence rhythm.
const std::vector<std::string>& rhythms(Density d, int stepsPerBar, bool cadence) {
    static const std::map<int, std::vector<std::string>> table{
        {0, {"x-------x-------", "x-----x-x-------", "x-------x---x---", "x-----x---x-----", "x---x---x-------"}},
        {1, {"x---x---x-x-x---", "x-x-x---x---x-x-", "x--x--x-x-------", "x---x-x---x-x---", "x-----x-x-x-x---"}},
        {2, {"x-x-x-x-x-x-x-x-", "x-xx-x-xx--x-x--", "x--x--x-x-x-x-x-", "x-x-x--xx-x-x---", "x--x-x-x--x-x---"}},
        {3, {"x---------------", "x-------x-------", "x---x---x-------", "x-x-x-----------"}},
        {10, {"x-------x---", "x-----x-x---", "x---x---x---", "x-------x-x-"}},
        {11, {"x---x-x-x---", "x-x-x---x---", "x-----x-x-x-", "x---x---x-x-"}},
        {13, {"x-----------", "x-------x---", "x---x-------"}},
    };
    int key = cadence ? 3 : static_cast<int>(d);
    if (stepsPerBar == 12) key = cadence ? 13 : std::min(key, 1) + 10;
    return table.at(key);
}

int accentOf(int stepInBar, int stepsPerBar) {
    const int strong = stepsPerBar == 12 ? 12 : 8;
    if (stepInBar % strong == 0) return 2;
    return stepInBar % kStepsPerBeat == 0 ? 1 : 0;
}

bool isChordTone(int degree, const ChordSpec& chord) {
    std::vector<int> tones = chordDegrees(chord);
    return std::find(tones.begin(), tones.end(), floorMod(degree, 7)) != tones.end();
}

// The chord tone nearest a contour target, kept close to the previous note so the line sings.
int pickChordTone(const Style& s, const ChordSpec& chord, int target, int prev, Rng& rng) {
    int best = prev;
    double bestScore = 1e9;
    for (int d = s.melodyLow; d <= s.melodyHigh; ++d) {
        if (!isChordTone(d, chord)) continue;
        int leap = std::abs(d - prev);
        double score = std::abs(d - target) + 0.35 * leap + (leap > 5 ? 3.0 : 0.0) + rng.uniform() * 0.9;
        if (score < bestScore) {
            bestScore = score;
            best = d;
        }
    }
    return best;
}

// Between anchors the line moves by step towards the next anchor, or turns on a neighbour when it is there.
int passingDegree(const Style& s, const ChordSpec& chord, int prev, int next, Rng& rng) {
    int diff = next - prev, d;
    if (std::abs(diff) >= 2) {
        d = prev + (diff > 0 ? 1 : -1);
    } else if (diff == 0) {
        d = prev + (rng.uniform() < 0.5 ? 1 : -1);
    } else {
        d = isChordTone(prev - diff, chord) ? prev - diff : next;
    }
    return std::clamp(d, s.melodyLow, s.melodyHigh);
}

// The rough shape a phrase follows, in scale steps around the middle of the melody's range.
enum class Contour { Arch, Rise, Dip };

double contourAt(Contour c, double u) {
    constexpr double kSpan = 4.0;
    switch (c) {
        case Contour::Rise: return kSpan * (u - 0.4);
        case Contour::Dip: return -0.6 * kSpan * std::sin(kPi * u) + 1.0;
        default: return kSpan * std::sin(kPi * u) - 0.5;
    }
}

int rootNear(const ChordSpec& chord, int prev) {
    int best = chord.degree;
    for (int oct = -2; oct <= 2; ++oct) {
        int d = chord.degree + 7 * oct;
        if (std::abs(d - prev) < std::abs(best - prev)) best = d;
    }
    return best;
}

}  // namespace

std::vector<int> chordDegrees(const ChordSpec& chord) {
    std::vector<int> tones{chord.degree % 7, (chord.degree + 2) % 7, (chord.degree + 4) % 7};
    if (chord.seventh) tones.push_back((chord.degree + 6) % 7);
    return tones;
}

long stepFrames(const Style& style) {
    return std::lround(kSampleRate * 60.0 / (style.bpm * kStepsPerBeat));
}

long loopFrames(const Style& style) {
    long steps = 0;
    for (char letter : style.form) steps += sectionSteps(style, sectionOf(style, letter));
    return steps * stepFrames(style);
}

std::vector<MelodyNote> composeMelody(const Style& s, const Section& sec, Rng& rng) {
    const int total = sectionSteps(s, sec), bars = total / s.stepsPerBar;
    const auto& plain = rhythms(s.density, s.stepsPerBar, false);
    const auto& cadence = rhythms(s.density, s.stepsPerBar, true);
    // Three motifs per section, arranged a-b-a'-cadence, so each phrase states an idea and answers it.
    const std::string motif[3] = {plain[rng.below(static_cast<int>(plain.size()))],
                                  plain[rng.below(static_cast<int>(plain.size()))],
                                  plain[rng.below(static_cast<int>(plain.size()))]};
    const std::string ending = cadence[rng.below(static_cast<int>(cadence.size()))];
    std::vector<MelodyNote> notes;
    for (int bar = 0; bar < bars; ++bar) {
        int inPhrase = bar % kPhraseBars;
        const std::string& rhythm = inPhrase == 3 ? ending : motif[inPhrase == 1 ? 1 : (bar >= kPhraseBars && inPhrase == 2 ? 2 : 0)];
        for (const Hit& h : hitsOf(rhythm, s.stepsPerBar)) {
            notes.push_back({bar * s.stepsPerBar + h.step, h.length, 0, accentOf(h.step, s.stepsPerBar)});
        }
    }
    // First the anchors, following an arch over each phrase; then the notes between them.
    const int centre = (s.melodyLow + s.melodyHigh) / 2 - 1, phraseSteps = kPhraseBars * s.stepsPerBar;
    std::vector<bool> anchored(notes.size(), false);
    std::vector<Contour> shapes;
    for (int p = 0; p * phraseSteps < total; ++p) shapes.push_back(static_cast<Contour>(rng.below(3)));
    int prev = centre;
    for (size_t i = 0; i < notes.size(); ++i) {
        MelodyNote& n = notes[i];
        bool anchor = n.accent == 2 || (n.accent == 1 && rng.uniform() < 0.5) || n.length >= 2 * kStepsPerBeat;
        if (!anchor) continue;
        double u = static_cast<double>(n.step % phraseSteps) / phraseSteps;
        int phrase = n.step / phraseSteps;
        int target = centre + static_cast<int>(std::lround(contourAt(shapes[static_cast<size_t>(phrase)], u))) + phrase % 2;
        n.degree = pickChordTone(s, *chordAt(sec, n.step).now, target, prev, rng);
        anchored[i] = true;
        prev = n.degree;
    }
    notes.back().degree = rootNear(*chordAt(sec, notes.back().step).now, prev);
    anchored.back() = true;
    prev = centre;
    for (size_t i = 0; i < notes.size(); ++i) {
        if (anchored[i]) {
            prev = notes[i].degree;
            continue;
        }
        size_t j = i + 1;
        while (j < notes.size() && !anchored[j]) ++j;
        int next = j < notes.size() ? notes[j].degree : prev;
        notes[i].degree = passingDegree(s, *chordAt(sec, notes[i].step).now, prev, next, rng);
        prev = notes[i].degree;
    }
    return notes;
}

namespace {

// The buses a piece is mixed on: what is heard directly and what is sent to the echo and the room.
struct Buses {
    LoopBuffer dry, echo, room;
    explicit Buses(size_t frames) : dry(frames), echo(frames), room(frames) {}
};

struct Placement {
    double pan, gain, echo, reverb;
};

class Renderer {
public:
    explicit Renderer(const Style& s) : s_(s), sps_(stepFrames(s)), buses_(static_cast<size_t>(loopFrames(s))), rng_(s.seed) {}

    LoopBuffer run();

private:
    long frameOf(long globalStep, double jitterScale);
    double stepSeconds() const { return static_cast<double>(sps_) / kSampleRate; }
    void place(long frame, const std::vector<float>& voice, const Placement& p);
    void renderMelody(size_t formPos, long base, const Section& sec);
    void renderComp(size_t formPos, long base, const Section& sec, const CompLane& lane, std::vector<int>& voicing);
    void renderBass(size_t formPos, long base, const Section& sec, const BassLane& lane);
    void renderDrums(size_t formPos, long base, const Section& sec);
    std::vector<int> voiceLead(const ChordSpec& chord, int center, const std::vector<int>& previous) const;

    const Style& s_;
    const long sps_;
    Buses buses_;
    Rng rng_;
    std::map<char, std::vector<MelodyNote>> melodies_;
};

long Renderer::frameOf(long globalStep, double jitterScale) {
    double swing = (globalStep % 2 == 1) ? s_.swing * sps_ : 0.0;
    double jitter = rng_.range(-1.0, 1.0) * kTimingJitterSeconds * kSampleRate * jitterScale;
    return globalStep * sps_ + std::lround(swing + jitter);
}

void Renderer::place(long frame, const std::vector<float>& voice, const Placement& p) {
    float l, r;
    panGains(p.pan, p.gain, l, r);
    buses_.dry.addWrapped(frame, voice, l, r);
    if (p.echo > 0.0) buses_.echo.addWrapped(frame, voice, l * static_cast<float>(p.echo), r * static_cast<float>(p.echo));
    if (p.reverb > 0.0) buses_.room.addWrapped(frame, voice, l * static_cast<float>(p.reverb), r * static_cast<float>(p.reverb));
}

void Renderer::renderMelody(size_t formPos, long base, const Section& sec) {
    char letter = s_.form[formPos];
    if (!melodies_.count(letter)) {
        Rng composeRng(s_.seed * 31 + static_cast<uint64_t>(letter));
        melodies_[letter] = composeMelody(s_, sec, composeRng);
    }
    for (const MelodyLane& lane : s_.melody) {
        if (!plays(lane.playsIn, formPos)) continue;
        for (const MelodyNote& n : melodies_[letter]) {
            double vel = (0.72 + 0.1 * n.accent) * rng_.range(0.88, 1.0);
            double gate = n.length * stepSeconds() * kLegato;
            auto voice = renderNote(lane.instrument, degreePitch(s_, n.degree) + lane.transpose, gate, vel, rng_);
            place(frameOf(base + n.step, 1.0), voice, {lane.pan, lane.gain, lane.echo, lane.reverb});
        }
    }
}

// Of all close voicings of the chord near `center`, the one that moves the voices least from the last chord.
std::vector<int> Renderer::voiceLead(const ChordSpec& chord, int center, const std::vector<int>& previous) const {
    std::vector<int> pcs;
    for (int d : chordDegrees(chord)) pcs.push_back(floorMod(s_.tonic + s_.scale[static_cast<size_t>(d)], 12));
    std::vector<int> best;
    double bestScore = 1e9;
    for (size_t inv = 0; inv < pcs.size(); ++inv) {
        for (int shift = -12; shift <= 12; shift += 12) {
            std::vector<int> v;
            int note = center - 7 + shift + floorMod(pcs[inv] - (center - 7), 12);
            for (size_t k = 0; k < pcs.size(); ++k) {
                int pc = pcs[(inv + k) % pcs.size()];
                if (k > 0) note += floorMod(pc - note, 12) == 0 ? 12 : floorMod(pc - note, 12);
                v.push_back(note);
            }
            double mean = 0.0;
            for (int x : v) mean += x;
            mean /= static_cast<double>(v.size());
            double score = std::abs(mean - center);
            if (previous.size() == v.size()) {
                for (size_t k = 0; k < v.size(); ++k) score += std::abs(v[k] - previous[k]);
            }
            if (score < bestScore) {
                bestScore = score;
                best = v;
            }
        }
    }
    return best;
}

void Renderer::renderComp(size_t formPos, long base, const Section& sec, const CompLane& lane, std::vector<int>& voicing) {
    if (!plays(lane.playsIn, formPos)) return;
    int arpIndex = 0;
    const ChordSpec* current = nullptr;
    for (const Hit& h : hitsOf(lane.pattern, sectionSteps(s_, sec))) {
        const ChordSpec* chord = chordAt(sec, h.step).now;
        if (chord != current) {
            voicing = voiceLead(*chord, lane.center, voicing);
            current = chord;
        }
        double gate = (lane.gateSteps > 0.0 ? lane.gateSteps : h.length) * stepSeconds() * kLegato;
        double vel = symbolVelocity(h.symbol) * rng_.range(0.85, 1.0);
        long frame = frameOf(base + h.step, 1.0);
        Placement p{lane.pan, lane.gain, lane.echo, lane.reverb};
        if (lane.mode == CompMode::Chord) {
            for (size_t k = 0; k < voicing.size(); ++k) {
                long strum = std::lround(k * lane.strumSeconds * kSampleRate);
                place(frame + strum, renderNote(lane.instrument, voicing[k], gate, vel * 0.6, rng_), p);
            }
        } else {
            // Up through the voicing and its octave, then back down, without repeating the turning notes.
            std::vector<int> notes = voicing;
            for (int v : voicing) notes.push_back(v + 12);
            int cycle = static_cast<int>(2 * notes.size() - 2);
            int i = arpIndex++ % cycle;
            int idx = i < static_cast<int>(notes.size()) ? i : cycle - i;
            place(frame, renderNote(lane.instrument, notes[static_cast<size_t>(idx)], gate, vel, rng_), p);
        }
    }
}

void Renderer::renderBass(size_t formPos, long base, const Section& sec, const BassLane& lane) {
    if (!plays(lane.playsIn, formPos)) return;
    auto near = [&](int degree) {
        int pitch = degreePitch(s_, degree);
        while (pitch > lane.center + 6) pitch -= 12;
        while (pitch < lane.center - 6) pitch += 12;
        return pitch;
    };
    for (const Hit& h : hitsOf(lane.pattern, sectionSteps(s_, sec))) {
        ChordAt at = chordAt(sec, h.step);
        int root = near(at.now->degree), pitch = root;
        switch (h.symbol) {
            case 'F': pitch = near(at.now->degree + 4); break;
            case 'O': pitch = root + 12; break;
            case 'A': {
                int target = near(at.next->degree);
                int below = near(at.next->degree - 1), above = near(at.next->degree + 1);
                pitch = std::abs(below - target) <= std::abs(above - target) && below < target ? below : above;
                break;
            }
            default: break;
        }
        double gate = h.length * stepSeconds() * kLegato;
        double vel = (h.step % kStepsPerBeat == 0 ? 0.9 : 0.75) * rng_.range(0.9, 1.0);
        place(frameOf(base + h.step, 0.5), renderNote(lane.instrument, pitch, gate, vel, rng_), {0.0, lane.gain, 0.0, lane.reverb});
    }
}

void Renderer::renderDrums(size_t formPos, long base, const Section& sec) {
    const int total = sectionSteps(s_, sec), bars = total / s_.stepsPerBar;
    for (const DrumLane& lane : s_.drums) {
        if (!plays(lane.playsIn, formPos)) continue;
        for (const Hit& h : hitsOf(lane.pattern, total)) {
            int bar = h.step / s_.stepsPerBar;
            bool inFill = s_.fillEvery > 0 && (bar + 1) % s_.fillEvery == 0 && h.step % s_.stepsPerBar >= s_.stepsPerBar - 4;
            if (inFill && (lane.drum == Drum::Snare || lane.drum == Drum::Kick || lane.drum == Drum::Clap)) continue;
            double vel = symbolVelocity(h.symbol) * rng_.range(0.86, 1.0);
            place(frameOf(base + h.step, 0.3), renderDrum(lane.drum, vel, rng_), {lane.pan, lane.gain, 0.0, lane.reverb});
        }
    }
    const DrumLane* snare = nullptr;
    for (const DrumLane& lane : s_.drums) {
        if (lane.drum == Drum::Snare && plays(lane.playsIn, formPos)) snare = &lane;
    }
    for (int bar = 0; snare && s_.fillEvery > 0 && bar < bars; ++bar) {
        if ((bar + 1) % s_.fillEvery != 0) continue;
        for (int k = 0; k < 4; ++k) {
            long step = base + (bar + 1) * s_.stepsPerBar - 4 + k;
            place(frameOf(step, 0.3), renderDrum(Drum::Snare, 0.45 + 0.15 * k, rng_), {snare->pan, snare->gain, 0.0, snare->reverb});
        }
    }
    if (s_.crashOnSections) place(frameOf(base, 0.0), renderDrum(Drum::Crash, 0.7, rng_), {0.3, 0.5, 0.0, 0.3});
}

LoopBuffer Renderer::run() {
    long base = 0;
    std::vector<std::vector<int>> voicings(s_.comps.size());
    for (size_t pos = 0; pos < s_.form.size(); ++pos) {
        const Section& sec = sectionOf(s_, s_.form[pos]);
        renderMelody(pos, base, sec);
        for (size_t c = 0; c < s_.comps.size(); ++c) renderComp(pos, base, sec, s_.comps[c], voicings[c]);
        for (const BassLane& lane : s_.bass) renderBass(pos, base, sec, lane);
        renderDrums(pos, base, sec);
        base += sectionSteps(s_, sec);
    }
    const long echoDelay = std::lround(s_.echoBeats * kStepsPerBeat * sps_);
    LoopBuffer echoed = loopEcho(buses_.echo, echoDelay, static_cast<float>(s_.echoFeedback), static_cast<float>(kEchoDamping));
    buses_.dry.mix(echoed, 1.0f);
    buses_.room.mix(echoed, 0.5f);
    buses_.dry.mix(loopReverb(buses_.room, static_cast<float>(s_.reverbRoom), 0.3f), static_cast<float>(s_.reverbReturn));
    loopHighpass(buses_.dry, kHighpassHz);
    if (s_.air != 0.0) loopShelf(buses_.dry, kAirHz, s_.air);
    rotateLoop(buses_.dry, quietSeam(buses_.dry, std::lround(kSeamSearchSeconds * kSampleRate)));
    return buses_.dry;
}

}  // namespace

LoopBuffer renderStyle(const Style& style) { return Renderer(style).run(); }

}  // namespace musicgen
