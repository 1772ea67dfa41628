#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The playable content of a RIFF/WAVE file held in memory: its PCM format and sample bytes.
// Anything else - a damaged header, chunks running past the end, a compressed format, a
// channel or sample width the mixer cannot take - is refused, so that effect stays silent.
struct RiffWave {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::span<const unsigned char> samples; // whole frames only, inside the parsed bytes

    static std::optional<RiffWave> parse(std::span<const unsigned char> file);
};
