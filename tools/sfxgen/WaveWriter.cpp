#include "WaveWriter.h"

#include <fstream>

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
}

void tag(std::vector<std::uint8_t>& out, const char (&fourCC)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(fourCC[i]));
    }
}

} // namespace

std::vector<std::uint8_t> WaveWriter::encode(const std::vector<std::int16_t>& samples,
                                             int sampleRate) {
    constexpr std::uint32_t Channels = 1, BitsPerSample = 16, BlockAlign = Channels * 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BlockAlign);
    std::vector<std::uint8_t> out;
    tag(out, "RIFF");
    put(out, 4 + (8 + 16) + (8 + dataSize), 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, Channels, 2);
    put(out, static_cast<std::uint32_t>(sampleRate), 4);
    put(out, static_cast<std::uint32_t>(sampleRate) * BlockAlign, 4);
    put(out, BlockAlign, 2);
    put(out, BitsPerSample, 2);
    tag(out, "data");
    put(out, dataSize, 4);
    for (const std::int16_t s : samples) {
        put(out, static_cast<std::uint16_t>(s), 2);
    }
    return out;
}

bool WaveWriter::writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
