#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
constexpr double FadeIn = 0.001;  // seconds
constexpr double FadeOut = 0.008; // seconds

// Raised-cosine ramp from 0 to 1 over x in [0, 1]: no corner at either end.
double smoothRamp(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

// Coefficient of a one-pole low-pass with the given corner frequency.
double onePole(double cornerHz, int rate) {
    return 1 - std::exp(-TwoPi * cornerHz / rate);
}

} // namespace

Synth::Synth(int sampleRate, double seconds)
    : rate_(sampleRate), mix_(static_cast<std::size_t>(std::lround(seconds * sampleRate)), 0.0) {
}

std::size_t Synth::index(double seconds) const {
    return std::min(mix_.size(), static_cast<std::size_t>(std::lround(seconds * rate_)));
}

double Synth::envelope(double t, double attack, double length, double decay, double release) const {
    const double held =
        decay > 0 ? std::exp(-std::max(0.0, std::min(t, length) - attack) / decay) : 1.0;
    const double rise = attack > 0 ? smoothRamp(t / attack) : 1.0;
    const double fall = t <= length ? 1.0 : 1.0 - smoothRamp((t - length) / release);
    return rise * held * fall;
}

double Synth::oscillator(Timbre timbre, double phase, double freq) const {
    const double nyquist = rate_ / 2.0;
    double value = 0;
    switch (timbre) {
    case Timbre::Sine:
        return std::sin(phase);
    case Timbre::Bell:
        // Slightly inharmonic upper partials give the struck-metal colour.
        for (const auto& [ratio, weight] : {std::pair{1.0, 1.0}, {2.76, 0.35}, {5.4, 0.12}}) {
            value += ratio * freq < nyquist ? weight * std::sin(ratio * phase) : 0.0;
        }
        return value / 1.47;
    case Timbre::Reed:
    case Timbre::Buzz:
        for (int n = 1; n <= 12 && n * freq < nyquist; ++n) {
            const bool soft = timbre == Timbre::Reed;
            const double weight = soft ? (n % 2 ? 1.0 : 0.3) / (n * n) : 1.0 / n;
            value += weight * std::sin(n * phase);
        }
        return value;
    }
    return value;
}

void Synth::add(const Note& note) {
    const std::size_t first = index(note.start);
    const std::size_t last = index(note.start + note.length + note.release);
    const double glideTo = note.freqEnd > 0 ? note.freqEnd : note.freq;
    double phase = 0;
    for (std::size_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / rate_;
        const double freq =
            note.freq * std::pow(glideTo / note.freq, std::min(t / note.length, 1.0));
        phase += TwoPi * freq / rate_;
        const double env = envelope(t, note.attack, note.length, note.decay, note.release);
        mix_[i] += note.amp * env * oscillator(note.timbre, phase, freq);
    }
}

void Synth::add(const Noise& noise) {
    const std::size_t first = index(noise.start);
    const std::size_t last = index(noise.start + noise.length + noise.release);
    const double high = onePole(noise.lowCut, rate_);
    const double low = onePole(noise.highCut, rate_);
    double bass = 0, smooth1 = 0, smooth2 = 0;
    for (std::size_t i = first; i < last; ++i) {
        noiseState_ ^= noiseState_ << 13;
        noiseState_ ^= noiseState_ >> 17;
        noiseState_ ^= noiseState_ << 5;
        const double white = noiseState_ / 2147483648.0 - 1.0;
        bass += high * (white - bass);
        smooth1 += low * ((white - bass) - smooth1);
        smooth2 += low * (smooth1 - smooth2);
        const double t = static_cast<double>(i - first) / rate_;
        const double env = envelope(t, noise.attack, noise.length, noise.decay, noise.release);
        mix_[i] += noise.amp * env * smooth2;
    }
}

std::vector<std::int16_t> Synth::render(double peak) const {
    double loudest = 1e-9;
    for (const double v : mix_) {
        loudest = std::max(loudest, std::abs(v));
    }
    const double end = static_cast<double>(mix_.size()) / rate_;
    std::vector<std::int16_t> pcm(mix_.size());
    for (std::size_t i = 0; i < mix_.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        const double edges = smoothRamp(t / FadeIn) * smoothRamp((end - t) / FadeOut);
        const double v = mix_[i] / loudest * peak * edges * 32767.0;
        pcm[i] = static_cast<std::int16_t>(std::clamp(std::lround(v), -32767L, 32767L));
    }
    return pcm;
}
