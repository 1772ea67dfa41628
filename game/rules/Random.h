#pragma once

#include <cstdint>
#include <vector>

// The one uniform generator in [0, 1) behind every random choice of the program (shuffles,
// beginner, hand draws, the computer's hand). Seeded once from the clock at start-up; tests
// and the simulator seed it or feed it a fixed sequence.
namespace Random {

void Seed(std::uint64_t seed);
void SeedFromClock();
// The next draws come from this list (then the seeded generator again).
void SetSequence(std::vector<double> draws);
double Next();
// The integer part of n times a draw: 0..n-1.
int Pick(int n);

} // namespace Random
