#include "TonalVoices.h"

#include "Envelope.h"
#include "Noise.h"
#include "OnePole.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
double frequency(double pitch) {
    return 440.0 * std::pow(2.0, (pitch - 69.0) / 12.0);
}
double cents(double c) {
    return std::pow(2.0, c / 1200.0);
}
constexpr double kTwoPi = 2.0 * std::numbers::pi;
} // namespace

TonalVoices::TonalVoices(int sampleRate, Timbre timbre)
    : rate_(sampleRate), timbre_(std::move(timbre)),
      padTable_({1.0, 0.5, 0.33, 0.25, 0.2, 0.16, 0.12, 0.09}), bassTable_({1.0, 0.35, 0.12, 0.05}),
      leadTable_(timbre_.leadHarmonics) {
}

// Three slightly detuned copies of a soft saw make the pad breathe; the slow attack and long
// release let one chord melt into the next.
std::vector<float> TonalVoices::pad(const Note& note) const {
    const Envelope env{0.9, 1.0, 1.0, 1.8};
    std::vector<float> out(static_cast<std::size_t>(note.length + frames(env.release)));
    const double f = frequency(note.pitch);
    double phase[3] = {0.0, 0.37, 0.71};
    const double step[3] = {f * cents(-7) / rate_, f / rate_, f * cents(7) / rate_};
    OnePole filter(timbre_.padCutoffHz, rate_);
    for (std::size_t i = 0; i < out.size(); ++i) {
        float sum = 0.0f;
        for (int k = 0; k < 3; ++k) {
            sum += padTable_.at(phase[k]);
            phase[k] += step[k];
        }
        const double level = env.at(seconds(static_cast<long>(i)), seconds(note.length));
        out[i] = filter.lowPass(sum / 3.0f) * static_cast<float>(level) * note.velocity;
    }
    return out;
}

std::vector<float> TonalVoices::bass(const Note& note) const {
    const Envelope env{0.006, 0.35, 0.6, 0.12};
    std::vector<float> out(static_cast<std::size_t>(note.length + frames(env.release)));
    const double step = frequency(note.pitch) / rate_;
    OnePole filter(900.0, rate_);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double level = env.at(seconds(static_cast<long>(i)), seconds(note.length));
        out[i] = filter.lowPass(bassTable_.at(step * static_cast<double>(i))) *
                 static_cast<float>(level) * note.velocity;
    }
    return out;
}

// A singing vibrato that comes in only after the note has settled.
double TonalVoices::vibrato(double t) const {
    const double depth = std::clamp((t - 0.2) / 0.4, 0.0, 1.0) * timbre_.vibratoCents;
    return cents(depth * std::sin(kTwoPi * 5.0 * t));
}

std::vector<float> TonalVoices::lead(const Note& note) const {
    const Envelope env{0.03, 0.5, 0.65, 0.3};
    std::vector<float> out(static_cast<std::size_t>(note.length + frames(env.release)));
    const double f = frequency(note.pitch);
    OnePole filter(timbre_.leadCutoffHz, rate_);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(static_cast<long>(i));
        phase += f * vibrato(t) / rate_;
        const double level = env.at(t, seconds(note.length));
        out[i] = filter.lowPass(leadTable_.at(phase)) * static_cast<float>(level) * note.velocity;
    }
    return out;
}

// Two-operator frequency modulation: a bright strike that mellows as the modulation fades.
std::vector<float> TonalVoices::bell(const Note& note) const {
    const Envelope env{0.004, 1.1, 0.0, 0.6};
    std::vector<float> out(static_cast<std::size_t>(note.length + frames(env.release)));
    const double f = frequency(note.pitch);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = seconds(static_cast<long>(i));
        const double index = 2.0 * std::exp(-t / 0.3) + 0.25;
        const double modulator = std::sin(kTwoPi * f * timbre_.bellRatio * t);
        const double level = env.at(t, seconds(note.length));
        out[i] = static_cast<float>(std::sin(kTwoPi * f * t + index * modulator) * level) *
                 note.velocity;
    }
    return out;
}

// A plucked string: a burst of soft noise circulating in a delay line one period long, losing
// its highs a little on every round.
std::vector<float> TonalVoices::pluck(const Note& note) const {
    const long release = frames(0.25);
    std::vector<float> out(static_cast<std::size_t>(note.length + release));
    const auto period = static_cast<std::size_t>(std::max(2.0, rate_ / frequency(note.pitch)));
    std::vector<float> line(period);
    Noise noise(static_cast<std::uint64_t>(note.start) * 31 +
                static_cast<std::uint64_t>(note.pitch));
    OnePole soften(2500.0, rate_);
    for (float& s : line)
        s = soften.lowPass(noise.bipolar());
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t at = i % period;
        const float next = line[(at + 1) % period];
        out[i] = line[at];
        line[at] = 0.4985f * (line[at] + next);
    }
    for (long i = 0; i < release; ++i)
        out[static_cast<std::size_t>(note.length + i)] *=
            static_cast<float>(1.0 - static_cast<double>(i) / static_cast<double>(release));
    for (float& s : out)
        s *= note.velocity;
    return out;
}
