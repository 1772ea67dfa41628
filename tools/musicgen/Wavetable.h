#pragma once

#include <vector>

// One cycle of a tone built from its harmonics, read with linear interpolation. Building the
// cycle once keeps a track of thousands of notes quick to render.
class Wavetable {
public:
    // amplitudes[k] is the strength of harmonic k + 1.
    explicit Wavetable(const std::vector<double>& amplitudes);

    // phase in cycles; only its fractional part counts.
    float at(double phase) const;

private:
    static constexpr int kSize = 4096;
    std::vector<float> cycle_;
};
