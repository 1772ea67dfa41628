#pragma once

#include "Note.h"

#include <vector>

// The light percussion: a soft kick, a brushed snare, closed and open hats and a shaker.
// Noise is seeded by the note's place, so every hit is slightly different yet reproducible.
class DrumVoices {
public:
    explicit DrumVoices(int sampleRate) : rate_(sampleRate) {}

    std::vector<float> kick(const Note& note) const;
    std::vector<float> snare(const Note& note) const;
    std::vector<float> hat(const Note& note, double decaySeconds) const;
    std::vector<float> shaker(const Note& note) const;

private:
    struct NoiseShape {
        int kind;                     // which noise, so hats and shaker never share their grain
        double cutoffHz;              // lowest frequency heard
        double attack, decay, length; // seconds
    };
    std::vector<float> noiseHit(const Note& note, const NoiseShape& shape) const;
    std::vector<float> silence(double seconds) const;
    // Brings the last few milliseconds smoothly to zero, so a cut-off tail never clicks.
    void taper(std::vector<float>& samples) const;

    int rate_;
};
