#pragma once

#include <cstdint>
#include <vector>

struct Effect {
    int sampleRate = 22050;
    std::vector<std::int16_t> samples;
};

// The game's fourteen effects, 0..13: what each one is meant to sound like is written beside
// its recipe. Every effect is deterministic, so the build always embeds the same sounds.
namespace EffectRecipes {

constexpr int Count = 14;
Effect make(int number);

} // namespace EffectRecipes
