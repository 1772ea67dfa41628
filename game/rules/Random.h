#pragma once

#include "rules/RandomSource.h"

#include <cstdint>
#include <vector>

// The program's own random source, behind every random choice outside a table that was handed
// another one. Seeded once from the clock at start-up; tests and the simulator seed it or feed
// it a fixed sequence.
namespace Random {

RandomSource& Program();
void Seed(std::uint64_t seed);
void SeedFromClock();
void SetSequence(std::vector<double> draws);
double Next();
int Pick(int n);

} // namespace Random
