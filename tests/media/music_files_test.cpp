// Checks the shipped music and click as the game loads them, through Allegro's audio codec addon.
#include <allegro5/allegro.h>
#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tracks.h"

namespace {

constexpr unsigned kRate = 44100;
constexpr double kPeakLimit = 0.8913;         // -1 dBFS
constexpr double kMinSeconds = 30.0, kMaxSeconds = 90.0;
constexpr double kRmsLowDb = -28.0, kRmsHighDb = -10.0;
constexpr double kQuietestQuarterDb = -35.0;
constexpr double kMaxFileBytes = 1.5e6;
constexpr double kMaxCrossCorrelation = 0.3;
constexpr double kClickMaxSeconds = 0.060;
constexpr double kClickAttackSeconds = 0.010;
constexpr double kClickAttackEnergyShare = 0.9;
constexpr double kClickMinPeak = 0.25;        // -12 dBFS: a click that is heard

const std::string kMusicDir = "media/ogg/";
const std::vector<std::string> kTracks{"muz1", "Orvanel", "Quessith", "Dramwick", "Zolvenar", "Kestrune", "Mirtallo"};
const std::vector<std::string> kLevelGroups{"Orvanel", "Quessith", "Dramwick", "Zolvenar", "Kestrune"};

struct Audio {
    bool loaded = false;
    unsigned rate = 0;
    std::vector<std::vector<float>> channels;
    size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
    double seconds() const { return static_cast<double>(frames()) / rate; }
};

// al_load_sample registers the sample with the audio addon, so the audio system must be installed first;
// with no sound card OpenAL Soft's null device stands in (the test's environment also asks for it).
bool allegroAudioReady() {
    static const bool ready = [] {
        setenv("ALSOFT_DRIVERS", "null", 0);
        return al_init() && al_install_audio() && al_init_acodec_addon();
    }();
    return ready;
}

Audio decode(const std::string& path) {
    Audio a;
    ALLEGRO_SAMPLE* s = allegroAudioReady() ? al_load_sample(path.c_str()) : nullptr;
    if (!s) return a;
    const size_t frames = al_get_sample_length(s);
    const size_t chans = al_get_channel_count(al_get_sample_channels(s));
    const ALLEGRO_AUDIO_DEPTH depth = al_get_sample_depth(s);
    const void* data = al_get_sample_data(s);
    a.rate = al_get_sample_frequency(s);
    a.channels.assign(chans, std::vector<float>(frames));
    for (size_t i = 0; i < frames; ++i) {
        for (size_t c = 0; c < chans; ++c) {
            size_t k = i * chans + c;
            a.channels[c][i] = depth == ALLEGRO_AUDIO_DEPTH_FLOAT32 ? static_cast<const float*>(data)[k]
                                                                   : static_cast<const int16_t*>(data)[k] / 32768.0f;
        }
    }
    a.loaded = depth == ALLEGRO_AUDIO_DEPTH_FLOAT32 || depth == ALLEGRO_AUDIO_DEPTH_INT16;
    al_destroy_sample(s);
    return a;
}

// Decoding a minute of music takes a moment; each file is decoded once for all the tests.
const Audio& track(const std::string& name) {
    static std::map<std::string, Audio> cache;
    auto it = cache.find(name);
    if (it == cache.end()) it = cache.emplace(name, decode(kMusicDir + name + ".ogg")).first;
    return it->second;
}

double toDb(double v) { return 20.0 * std::log10(std::max(v, 1e-12)); }

double peak(const Audio& a) {
    double p = 0.0;
    for (const auto& ch : a.channels)
        for (float v : ch) p = std::max(p, static_cast<double>(std::fabs(v)));
    return p;
}

double rms(const Audio& a, size_t from, size_t to) {
    double sum = 0.0;
    for (const auto& ch : a.channels)
        for (size_t i = from; i < to; ++i) sum += static_cast<double>(ch[i]) * ch[i];
    return std::sqrt(sum / (static_cast<double>(to - from) * a.channels.size()));
}

std::vector<float> mono(const Audio& a) {
    std::vector<float> m(a.frames(), 0.0f);
    for (const auto& ch : a.channels)
        for (size_t i = 0; i < m.size(); ++i) m[i] += ch[i] / static_cast<float>(a.channels.size());
    return m;
}

// Mean frequency weighted by power: the rms of the slope over the rms of the signal, in Hz.
double brightnessHz(const Audio& a) {
    double signal = 0.0, slope = 0.0;
    for (const auto& ch : a.channels) {
        for (size_t i = 1; i < ch.size(); ++i) {
            signal += static_cast<double>(ch[i]) * ch[i];
            slope += static_cast<double>(ch[i] - ch[i - 1]) * (ch[i] - ch[i - 1]);
        }
    }
    return a.rate / (2.0 * M_PI) * std::sqrt(slope / signal);
}

double percentile(std::vector<float> v, double q) {
    size_t k = static_cast<size_t>(q * (v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<long>(k), v.end());
    return v[k];
}

class MusicTrack : public ::testing::TestWithParam<std::string> {
protected:
    const Audio& audio() {
        const Audio& a = track(GetParam());
        EXPECT_TRUE(a.loaded) << "Allegro cannot load " << GetParam();
        return a;
    }
};

TEST_P(MusicTrack, LoadsAsALoopOfStereoMusicOfFittingLength) {
    const Audio& a = audio();
    ASSERT_TRUE(a.loaded);
    EXPECT_EQ(a.rate, kRate);
    EXPECT_EQ(a.channels.size(), 2u);
    EXPECT_GE(a.seconds(), kMinSeconds);
    EXPECT_LE(a.seconds(), kMaxSeconds);
    EXPECT_LT(static_cast<double>(std::filesystem::file_size(kMusicDir + GetParam() + ".ogg")), kMaxFileBytes);
}

TEST_P(MusicTrack, KeepsHeadroomAndNeverFallsSilent) {
    const Audio& a = audio();
    ASSERT_TRUE(a.loaded);
    EXPECT_LT(peak(a), kPeakLimit) << "peak " << toDb(peak(a)) << " dBFS";
    double whole = toDb(rms(a, 0, a.frames()));
    EXPECT_GT(whole, kRmsLowDb);
    EXPECT_LT(whole, kRmsHighDb);
    // Every quarter of the piece carries music: a section that rendered nothing would show here.
    for (size_t q = 0; q < 4; ++q) {
        double part = toDb(rms(a, a.frames() * q / 4, a.frames() * (q + 1) / 4));
        EXPECT_GT(part, kQuietestQuarterDb) << "quarter " << q;
    }
}

// The game plays the decoded sample in a loop: the last frame runs into the first, and that step
// must be no rougher than the music's own steps, or every turn of the loop would tick.
TEST_P(MusicTrack, SeamIsAsSmoothAsTheMusic) {
    const Audio& a = audio();
    ASSERT_TRUE(a.loaded);
    const size_t n = a.frames();
    ASSERT_GT(n, 3u);
    for (size_t c = 0; c < a.channels.size(); ++c) {
        const std::vector<float>& x = a.channels[c];
        std::vector<float> slope, curve;
        for (size_t i = 2; i < n; ++i) {
            slope.push_back(std::fabs(x[i] - x[i - 1]));
            curve.push_back(std::fabs(x[i] - 2.0f * x[i - 1] + x[i - 2]));
        }
        const double slopeLimit = percentile(slope, 0.99), curveLimit = percentile(curve, 0.99);
        EXPECT_LE(std::fabs(x[0] - x[n - 1]), slopeLimit) << "channel " << c;
        EXPECT_LE(std::fabs(x[0] - 2.0f * x[n - 1] + x[n - 2]), curveLimit) << "channel " << c;
        EXPECT_LE(std::fabs(x[1] - 2.0f * x[0] + x[n - 1]), curveLimit) << "channel " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(GameMusic, MusicTrack, ::testing::ValuesIn(kTracks),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

// The game loops on the decoded length, so each file must hold exactly the whole bars the generator
// rendered: no frames trimmed or padded by the encoder, and no file left over from an older version.
TEST(MusicSet, EachFileHoldsExactlyItsLoop) {
    for (const musicgen::TrackSpec& t : musicgen::gameTracks()) {
        const Audio& a = track(std::filesystem::path(t.file).stem().string());
        ASSERT_TRUE(a.loaded) << t.file;
        EXPECT_EQ(static_cast<long>(a.frames()), musicgen::loopFrames(t.style)) << t.file;
    }
}

// Seven different pieces, not one piece copied or cut: no two downmixes move together.
TEST(MusicSet, SevenDistinctPieces) {
    std::vector<std::vector<float>> mixes;
    for (const std::string& name : kTracks) {
        ASSERT_TRUE(track(name).loaded) << name;
        mixes.push_back(mono(track(name)));
    }
    for (size_t i = 0; i < mixes.size(); ++i) {
        for (size_t j = i + 1; j < mixes.size(); ++j) {
            size_t n = std::min(mixes[i].size(), mixes[j].size());
            double xy = 0.0, xx = 0.0, yy = 0.0;
            for (size_t k = 0; k < n; ++k) {
                xy += static_cast<double>(mixes[i][k]) * mixes[j][k];
                xx += static_cast<double>(mixes[i][k]) * mixes[i][k];
                yy += static_cast<double>(mixes[j][k]) * mixes[j][k];
            }
            EXPECT_LT(std::fabs(xy / std::sqrt(xx * yy)), kMaxCrossCorrelation) << kTracks[i] << " vs " << kTracks[j];
            EXPECT_NE(mixes[i].size(), mixes[j].size()) << kTracks[i] << " vs " << kTracks[j];
        }
    }
}

// Each level group's music is brighter than the one before, and the start pages are the calmest of all.
TEST(MusicSet, LevelGroupsGrowBrighterFromTheCalmWelcome) {
    double previous = brightnessHz(track("muz1"));
    for (const std::string& name : kLevelGroups) {
        ASSERT_TRUE(track(name).loaded) << name;
        double b = brightnessHz(track(name));
        EXPECT_GT(b, previous) << name;
        previous = b;
    }
    EXPECT_GT(brightnessHz(track("Mirtallo")), brightnessHz(track("muz1")));
}

// The click sounds for every tile of the scramble, 10 ms apart, through one voice: it must be short and
// have its energy at the very start so that the clicks that do get through are a crisp rattle.
TEST(Click, IsShortCrispAndFrontLoaded) {
    const Audio a = decode(kMusicDir + "s1.ogg");
    ASSERT_TRUE(a.loaded);
    EXPECT_EQ(a.rate, kRate);
    EXPECT_GE(a.channels.size(), 1u);
    EXPECT_LE(a.channels.size(), 2u);
    EXPECT_GT(a.frames(), 0u);
    EXPECT_LT(a.seconds(), kClickMaxSeconds);
    EXPECT_LT(peak(a), kPeakLimit);
    EXPECT_GT(peak(a), kClickMinPeak);
    const size_t attack = std::min(a.frames(), static_cast<size_t>(kClickAttackSeconds * kRate));
    double early = rms(a, 0, attack), all = rms(a, 0, a.frames());
    double share = (early * early * attack) / (all * all * a.frames());
    EXPECT_GT(share, kClickAttackEnergyShare);
}

}  // namespace
