#include "rules/RandomSource.h"

#include <utility>

void RandomSource::Seed(std::uint64_t seed) {
    m_state = seed;
    m_sequence.clear();
    m_next = 0;
}

void RandomSource::SetSequence(std::vector<double> draws) {
    m_sequence = std::move(draws);
    m_next = 0;
}

double RandomSource::Draw() {
    std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double RandomSource::Next() {
    if (m_next < m_sequence.size()) [[unlikely]]
        return m_sequence[m_next++];
    return Draw();
}

int RandomSource::Pick(int n) {
    const int i = static_cast<int>(n * Next());
    // A fixed sequence may hold a value that is not below 1; never leave the range.
    return i >= n ? n - 1 : (i < 0 ? 0 : i);
}
