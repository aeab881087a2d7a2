// Signal-processing building blocks of the music generator.
#include "dsp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace musicgen {

uint64_t Rng::next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
int Rng::below(int n) { return static_cast<int>(uniform() * n); }

double midiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

namespace {

constexpr int kTableSize = 4096;
constexpr int kTableHarmonics = 14;

using Table = std::array<float, kTableSize + 1>;

// Harmonics fall off faster than a raw saw or square so the tables stay soft and alias-free up to ~1.5 kHz.
Table buildTable(Wave wave) {
    Table t{};
    for (int i = 0; i <= kTableSize; ++i) {
        double ph = 2.0 * kPi * i / kTableSize;
        double v = 0.0;
        if (wave == Wave::Sine) {
            v = std::sin(ph);
        } else {
            for (int h = 1; h <= kTableHarmonics; ++h) {
                if (wave == Wave::SoftSquare && h % 2 == 0) continue;
                double rolloff = std::exp(-0.12 * h);
                v += std::sin(h * ph) * rolloff / h;
            }
            v *= 0.75;
        }
        t[i] = static_cast<float>(v);
    }
    return t;
}

const Table& table(Wave wave) {
    static const Table sine = buildTable(Wave::Sine);
    static const Table saw = buildTable(Wave::SoftSaw);
    static const Table square = buildTable(Wave::SoftSquare);
    switch (wave) {
        case Wave::SoftSaw: return saw;
        case Wave::SoftSquare: return square;
        default: return sine;
    }
}

}  // namespace

float waveAt(Wave wave, double phase) {
    phase -= std::floor(phase);
    double pos = phase * kTableSize;
    int i = static_cast<int>(pos);
    double f = pos - i;
    const Table& t = table(wave);
    return static_cast<float>(t[i] + (t[i + 1] - t[i]) * f);
}

double Adsr::level(double t, double gateSeconds) const {
    auto held = [this](double u) {
        if (u < attack) return u / attack;
        return sustain + (1.0 - sustain) * std::exp(-(u - attack) / decay);
    };
    if (t < 0.0) return 0.0;
    if (t < gateSeconds) return held(t);
    return held(gateSeconds) * std::exp(-(t - gateSeconds) / release);
}

Biquad Biquad::lowpass(double hz, double q) {
    double w = 2.0 * kPi * hz / kSampleRate, alpha = std::sin(w) / (2.0 * q), cw = std::cos(w);
    Biquad b;
    double a0 = 1.0 + alpha;
    b.b0_ = (1.0 - cw) / 2.0 / a0;
    b.b1_ = (1.0 - cw) / a0;
    b.b2_ = b.b0_;
    b.a1_ = -2.0 * cw / a0;
    b.a2_ = (1.0 - alpha) / a0;
    return b;
}

Biquad Biquad::highpass(double hz, double q) {
    double w = 2.0 * kPi * hz / kSampleRate, alpha = std::sin(w) / (2.0 * q), cw = std::cos(w);
    Biquad b;
    double a0 = 1.0 + alpha;
    b.b0_ = (1.0 + cw) / 2.0 / a0;
    b.b1_ = -(1.0 + cw) / a0;
    b.b2_ = b.b0_;
    b.a1_ = -2.0 * cw / a0;
    b.a2_ = (1.0 - alpha) / a0;
    return b;
}

Biquad Biquad::bandpass(double hz, double q) {
    double w = 2.0 * kPi * hz / kSampleRate, alpha = std::sin(w) / (2.0 * q), cw = std::cos(w);
    Biquad b;
    double a0 = 1.0 + alpha;
    b.b0_ = alpha / a0;
    b.b1_ = 0.0;
    b.b2_ = -alpha / a0;
    b.a1_ = -2.0 * cw / a0;
    b.a2_ = (1.0 - alpha) / a0;
    return b;
}

void Biquad::retune(const Biquad& other) {
    b0_ = other.b0_;
    b1_ = other.b1_;
    b2_ = other.b2_;
    a1_ = other.a1_;
    a2_ = other.a2_;
}

float Biquad::process(float x) {
    double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
}

void LoopBuffer::addWrapped(long start, const std::vector<float>& voice, float gainLeft, float gainRight) {
    const long n = static_cast<long>(frames());
    if (n == 0) return;
    long pos = ((start % n) + n) % n;
    for (float v : voice) {
        left[pos] += v * gainLeft;
        right[pos] += v * gainRight;
        if (++pos == n) pos = 0;
    }
}

void LoopBuffer::mix(const LoopBuffer& other, float gain) {
    for (size_t i = 0; i < frames() && i < other.frames(); ++i) {
        left[i] += other.left[i] * gain;
        right[i] += other.right[i] * gain;
    }
}

float LoopBuffer::peak() const {
    float p = 0.0f;
    for (size_t i = 0; i < frames(); ++i) p = std::max({p, std::fabs(left[i]), std::fabs(right[i])});
    return p;
}

void LoopBuffer::scale(float gain) {
    for (size_t i = 0; i < frames(); ++i) {
        left[i] *= gain;
        right[i] *= gain;
    }
}

void panGains(double pan, double gain, float& left, float& right) {
    double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    left = static_cast<float>(gain * std::cos(angle));
    right = static_cast<float>(gain * std::sin(angle));
}

