// The generator's instruments: pitched voices, drums and the board click.
#include "instruments.h"

#include <algorithm>
#include <cmath>

namespace musicgen {

namespace {

constexpr double kDt = 1.0 / kSampleRate;

size_t framesFor(double seconds) { return static_cast<size_t>(std::max(0.0, seconds) * kSampleRate) + 1; }

// A short linear ramp at both ends so no voice starts or stops on a step.
void softenEdges(std::vector<float>& v, double inSeconds, double outSeconds) {
    size_t in = std::min(v.size(), framesFor(inSeconds)), out = std::min(v.size(), framesFor(outSeconds));
    for (size_t i = 0; i < in; ++i) v[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < out; ++i) v[v.size() - 1 - i] *= static_cast<float>(i) / out;
}

double sine(double phase) { return waveAt(Wave::Sine, phase); }

// Decay that is longer for low notes, as on struck strings and bars.
double pitchDecay(double hz, double atMiddleC) { return atMiddleC * std::clamp(std::sqrt(261.6 / hz), 0.4, 2.0); }

// Plain exponential decay while held, then a faster release once the key is up.
double strikeEnvelope(double t, double gate, double decay, double release) {
    if (t < gate) return std::exp(-t / decay);
    return std::exp(-gate / decay) * std::exp(-(t - gate) / release);
}

std::vector<float> ePiano(double hz, double gate, double vel) {
    std::vector<float> out(framesFor(gate + 0.8));
    const double decay = pitchDecay(hz, 1.6), indexPeak = 1.2 + 1.8 * vel;
    const bool tine = hz * 14.0 < 16000.0;
    double pc = 0.0, pm = 0.0, pt = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double index = indexPeak * std::exp(-t / 0.35) + 0.35;
        double v = sine(pc + index * sine(pm) / (2.0 * kPi));
        if (tine) v += 0.12 * vel * sine(pt) * std::exp(-t / 0.015);
        out[i] = static_cast<float>(v * strikeEnvelope(t, gate, decay, 0.12) * vel);
        pc += hz * kDt;
        pm += hz * kDt;
        pt += hz * 14.0 * kDt;
    }
    softenEdges(out, 0.002, 0.01);
    return out;
}

// Karplus-Strong with a first-order all-pass for the fractional part of the period, so it plays in tune.
// The averaging filter delays by half a sample; the all-pass is kept between 0.1 and 1.1 samples, where it
// stays stable and flat.
std::vector<float> karplus(double hz, double gate, double vel, double t60, double brightness, Rng& rng) {
    constexpr double kMinFraction = 0.1;
    std::vector<float> out(framesFor(gate + 0.35));
    const double period = kSampleRate / hz - 0.5;
    const size_t len = static_cast<size_t>(period - kMinFraction);
    const double frac = period - len, apc = (1.0 - frac) / (1.0 + frac);
    std::vector<double> line(len);
    double low = 0.0;
    for (double& s : line) {
        low += (rng.noise() - low) * brightness;
        s = low;
    }
    const double heldGain = std::pow(10.0, -3.0 / (t60 * hz)), releasedGain = std::pow(10.0, -3.0 / (0.08 * hz));
    size_t pos = 0;
    double prev = 0.0, apState = 0.0, apIn = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double cur = line[pos];
        double avg = 0.5 * (cur + prev);
        prev = cur;
        double ap = apc * avg + apIn - apc * apState;
        apIn = avg;
        apState = ap;
        double g = (i * kDt < gate) ? heldGain : releasedGain;
        line[pos] = ap * g;
        if (++pos == line.size()) pos = 0;
        out[i] = static_cast<float>(cur * vel);
    }
    softenEdges(out, 0.001, 0.02);
    return out;
}

