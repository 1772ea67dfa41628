#include "Mp3File.h"

#include <lame/lame.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

namespace {

struct LameDeleter {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};
using Lame = std::unique_ptr<lame_global_flags, LameDeleter>;

Lame openEncoder(int sampleRate) {
    Lame lame(lame_init());
    if (!lame)
        return lame;
    lame_set_in_samplerate(lame.get(), sampleRate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_VBR(lame.get(), vbr_default);
    lame_set_VBR_quality(lame.get(), 2.0f);
    lame_set_quality(lame.get(), 2);
    if (lame_init_params(lame.get()) < 0)
        lame.reset();
    return lame;
}

// The whole track at once: the encoder needs room for 1.25 times the samples plus 7200 bytes.
bool encode(lame_global_flags* lame, const LoopBuffer& track, std::vector<unsigned char>& out) {
    const auto frames = static_cast<int>(track.frames());
    out.resize(static_cast<std::size_t>(frames) * 5 / 4 + 7200 * 2);
    const int written =
        lame_encode_buffer_ieee_float(lame, track.leftChannel().data(), track.rightChannel().data(),
                                      frames, out.data(), static_cast<int>(out.size()));
    if (written < 0)
        return false;
    const int flushed =
        lame_encode_flush(lame, out.data() + written, static_cast<int>(out.size()) - written);
    if (flushed < 0)
        return false;
    out.resize(static_cast<std::size_t>(written + flushed));
    return true;
}

} // namespace

bool Mp3File::write(const LoopBuffer& track, int sampleRate, const std::string& path) {
    Lame lame = openEncoder(sampleRate);
    std::vector<unsigned char> bytes;
    if (!lame || !encode(lame.get(), track, bytes))
        return false;
    // The encoder kept the first frame free for this information frame.
    std::vector<unsigned char> tag(2880);
    const std::size_t tagSize = lame_get_lametag_frame(lame.get(), tag.data(), tag.size());
    if (tagSize > 0 && tagSize <= bytes.size())
        std::copy(tag.begin(), tag.begin() + static_cast<long>(tagSize), bytes.begin());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
