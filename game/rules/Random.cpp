#include "rules/Random.h"

#include <chrono>
#include <utility>

namespace {
// splitmix64: small, fast and good enough for shuffles and draws; one stream per program.
struct Generator {
    std::uint64_t state = 0x853c49e6748fea9bULL;
    std::vector<double> sequence;
    std::size_t next = 0;

    double draw() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }
};

Generator theGenerator;

Generator& generator() {
    return theGenerator;
}
} // namespace

void Random::Seed(std::uint64_t seed) {
    generator().state = seed;
    generator().sequence.clear();
    generator().next = 0;
}

void Random::SeedFromClock() {
    Seed(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void Random::SetSequence(std::vector<double> draws) {
    generator().sequence = std::move(draws);
    generator().next = 0;
}

double Random::Next() {
    Generator& g = generator();
    if (g.next < g.sequence.size()) [[unlikely]]
        return g.sequence[g.next++];
    return g.draw();
}

int Random::Pick(int n) {
    const int i = static_cast<int>(n * Next());
    // A fixed sequence may hold a value that is not below 1; never leave the range.
    return i >= n ? n - 1 : (i < 0 ? 0 : i);
}
