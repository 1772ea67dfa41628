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
