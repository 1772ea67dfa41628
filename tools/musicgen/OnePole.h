#pragma once

#include <cmath>
#include <numbers>

// A gentle low-pass filter (6 dB per octave); its complement gives a high-pass.
class OnePole {
public:
    OnePole(double cutoffHz, int sampleRate)
        : coefficient_(1.0 - std::exp(-2.0 * std::numbers::pi * cutoffHz / sampleRate)) {}

    float lowPass(float x) {
        state_ += coefficient_ * (x - state_);
        return static_cast<float>(state_);
    }
    float highPass(float x) { return x - lowPass(x); }

private:
    double coefficient_;
    double state_ = 0.0;
};
