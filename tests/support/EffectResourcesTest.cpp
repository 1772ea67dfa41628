#include "EffectResources.h"
#include "RiffWave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Format {
    std::uint32_t rate;
    double seconds;
};

// The format and length of each effect the game expects from the bank.
constexpr Format Formats[14] = {
    {22050, 0.47}, {44100, 0.11}, {22050, 0.17}, {22050, 0.03}, {22050, 2.15},
    {22050, 0.63}, {22050, 0.54}, {22050, 2.04}, {22050, 0.93}, {22050, 1.86},
    {22050, 0.94}, {22050, 0.15}, {22050, 0.95}, {22050, 0.58},
};

std::vector<std::int16_t> samplesOf(const RiffWave& wave) {
    std::vector<std::int16_t> samples(wave.samples.size() / 2);
    std::memcpy(samples.data(), wave.samples.data(), samples.size() * 2);
    return samples;
}

class EmbeddedEffect : public testing::TestWithParam<int> {};

TEST_P(EmbeddedEffect, IsMonoSixteenBitPcmOfItsLength) {
    const Format& expected = Formats[GetParam()];
    const auto wave = RiffWave::parse(effectResource(GetParam()));
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->bitsPerSample, 16);
    EXPECT_EQ(wave->sampleRate, expected.rate);
    const double seconds = static_cast<double>(wave->samples.size() / 2) / wave->sampleRate;
    EXPECT_NEAR(seconds, expected.seconds, 0.010);
}

// Clean edges: the effect starts and ends at silence, is clearly audible, and does not clip.
TEST_P(EmbeddedEffect, StartsAndEndsSilentWithoutClipping) {
    const auto samples = samplesOf(*RiffWave::parse(effectResource(GetParam())));
    ASSERT_GT(samples.size(), 4u);
    EXPECT_LT(std::abs(samples.front()), 64);
    EXPECT_LT(std::abs(samples.back()), 64);
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    const int peak = std::max(-static_cast<int>(*low), static_cast<int>(*high));
    EXPECT_GT(peak, 32767 / 5);
    EXPECT_LT(peak, 32767);
}

INSTANTIATE_TEST_SUITE_P(Bank, EmbeddedEffect, testing::Range(0, 14));

TEST(EffectResources, NumbersOutsideTheBankHaveNoResource) {
    for (const int n : {-1, 14, 1000}) {
        EXPECT_TRUE(effectResource(n).empty()) << n;
    }
}

} // namespace
