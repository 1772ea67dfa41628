#include "DrumVoices.h"

#include "Noise.h"
#include "OnePole.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
std::uint64_t seedOf(const Note& note, int kind) {
    return static_cast<std::uint64_t>(note.start) * 8 + static_cast<std::uint64_t>(kind);
}
} // namespace

std::vector<float> DrumVoices::silence(double seconds) const {
    return std::vector<float>(static_cast<std::size_t>(seconds * rate_));
}

void DrumVoices::taper(std::vector<float>& samples) const {
    const std::size_t n = std::min(samples.size(), static_cast<std::size_t>(rate_ / 40));
    for (std::size_t i = 0; i < n; ++i)
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(n);
}

// A falling sine: a round thump without a hard click.
std::vector<float> DrumVoices::kick(const Note& note) const {
    std::vector<float> out = silence(0.45);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        phase += (48.0 + 70.0 * std::exp(-t / 0.035)) / rate_;
        const double level = std::min(1.0, t / 0.002) * std::exp(-t / 0.22);
        out[i] = static_cast<float>(std::sin(kTwoPi * phase) * level) * note.velocity;
    }
    taper(out);
    return out;
}

std::vector<float> DrumVoices::snare(const Note& note) const {
    std::vector<float> out = silence(0.35);
    Noise noise(seedOf(note, 1));
    OnePole low(4500.0, rate_);
    OnePole high(700.0, rate_);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        const float brush = high.highPass(low.lowPass(noise.bipolar())) *
                            static_cast<float>(0.8 * std::exp(-t / 0.1));
        const auto body =
            static_cast<float>(0.45 * std::sin(kTwoPi * 185.0 * t) * std::exp(-t / 0.04));
        out[i] = (brush + body) * static_cast<float>(std::min(1.0, t / 0.001)) * note.velocity;
    }
    taper(out);
    return out;
}

// High-passed noise with a quick rise and an exponential fall: hats and shaker.
std::vector<float> DrumVoices::noiseHit(const Note& note, const NoiseShape& shape) const {
    std::vector<float> out = silence(shape.length);
    Noise noise(seedOf(note, shape.kind));
    OnePole filter(shape.cutoffHz, rate_);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        const double level = std::min(1.0, t / shape.attack) * std::exp(-t / shape.decay);
        out[i] = filter.highPass(noise.bipolar()) * static_cast<float>(level) * note.velocity;
    }
    taper(out);
    return out;
}

std::vector<float> DrumVoices::hat(const Note& note, double decaySeconds) const {
    return noiseHit(note, {2, 6500.0, 0.0005, decaySeconds, decaySeconds * 4.0});
}

std::vector<float> DrumVoices::shaker(const Note& note) const {
    return noiseHit(note, {3, 4000.0, 0.015, 0.05, 0.15});
}