namespace {

// Runs a stateful stereo processor over the loop twice and keeps the second turn: by then the state holds
// the tails of the loop's own end, which is what a listener hears when the loop comes round again.
template <class Step>
LoopBuffer runAroundLoop(const LoopBuffer& in, Step step) {
    LoopBuffer out(in.frames());
    for (int turn = 0; turn < 2; ++turn) {
        for (size_t i = 0; i < in.frames(); ++i) {
            float l = in.left[i], r = in.right[i];
            step(l, r);
            if (turn == 1) {
                out.left[i] = l;
                out.right[i] = r;
            }
        }
    }
    return out;
}

class DelayLine {
public:
    explicit DelayLine(size_t length) : buf_(std::max<size_t>(length, 1), 0.0f) {}
    float read() const { return buf_[pos_]; }
    void write(float v) {
        buf_[pos_] = v;
        if (++pos_ == buf_.size()) pos_ = 0;
    }

private:
    std::vector<float> buf_;
    size_t pos_ = 0;
};

}  // namespace

LoopBuffer loopEcho(const LoopBuffer& in, long delayFrames, float feedback, float damping) {
    DelayLine dl(static_cast<size_t>(delayFrames)), dr(static_cast<size_t>(delayFrames));
    float lowL = 0.0f, lowR = 0.0f;
    return runAroundLoop(in, [&](float& l, float& r) {
        float outL = dl.read(), outR = dr.read();
        lowL += (outL - lowL) * (1.0f - damping);
        lowR += (outR - lowR) * (1.0f - damping);
        // Ping-pong: each repeat crosses to the other side, the dry input enters on the left.
        dl.write(0.5f * (l + r) + lowR * feedback);
        dr.write(lowL * feedback);
        l = outL;
        r = outR;
    });
}

namespace {

constexpr std::array<int, 8> kCombLengths{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> kAllpassLengths{556, 441, 341, 225};
constexpr int kStereoSpread = 23;

class Comb {
public:
    explicit Comb(int length) : line_(static_cast<size_t>(length)) {}
    float process(float x, float feedback, float damping) {
        float y = line_.read();
        store_ = y * (1.0f - damping) + store_ * damping;
        line_.write(x + store_ * feedback);
        return y;
    }

private:
    DelayLine line_;
    float store_ = 0.0f;
};

class Allpass {
public:
    explicit Allpass(int length) : line_(static_cast<size_t>(length)) {}
    float process(float x) {
        float b = line_.read();
        line_.write(x + b * 0.5f);
        return b - x;
    }

private:
    DelayLine line_;
};

struct ReverbSide {
    std::vector<Comb> combs;
    std::vector<Allpass> allpasses;
    explicit ReverbSide(int spread) {
        for (int len : kCombLengths) combs.emplace_back(len + spread);
        for (int len : kAllpassLengths) allpasses.emplace_back(len + spread);
    }
    float process(float x, float feedback, float damping) {
        float sum = 0.0f;
        for (Comb& c : combs) sum += c.process(x, feedback, damping);
        for (Allpass& a : allpasses) sum = a.process(sum);
        return sum;
    }
};

}  // namespace

LoopBuffer loopReverb(const LoopBuffer& in, float roomSize, float damping) {
    constexpr float kInputGain = 0.015f;
    ReverbSide left(0), right(kStereoSpread);
    return runAroundLoop(in, [&](float& l, float& r) {
        float x = (l + r) * kInputGain;
        l = left.process(x, roomSize, damping);
        r = right.process(x, roomSize, damping);
    });
}

long quietSeam(const LoopBuffer& buf, long searchFrames) {
    const long n = static_cast<long>(buf.frames());
    auto at = [n](const std::vector<float>& ch, long i) { return ch[static_cast<size_t>(((i % n) + n) % n)]; };
    auto roughness = [&](const std::vector<float>& ch, long i) {
        float a = at(ch, i), b = at(ch, i - 1), c = at(ch, i - 2);
        return std::fabs(a - b) + std::fabs(a - 2.0f * b + c);
    };
    long best = 0;
    float bestCost = 1e30f;
    for (long i = 0; n > 2 && i <= std::min(searchFrames, n - 1); ++i) {
        long frame = (n - i) % n;
        float cost = roughness(buf.left, frame) + roughness(buf.right, frame);
        if (cost < bestCost) {
            bestCost = cost;
            best = frame;
        }
    }
    return best;
}

void rotateLoop(LoopBuffer& buf, long start) {
    const long n = static_cast<long>(buf.frames());
    if (n == 0) return;
    long s = ((start % n) + n) % n;
    std::rotate(buf.left.begin(), buf.left.begin() + s, buf.left.end());
    std::rotate(buf.right.begin(), buf.right.begin() + s, buf.right.end());
}

void loopHighpass(LoopBuffer& buf, double hz) {
    Biquad fl = Biquad::highpass(hz, 0.707), fr = Biquad::highpass(hz, 0.707);
    buf = runAroundLoop(buf, [&](float& l, float& r) {
        l = fl.process(l);
        r = fr.process(r);
    });
}

void loopShelf(LoopBuffer& buf, double hz, double amount) {
    LoopBuffer highs = buf;
    loopHighpass(highs, hz);
    buf.mix(highs, static_cast<float>(amount));
}

}  // namespace musicgen
