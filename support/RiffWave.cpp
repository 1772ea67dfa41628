#include "RiffWave.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint16_t FormatPcm = 1;
constexpr std::size_t ChunkHeader = 8;
constexpr std::size_t PcmFormatSize = 16;

std::uint32_t le(std::span<const unsigned char> bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i) {
        value |= static_cast<std::uint32_t>(bytes[at + static_cast<std::size_t>(i)]) << (8 * i);
    }
    return value;
}

bool hasTag(std::span<const unsigned char> bytes, std::size_t at, const char* tag) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// The body of the first chunk named tag among the chunks of a RIFF form, or an empty span.
std::span<const unsigned char> findChunk(std::span<const unsigned char> form, const char* tag) {
    std::size_t at = 0;
    while (form.size() - at >= ChunkHeader) {
        const std::size_t size = le(form, at + 4, 4);
        if (size > form.size() - at - ChunkHeader) {
            return {};
        }
        if (hasTag(form, at, tag)) {
            return form.subspan(at + ChunkHeader, size);
        }
        // Chunks are padded to even sizes; a last chunk may lack its pad byte.
        at += ChunkHeader + std::min(size + (size & 1), form.size() - at - ChunkHeader);
    }
    return {};
}

// The chunks of the WAVE form, limited to what the RIFF header declares and what is there.
std::span<const unsigned char> waveForm(std::span<const unsigned char> file) {
    if (file.size() < 12 || !hasTag(file, 0, "RIFF") || !hasTag(file, 8, "WAVE")) {
        return {};
    }
    const std::size_t declared = le(file, 4, 4);
    const std::size_t length = std::min(declared, file.size() - ChunkHeader);
    return length < 4 ? std::span<const unsigned char>{} : file.subspan(12, length - 4);
}

bool playable(const RiffWave& w) {
    return (w.channels == 1 || w.channels == 2) &&
           (w.bitsPerSample == 8 || w.bitsPerSample == 16) && w.sampleRate > 0;
}

} // namespace

std::optional<RiffWave> RiffWave::parse(std::span<const unsigned char> file) {
    const auto form = waveForm(file);
    const auto format = findChunk(form, "fmt ");
    if (format.size() < PcmFormatSize || le(format, 0, 2) != FormatPcm) {
        return std::nullopt;
    }
    RiffWave wave;
    wave.channels = static_cast<std::uint16_t>(le(format, 2, 2));
    wave.sampleRate = le(format, 4, 4);
    wave.bitsPerSample = static_cast<std::uint16_t>(le(format, 14, 2));
    const auto data = findChunk(form, "data");
    if (!playable(wave) || data.empty()) {
        return std::nullopt;
    }
    const std::size_t frame = wave.channels * wave.bitsPerSample / 8u;
    wave.samples = data.first(data.size() - data.size() % frame);
    return wave.samples.empty() ? std::nullopt : std::optional(wave);
}
