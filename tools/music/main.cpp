// plexaro-musicgen: synthesises the game's music and click and writes them to <media-dir>/ogg.
#include <atomic>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "instruments.h"
#include "tracks.h"
#include "vorbis_io.h"

using namespace musicgen;

namespace {

constexpr float kMusicPeakDb = -1.5f;
constexpr float kClickPeakDb = -3.0f;
constexpr float kDecodedLimitDb = -1.2f;  // what the decoded file may reach: the coder overshoots a little
constexpr float kRetryStepDb = 0.5f;
constexpr int kClickSerial = 2001;
constexpr int kWorkers = 2;

float dbToGain(float db) { return std::pow(10.0f, db / 20.0f); }

float peakOf(const Channels& audio) {
    float p = 0.0f;
    for (const auto& ch : audio)
        for (float v : ch) p = std::max(p, std::fabs(v));
    return p;
}

Channels scaled(const Channels& audio, float gain) {
    Channels out = audio;
    for (auto& ch : out)
        for (float& v : ch) v *= gain;
    return out;
}

// Normalises, encodes, and decodes again: lowers the level until the decoded peak keeps its margin and
// checks the file holds exactly the frames it was given, since the game loops on the decoded length.
bool encodeChecked(const std::string& path, const Channels& audio, float peakDb, const EncodeOptions& options) {
    const float raw = peakOf(audio);
    if (raw <= 0.0f) return false;
    for (float target = peakDb; target > peakDb - 6.0f; target -= kRetryStepDb) {
        if (!writeOggVorbis(path, scaled(audio, dbToGain(target) / raw), options)) return false;
        Decoded d = readOggVorbis(path);
        if (!d.ok || d.audio.empty() || d.audio[0].size() != audio[0].size()) {
            std::fprintf(stderr, "%s: decodes to a different length\n", path.c_str());
            return false;
        }
        if (peakOf(d.audio) <= dbToGain(kDecodedLimitDb)) return true;
    }
    std::fprintf(stderr, "%s: cannot keep the decoded peak below %.1f dBFS\n", path.c_str(), kDecodedLimitDb);
    return false;
}

bool writeTrack(const std::string& dir, const TrackSpec& t) {
    LoopBuffer loop = renderStyle(t.style);
    EncodeOptions opt;
    opt.serial = t.serial;
    opt.title = t.title;
    bool ok = encodeChecked(dir + "/" + t.file, {loop.left, loop.right}, kMusicPeakDb, opt);
    std::printf("%-14s %6.2f s  %s\n", t.file.c_str(), static_cast<double>(loop.frames()) / kSampleRate, ok ? "ok" : "FAILED");
    return ok;
}

bool writeClick(const std::string& dir) {
    EncodeOptions opt;
    opt.serial = kClickSerial;
    opt.title = "Click";
    opt.quality = 0.6f;
    bool ok = encodeChecked(dir + "/s1.ogg", {renderClick()}, kClickPeakDb, opt);
    std::printf("%-14s %s\n", "s1.ogg", ok ? "ok" : "FAILED");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <media-dir>\n", argv[0]);
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/ogg";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
        return 1;
    }
    // Each piece is rendered from its own seed alone, so running them side by side changes no byte.
    const std::vector<TrackSpec> tracks = gameTracks();
    std::atomic<size_t> nextTrack{0};
    std::atomic<bool> allOk{writeClick(dir)};
    std::vector<std::thread> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.emplace_back([&] {
            for (size_t i; (i = nextTrack++) < tracks.size();) {
                if (!writeTrack(dir, tracks[i])) allOk = false;
            }
        });
    }
    for (std::thread& t : workers) t.join();
    return allOk ? 0 : 1;
}
