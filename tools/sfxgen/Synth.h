#pragma once

#include <cstdint>
#include <vector>

// Timbres of a note; the harmonic ones are built from a few partials below the Nyquist limit,
// so no timbre aliases.
enum class Timbre { Sine, Bell, Reed, Buzz };

struct Note {
    double start = 0;    // seconds from the beginning of the effect
    double length = 0.1; // seconds until the release starts
    double freq = 440;   // Hz at the start
    double freqEnd = 0;  // Hz at the end of the length; 0 keeps the pitch
    Timbre timbre = Timbre::Sine;
    double amp = 0.5;
    double attack = 0.005; // seconds
    double decay = 0;      // time constant of the exponential fade in seconds; 0 holds
    double release = 0.02; // seconds to silence after the length
};

// Filtered noise: a tearing paper snap or a swish of a sliding card.
struct Noise {
    double start = 0;
    double length = 0.05;
    double amp = 0.5;
    double attack = 0.001;
    double decay = 0.01;
    double lowCut = 500;   // Hz, high-pass corner
    double highCut = 8000; // Hz, low-pass corner
    double release = 0.005;
};

// Mixes notes and noise into one mono effect of fixed length and renders it as 16-bit PCM.
class Synth {
public:
    Synth(int sampleRate, double seconds);

    void add(const Note& note);
    void add(const Noise& noise);
    // Scales the loudest sample to peak (0..1), fades the very start and end so the effect
    // never begins or ends on a jump, and quantises.
    std::vector<std::int16_t> render(double peak) const;

    int sampleRate() const { return rate_; }

private:
    double envelope(double t, double attack, double length, double decay, double release) const;
    double oscillator(Timbre timbre, double phase, double freq) const;
    std::size_t index(double seconds) const;

    int rate_;
    std::vector<double> mix_;
    std::uint32_t noiseState_ = 0x2545F491;
};
