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
    // Inline: a match makes about 500 draws, and a simulated match takes microseconds.
    double Next() {
        if (m_next < m_sequence.size()) [[unlikely]]
            return m_sequence[m_next++];
        return Draw();
    }
    // The integer part of n times a draw: 0..n-1.
    int Pick(int n) {
        const int i = static_cast<int>(n * Next());
        // A fixed sequence may hold a value that is not below 1; never leave the range.
        return i >= n ? n - 1 : (i < 0 ? 0 : i);
    }

private:
    // splitmix64: small, fast and good enough for shuffles and draws.
    double Draw() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

    std::uint64_t m_state = 0x853c49e6748fea9bULL;
    std::vector<double> m_sequence;
    std::size_t m_next = 0;
};
