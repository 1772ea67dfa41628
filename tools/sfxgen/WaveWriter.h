#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A complete RIFF/WAVE file in memory: PCM, mono, 16-bit, with a "fmt " and a "data" chunk.
class WaveWriter {
public:
    static std::vector<std::uint8_t> encode(const std::vector<std::int16_t>& samples,
                                            int sampleRate);
    static bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
};
