// Any bytes as a sound effect resource: the wave parser either refuses them or hands out a
// playable format and whole frames lying inside the bytes it was given.
#include "RiffWave.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> file(data, size);
    const auto wave = RiffWave::parse(file);
    if (!wave)
        return 0;
    const std::size_t frame = wave->channels * wave->bitsPerSample / 8u;
    const bool inside = wave->samples.data() >= file.data() &&
                        wave->samples.data() + wave->samples.size() <= file.data() + file.size();
    if (!inside || frame == 0 || wave->samples.empty() || wave->samples.size() % frame != 0)
        std::abort();
    return 0;
}
