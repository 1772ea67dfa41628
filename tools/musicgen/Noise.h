#pragma once

#include <cstdint>

// A small deterministic generator: the same seed gives the same noise and the same choices on
// every build, so the generated music never changes unless its recipe does.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

    // Uniform in [0, 1).
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return static_cast<double>(state_ >> 11) * (1.0 / 9007199254740992.0);
    }
    // Uniform in [-1, 1).
    float bipolar() { return static_cast<float>(2.0 * next() - 1.0); }
    // 0 .. n-1.
    int pick(int n) { return static_cast<int>(next() * n); }

private:
    std::uint64_t state_;
};