std::vector<float> pad(double hz, double gate, double vel) {
    const Adsr env{0.6, 1.2, 0.75, 0.9};
    std::vector<float> out(framesFor(env.length(gate)));
    const double detune[3] = {-0.07, 0.0, 0.07};
    double ph[4] = {0.0, 0.33, 0.67, 0.0};
    Biquad lp = Biquad::lowpass(std::min(900.0 + 900.0 * vel, hz * 6.0), 0.6);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt, v = 0.0;
        for (int k = 0; k < 3; ++k) {
            v += waveAt(Wave::SoftSaw, ph[k]);
            ph[k] += hz * std::pow(2.0, detune[k] / 12.0) * kDt;
        }
        v += 0.5 * sine(ph[3]);
        ph[3] += hz * 0.5 * kDt;
        out[i] = static_cast<float>(lp.process(static_cast<float>(v * 0.35)) * env.level(t, gate) * vel);
    }
    softenEdges(out, 0.01, 0.05);
    return out;
}

std::vector<float> bell(double hz, double gate, double vel) {
    std::vector<float> out(framesFor(std::max(gate, 0.3) + 2.5));
    double pc = 0.0, pm = 0.0, p2 = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double index = 2.4 * vel * std::exp(-t / 0.5) + 0.25;
        double v = sine(pc + index * sine(pm) / (2.0 * kPi)) * std::exp(-t / 1.4);
        v += 0.25 * sine(p2) * std::exp(-t / 0.4);
        out[i] = static_cast<float>(v * vel * 0.8);
        pc += hz * kDt;
        pm += hz * 3.5 * kDt;
        p2 += hz * 2.76 * kDt;
    }
    softenEdges(out, 0.001, 0.3);
    return out;
}

std::vector<float> marimba(double hz, double gate, double vel) {
    std::vector<float> out(framesFor(std::min(gate, 0.6) + 0.8));
    const double decay = pitchDecay(hz, 0.5);
    double p1 = 0.0, p4 = 0.0, p10 = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double v = sine(p1) * std::exp(-t / decay) + 0.3 * sine(p4) * std::exp(-t / 0.06);
        if (hz * 9.9 < 18000.0) v += 0.08 * sine(p10) * std::exp(-t / 0.015);
        out[i] = static_cast<float>(v * vel);
        p1 += hz * kDt;
        p4 += hz * 3.93 * kDt;
        p10 += hz * 9.9 * kDt;
    }
    softenEdges(out, 0.001, 0.05);
    return out;
}

// Vibrato that waits a moment before it sets in, as a player's would.
double vibrato(double t, double rate, double depth, double delay) {
    double amount = std::clamp((t - delay) / 0.3, 0.0, 1.0) * depth;
    return 1.0 + amount * std::sin(2.0 * kPi * rate * t);
}

std::vector<float> flute(double hz, double gate, double vel, Rng& rng) {
    const Adsr env{0.07, 0.25, 0.8, 0.15};
    std::vector<float> out(framesFor(env.length(gate)));
    Biquad breath = Biquad::bandpass(std::min(hz * 2.0, 8000.0), 1.5);
    double ph = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double v = sine(ph) + 0.22 * sine(2.0 * ph) + 0.07 * sine(3.0 * ph);
        v += 0.5 * breath.process(static_cast<float>(rng.noise()));
        out[i] = static_cast<float>(v * env.level(t, gate) * vel * 0.8);
        ph += hz * vibrato(t, 5.0, 0.004, 0.25) * kDt;
    }
    softenEdges(out, 0.005, 0.02);
    return out;
}

std::vector<float> lead(double hz, double gate, double vel) {
    const Adsr env{0.012, 0.18, 0.7, 0.12};
    std::vector<float> out(framesFor(env.length(gate)));
    Biquad lp = Biquad::lowpass(std::min(2500.0 + 2500.0 * vel, 12000.0), 0.8);
    double ph = 0.0, ph2 = 0.25;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double v = waveAt(Wave::SoftSquare, ph) + 0.5 * waveAt(Wave::SoftSaw, ph2);
        out[i] = static_cast<float>(lp.process(static_cast<float>(v * 0.6)) * env.level(t, gate) * vel);
        double vib = vibrato(t, 5.5, 0.005, 0.2);
        ph += hz * vib * kDt;
        ph2 += hz * 1.003 * vib * kDt;
    }
    softenEdges(out, 0.003, 0.02);
    return out;
}

