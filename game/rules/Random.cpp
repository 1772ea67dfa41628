#include "rules/Random.h"

#include <chrono>
#include <utility>

RandomSource& Random::Program() {
    static RandomSource source;
    return source;
}

void Random::Seed(std::uint64_t seed) {
    Program().Seed(seed);
}

void Random::SeedFromClock() {
    Seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void Random::SetSequence(std::vector<double> draws) {
    Program().SetSequence(std::move(draws));
}

double Random::Next() {
    return Program().Next();
}

int Random::Pick(int n) {
    return Program().Pick(n);
}
