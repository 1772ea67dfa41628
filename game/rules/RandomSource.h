#pragma once

#include <cstdint>
#include <vector>

// A uniform generator in [0, 1) for the random choices of a match (shuffles, beginner, hand
// draws, the computer's hand). A table is handed one, so a match is a function of its seed;
// tests feed it a fixed sequence of draws instead.
class RandomSource {
public:
    void Seed(std::uint64_t seed);
    // The next draws come from this list (then the seeded generator again).
    void SetSequence(std::vector<double> draws);
    double Next();
    // The integer part of n times a draw: 0..n-1.
    int Pick(int n);

private:
    // splitmix64: small, fast and good enough for shuffles and draws.
    double Draw();

    std::uint64_t m_state = 0x853c49e6748fea9bULL;
    std::vector<double> m_sequence;
    std::size_t m_next = 0;
};