std::vector<float> brass(double hz, double gate, double vel) {
    const Adsr env{0.035, 0.25, 0.8, 0.13};
    std::vector<float> out(framesFor(env.length(gate)));
    double pc[2] = {0.0, 0.5}, pm[2] = {0.0, 0.1};
    const double spread[2] = {1.0, 1.0025};
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt, e = env.level(t, gate);
        double scoop = std::pow(2.0, -0.3 / 12.0 * std::exp(-t / 0.03)) * vibrato(t, 5.2, 0.003, 0.3);
        double index = 0.4 + 2.4 * e * vel, v = 0.0;
        for (int k = 0; k < 2; ++k) {
            v += sine(pc[k] + index * sine(pm[k]) / (2.0 * kPi));
            pc[k] += hz * spread[k] * scoop * kDt;
            pm[k] += hz * spread[k] * scoop * kDt;
        }
        out[i] = static_cast<float>(v * 0.5 * e * vel);
    }
    softenEdges(out, 0.003, 0.02);
    return out;
}

std::vector<float> subBass(double hz, double gate, double vel) {
    const Adsr env{0.006, 0.35, 0.75, 0.07};
    std::vector<float> out(framesFor(env.length(gate)));
    double ph = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double v = sine(ph) + 0.18 * sine(2.0 * ph) + 0.05 * sine(3.0 * ph);
        out[i] = static_cast<float>(v * env.level(t, gate) * vel);
        ph += hz * kDt;
    }
    softenEdges(out, 0.004, 0.02);
    return out;
}

// The filter closes over each note; coefficients are refreshed in small blocks, which is inaudible.
std::vector<float> synthBass(double hz, double gate, double vel) {
    constexpr size_t kBlock = 32;
    const Adsr env{0.004, 0.3, 0.7, 0.06};
    std::vector<float> out(framesFor(env.length(gate)));
    double ph = 0.0, ph2 = 0.0;
    Biquad lp = Biquad::lowpass(2000.0, 1.2);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        if (i % kBlock == 0) lp.retune(Biquad::lowpass(hz * 1.5 + (1400.0 * vel) * std::exp(-t / 0.09), 1.4));
        double v = waveAt(Wave::SoftSaw, ph) + 0.6 * sine(ph2);
        out[i] = static_cast<float>(lp.process(static_cast<float>(v)) * env.level(t, gate) * vel);
        ph += hz * kDt;
        ph2 += hz * kDt;
    }
    softenEdges(out, 0.003, 0.02);
    return out;
}

}  // namespace

std::vector<float> renderNote(Instrument instrument, double midi, double gateSeconds, double velocity, Rng& rng) {
    const double hz = midiToHz(midi);
    switch (instrument) {
        case Instrument::EPiano: return ePiano(hz, gateSeconds, velocity);
        case Instrument::Pluck: return karplus(hz, gateSeconds, velocity, 2.2, 0.7, rng);
        case Instrument::Pad: return pad(hz, gateSeconds, velocity);
        case Instrument::Bell: return bell(hz, gateSeconds, velocity);
        case Instrument::Marimba: return marimba(hz, gateSeconds, velocity);
        case Instrument::Flute: return flute(hz, gateSeconds, velocity, rng);
        case Instrument::Lead: return lead(hz, gateSeconds, velocity);
        case Instrument::Brass: return brass(hz, gateSeconds, velocity);
        case Instrument::SubBass: return subBass(hz, gateSeconds, velocity);
        case Instrument::PluckBass: return karplus(hz, gateSeconds, velocity * 1.3, 1.6, 0.35, rng);
        case Instrument::SynthBass: return synthBass(hz, gateSeconds, velocity);
    }
    return {};
}

namespace {

// Noise through a filter under an exponential decay: the common recipe of hats, snares and shakers.
std::vector<float> filteredNoise(Biquad filter, double seconds, double decay, double attack, double gain, Rng& rng) {
    std::vector<float> out(framesFor(seconds));
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double env = std::exp(-t / decay) * std::min(1.0, t / attack + 0.001);
        out[i] = static_cast<float>(filter.process(static_cast<float>(rng.noise())) * env * gain);
    }
    return out;
}

