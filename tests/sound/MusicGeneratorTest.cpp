#include "Composer.h"
#include "LoopBuffer.h"
#include "TrackRenderer.h"
#include "TrackStyle.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {
double seconds(long frames) {
    return static_cast<double>(frames) / TrackRenderer::kSampleRate;
}
float dBFS(float level) {
    return 20.0f * std::log10(level);
}
} // namespace

class GeneratedTrack : public ::testing::TestWithParam<int> {};

// Length, level and seam of each finished track: long enough not to wear, calm, never
// clipping, and joining its end to its start without a step.
TEST_P(GeneratedTrack, IsALoopOfCalmMusic) {
    const LoopBuffer track = TrackRenderer::render(GetParam());
    EXPECT_GE(seconds(track.frames()), 60.0);
    EXPECT_LE(seconds(track.frames()), 120.0);
    EXPECT_LT(dBFS(track.peak()), -1.0f);
    EXPECT_GT(dBFS(track.peak()), -6.0f);
    const long last = track.frames() - 1;
    for (const auto channel : {&LoopBuffer::left, &LoopBuffer::right}) {
        EXPECT_LT(std::abs((track.*channel)(0)), 1e-3f);
        EXPECT_LT(std::abs((track.*channel)(last)), 1e-3f);
    }
}

// Every bar of harmony comes round again, and the last bar's chord differs from the first so
// the end leads back into the start.
TEST_P(GeneratedTrack, HarmonyRepeatsAcrossTheLoop) {
    const TrackStyle style = TrackStyle::forTrack(GetParam());
    EXPECT_EQ(style.bars() % static_cast<int>(style.progression.size()), 0);
    EXPECT_NE(style.progression.front(), style.progression.back());
    Composer composer(style, TrackRenderer::kSampleRate);
    for (const Note& note : composer.compose()) {
        EXPECT_GE(note.start, 0);
        EXPECT_LT(note.start, composer.totalFrames());
    }
}

INSTANTIATE_TEST_SUITE_P(AllTracks, GeneratedTrack, ::testing::Range(0, TrackStyle::kTracks));

TEST(MusicGenerator, TheSameTrackComesOutTheSameEveryTime) {
    const LoopBuffer first = TrackRenderer::render(1);
    const LoopBuffer second = TrackRenderer::render(1);
    EXPECT_EQ(first.leftChannel(), second.leftChannel());
    EXPECT_EQ(first.rightChannel(), second.rightChannel());
}

TEST(MusicGenerator, TheThreeTracksDifferInTempoAndKey) {
    std::set<int> tempos, keys;
    for (int track = 0; track < TrackStyle::kTracks; ++track) {
        tempos.insert(TrackStyle::forTrack(track).bpm);
        keys.insert(TrackStyle::forTrack(track).tonic);
    }
    EXPECT_EQ(tempos.size(), static_cast<std::size_t>(TrackStyle::kTracks));
    EXPECT_EQ(keys.size(), static_cast<std::size_t>(TrackStyle::kTracks));
}

TEST(LoopBuffer, SoundPastTheEndContinuesAtTheStart) {
    LoopBuffer loop(10);
    loop.addMono(8, {1.0f, 2.0f, 3.0f, 4.0f}, 0.0f);
    const float centre = std::cos(static_cast<float>(M_PI) / 4.0f);
    EXPECT_FLOAT_EQ(loop.left(8), 1.0f * centre);
    EXPECT_FLOAT_EQ(loop.right(9), 2.0f * centre);
    EXPECT_FLOAT_EQ(loop.left(0), 3.0f * centre);
    EXPECT_FLOAT_EQ(loop.right(1), 4.0f * centre);
    EXPECT_FLOAT_EQ(loop.left(2), 0.0f);
}

// An echo of a sound near the end is heard at the start, bouncing from side to side.
TEST(LoopBuffer, EchoCarriesOverTheSeam) {
    LoopBuffer loop(100);
    loop.addMono(95, {1.0f}, -1.0f);
    loop.echo(10, 0.5f, 1.0f);
    // Round the loop the echo returns to where it began, a thousand times quieter.
    constexpr float kReturn = 0.005f;
    EXPECT_NEAR(loop.left(95), 1.0f, kReturn);
    EXPECT_NEAR(loop.right(5), 1.0f, kReturn);
    EXPECT_NEAR(loop.left(15), 0.5f, kReturn);
    EXPECT_NEAR(loop.left(5), 0.0f, kReturn);
}
