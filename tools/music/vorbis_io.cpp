// Writing the generator's loops as Ogg Vorbis files and reading them back.
#include "vorbis_io.h"

#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace musicgen {

namespace {

constexpr int kRate = 44100;
constexpr int kBlockFrames = 4096;

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

bool writePages(ogg_stream_state& os, FILE* f, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&os, &page) : ogg_stream_pageout(&os, &page)) {
        if (fwrite(page.header, 1, static_cast<size_t>(page.header_len), f) != static_cast<size_t>(page.header_len)) return false;
        if (fwrite(page.body, 1, static_cast<size_t>(page.body_len), f) != static_cast<size_t>(page.body_len)) return false;
    }
    return true;
}

// Drains whatever the analysis has ready into packets and pages.
bool drain(vorbis_dsp_state& vd, vorbis_block& vb, ogg_stream_state& os, FILE* f) {
    ogg_packet packet;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
        vorbis_analysis(&vb, nullptr);
        vorbis_bitrate_addblock(&vb);
        while (vorbis_bitrate_flushpacket(&vd, &packet)) {
            ogg_stream_packetin(&os, &packet);
            if (!writePages(os, f, false)) return false;
        }
    }
    return true;
}

}  // namespace

bool writeOggVorbis(const std::string& path, const Channels& audio, const EncodeOptions& options) {
    if (audio.empty()) return false;
    File f(fopen(path.c_str(), "wb"), fclose);
    if (!f) return false;
    const int channels = static_cast<int>(audio.size());
    const long frames = static_cast<long>(audio[0].size());

    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, kRate, options.quality) != 0) return false;
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    if (!options.title.empty()) vorbis_comment_add_tag(&vc, "TITLE", options.title.c_str());
    vorbis_comment_add_tag(&vc, "ALBUM", "Plexaro");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, options.serial);

    ogg_packet header, comments, codebooks;
    vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comments);
    ogg_stream_packetin(&os, &codebooks);
    bool ok = writePages(os, f.get(), true);

    for (long at = 0; ok && at < frames; at += kBlockFrames) {
        int n = static_cast<int>(std::min<long>(kBlockFrames, frames - at));
        float** buffer = vorbis_analysis_buffer(&vd, n);
        for (int c = 0; c < channels; ++c) {
            for (int i = 0; i < n; ++i) buffer[c][i] = audio[static_cast<size_t>(c)][static_cast<size_t>(at + i)];
        }
        vorbis_analysis_wrote(&vd, n);
        ok = drain(vd, vb, os, f.get());
    }
    // Marking the end makes the last page carry the exact frame count, so the file decodes to the loop's length.
    vorbis_analysis_wrote(&vd, 0);
    ok = ok && drain(vd, vb, os, f.get()) && writePages(os, f.get(), true);

    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return ok;
}

Decoded readOggVorbis(const std::string& path) {
    Decoded d;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return d;
    vorbis_info* vi = ov_info(&vf, -1);
    d.channels = vi->channels;
    d.rate = vi->rate;
    d.audio.assign(static_cast<size_t>(d.channels), {});
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        long n = ov_read_float(&vf, &pcm, kBlockFrames, &section);
        if (n < 0) {
            ov_clear(&vf);
            return d;
        }
        if (n == 0) break;
        for (int c = 0; c < d.channels; ++c) d.audio[static_cast<size_t>(c)].insert(d.audio[static_cast<size_t>(c)].end(), pcm[c], pcm[c] + n);
    }
    ov_clear(&vf);
    d.ok = true;
    return d;
}

}  // namespace musicgen