void addInto(std::vector<float>& dst, const std::vector<float>& src) {
    if (dst.size() < src.size()) dst.resize(src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[i] += src[i];
}

std::vector<float> kick(Rng& rng) {
    std::vector<float> out(framesFor(0.45));
    double ph = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        double hz = 47.0 + 115.0 * std::exp(-t / 0.03);
        double v = sine(ph) * std::exp(-t / 0.26) + 0.25 * rng.noise() * std::exp(-t / 0.0015);
        out[i] = static_cast<float>(v);
        ph += hz * kDt;
    }
    return out;
}

std::vector<float> snare(Rng& rng) {
    std::vector<float> out = filteredNoise(Biquad::highpass(1400.0, 0.7), 0.32, 0.11, 0.0005, 0.8, rng);
    double p1 = 0.0, p2 = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        out[i] += static_cast<float>((0.5 * sine(p1) + 0.25 * sine(p2)) * std::exp(-t / 0.045));
        p1 += 185.0 * kDt;
        p2 += 332.0 * kDt;
    }
    return out;
}

// Three quick bursts and a tail, as several hands never meet at once.
std::vector<float> clap(Rng& rng) {
    std::vector<float> out = filteredNoise(Biquad::bandpass(1400.0, 1.2), 0.35, 0.11, 0.0005, 1.6, rng);
    for (double at : {0.0, 0.011, 0.022}) {
        std::vector<float> burst(framesFor(at), 0.0f);
        std::vector<float> b = filteredNoise(Biquad::bandpass(1200.0, 1.5), 0.02, 0.004, 0.0003, 2.2, rng);
        burst.insert(burst.end(), b.begin(), b.end());
        addInto(out, burst);
    }
    return out;
}

std::vector<float> rim(Rng& rng) {
    std::vector<float> out = filteredNoise(Biquad::bandpass(2600.0, 2.0), 0.07, 0.005, 0.0002, 1.5, rng);
    double ph = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] += static_cast<float>(0.6 * sine(ph) * std::exp(-static_cast<double>(i) * kDt / 0.012));
        ph += 1650.0 * kDt;
    }
    return out;
}

}  // namespace

std::vector<float> renderDrum(Drum drum, double velocity, Rng& rng) {
    std::vector<float> out;
    switch (drum) {
        case Drum::Kick: out = kick(rng); break;
        case Drum::Snare: out = snare(rng); break;
        case Drum::Clap: out = clap(rng); break;
        case Drum::HatClosed: out = filteredNoise(Biquad::highpass(7500.0, 0.8), 0.1, 0.025, 0.0003, 0.8, rng); break;
        case Drum::HatOpen: out = filteredNoise(Biquad::highpass(7000.0, 0.8), 0.55, 0.18, 0.0005, 0.7, rng); break;
        case Drum::Shaker: out = filteredNoise(Biquad::bandpass(6500.0, 1.0), 0.12, 0.03, 0.008, 1.2, rng); break;
        case Drum::Crash: out = filteredNoise(Biquad::highpass(4500.0, 0.6), 2.5, 0.9, 0.001, 0.6, rng); break;
        case Drum::Rim: out = rim(rng); break;
    }
    for (float& s : out) s *= static_cast<float>(velocity);
    softenEdges(out, 0.0, 0.01);
    return out;
}

std::vector<float> renderClick() {
    constexpr double kLength = 0.035;
    Rng rng(0xC11C4);
    std::vector<float> out = filteredNoise(Biquad::bandpass(4800.0, 2.0), kLength, 0.0015, 0.0002, 1.2, rng);
    double body = 0.0, ring = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = i * kDt;
        out[i] += static_cast<float>(0.8 * sine(body) * std::exp(-t / 0.005) + 0.35 * sine(ring) * std::exp(-t / 0.0025));
        body += 1300.0 * kDt;
        ring += 3550.0 * kDt;
    }
    softenEdges(out, 0.0003, 0.008);
    return out;
}

}  // namespace musicgen
