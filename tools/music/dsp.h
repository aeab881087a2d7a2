// Signal-processing building blocks of the music generator: random numbers, oscillators, filters, loop effects.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace musicgen {

constexpr int kSampleRate = 44100;
constexpr double kPi = 3.14159265358979323846;

// Small deterministic generator (xorshift64*): the same seed gives the same music on every machine.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t next();
    double uniform();                         // [0, 1)
    double range(double lo, double hi);       // [lo, hi)
    int below(int n);                         // 0 .. n-1
    double noise() { return uniform() * 2.0 - 1.0; }

private:
    uint64_t state_;
};

double midiToHz(double midi);

// Band-limited single-cycle tables, read with linear interpolation; phase runs 0..1.
enum class Wave { Sine, SoftSaw, SoftSquare };
float waveAt(Wave wave, double phase);

// Attack-decay-sustain-release envelope over a gate of gateSeconds; times in seconds.
struct Adsr {
    double attack = 0.005;
    double decay = 0.2;
    double sustain = 0.7;
    double release = 0.2;
    double level(double t, double gateSeconds) const;
    double length(double gateSeconds) const { return gateSeconds + release * 5.0; }
};

// Robert Bristow-Johnson biquad, transposed direct form II.
class Biquad {
public:
    static Biquad lowpass(double hz, double q);
    static Biquad highpass(double hz, double q);
    static Biquad bandpass(double hz, double q);
    float process(float x);
    // New coefficients, same state: a filter can sweep without a click each time it is retuned.
    void retune(const Biquad& other);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0, z1_ = 0, z2_ = 0;
};

// Stereo buffer that stands for one turn of a loop: index N wraps to 0.
struct LoopBuffer {
    std::vector<float> left, right;
    explicit LoopBuffer(size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    size_t frames() const { return left.size(); }
    // Adds a mono voice starting at frame `start`; whatever runs past the end sounds at the start again.
    void addWrapped(long start, const std::vector<float>& voice, float gainLeft, float gainRight);
    void mix(const LoopBuffer& other, float gain);
    float peak() const;
    void scale(float gain);
};

// Equal-power pan: -1 hard left, +1 hard right.
void panGains(double pan, double gain, float& left, float& right);

// Feedback echo with a damped, ping-ponging repeat, run around the loop so the repeats of the last bars
// fall onto the first ones. Returns the wet signal only.
LoopBuffer loopEcho(const LoopBuffer& in, long delayFrames, float feedback, float damping);

// Schroeder-Moorer room (eight combs, four all-passes per side), run around the loop. Returns the wet signal.
LoopBuffer loopReverb(const LoopBuffer& in, float roomSize, float damping);

// The frame within `searchFrames` before the loop's start where the signal changes least from one frame to
// the next: starting the file there keeps the seam away from the attack of a downbeat.
long quietSeam(const LoopBuffer& buf, long searchFrames);

// Turns the loop so that frame `start` becomes frame 0; the music heard in a loop is unchanged.
void rotateLoop(LoopBuffer& buf, long start);

// Removes DC and sub-sonic rumble; also run around the loop so the filter state is continuous at the seam.
void loopHighpass(LoopBuffer& buf, double hz);

// Adds `amount` of the loop's content above `hz` back to it: a gentle shelf that brightens (or, negative, darkens).
void loopShelf(LoopBuffer& buf, double hz, double amount);

}  // namespace musicgen
