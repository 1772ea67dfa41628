#include "SupportLibrary.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <chrono>
#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The bank's sources as the mixer sees them, grouped by the buffer they share. Buffers are
// made in effect order, so the n-th buffer is effect n.
std::vector<std::vector<ALuint>> sourcesPerEffect() {
    std::map<ALint, std::vector<ALuint>> byBuffer;
    for (ALuint id = 1; id < 4096; ++id) {
        if (alIsSource(id)) {
            ALint buffer = 0;
            alGetSourcei(id, AL_BUFFER, &buffer);
            byBuffer[buffer].push_back(id);
        }
    }
    std::vector<std::vector<ALuint>> effects;
    for (auto& [buffer, sources] : byBuffer) {
        effects.push_back(sources);
    }
    return effects;
}

bool isPlaying(ALuint source) {
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

int playingCount(const std::vector<ALuint>& sources) {
    return static_cast<int>(std::count_if(sources.begin(), sources.end(), isPlaying));
}

float offsetSeconds(ALuint source) {
    ALfloat seconds = 0;
    alGetSourcef(source, AL_SEC_OFFSET, &seconds);
    return seconds;
}

// Sound plays into OpenAL's null output (ALSOFT_DRIVERS=null): nothing is heard, but sources
// play and finish in real time.
class SoundExports : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(lib.DirectSoundInit, nullptr);
        ASSERT_EQ(lib.DirectSoundInit(0), 1);
        effects = sourcesPerEffect();
        ASSERT_EQ(effects.size(), 14u);
    }
    void TearDown() override { lib.DirectSoundRelease(); }

    int playingAnywhere() const {
        int total = 0;
        for (const auto& sources : effects) {
            total += playingCount(sources);
        }
        return total;
    }

    const SupportLibrary& lib = SupportLibrary::get();
    std::vector<std::vector<ALuint>> effects;
};

TEST_F(SoundExports, EveryEffectHasFiveSourcesSharingOneBuffer) {
    for (std::size_t n = 0; n < effects.size(); ++n) {
        EXPECT_EQ(effects[n].size(), 5u) << "effect " << n;
        for (const ALuint source : effects[n]) {
            ALint looping = AL_TRUE;
            alGetSourcei(source, AL_LOOPING, &looping);
            EXPECT_EQ(looping, AL_FALSE);
        }
    }
    EXPECT_EQ(playingAnywhere(), 0);
}

TEST_F(SoundExports, QuickPlaysOverlapUpToFiveInstances) {
    const struct {
        int effect;
        int plays;
        int playing;
    } cases[] = {{5, 3, 3}, {4, 6, 5}, {9, 5, 5}, {7, 1, 1}}; // all long enough to outlast the loop
    for (const auto& c : cases) {
        for (int i = 0; i < c.plays; ++i) {
            lib.DirectSoundPlay(c.effect);
        }
        EXPECT_EQ(playingCount(effects[static_cast<std::size_t>(c.effect)]), c.playing)
            << "effect " << c.effect << ", " << c.plays << " plays";
    }
}

TEST_F(SoundExports, SixthPlayRestartsTheFifthInstance) {
    const auto& sources = effects[4]; // 2.15 s: all five still sound at the end of this test
    for (int i = 0; i < 5; ++i) {
        lib.DirectSoundPlay(4);
        std::this_thread::sleep_for(60ms);
    }
    std::this_thread::sleep_for(300ms);
    ASSERT_GT(offsetSeconds(sources[4]), 0.25f);
    lib.DirectSoundPlay(4);
    EXPECT_EQ(playingCount(sources), 5);
    EXPECT_LT(offsetSeconds(sources[4]), 0.15f) << "the fifth instance starts again";
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_GT(offsetSeconds(sources[i]), 0.3f) << "instance " << i << " plays on";
    }
}

TEST_F(SoundExports, FinishedInstancesAreReusedFirst) {
    lib.DirectSoundPlay(3); // 30 ms
    std::this_thread::sleep_for(300ms);
    ASSERT_EQ(playingCount(effects[3]), 0);
    lib.DirectSoundPlay(3);
    EXPECT_TRUE(isPlaying(effects[3][0]));
    EXPECT_EQ(playingCount(effects[3]), 1);
}

TEST_F(SoundExports, NumbersOutsideTheBankPlayNothing) {
    for (const std::int32_t n : {14, -1, 100, INT_MIN, INT_MAX}) {
        lib.DirectSoundPlay(n);
    }
    EXPECT_EQ(playingAnywhere(), 0);
}

TEST(SoundLifecycle, PlayingBeforeInitAndAfterReleaseDoesNothing) {
    const SupportLibrary& lib = SupportLibrary::get();
    lib.DirectSoundPlay(4);
    lib.DirectSoundRelease();
    ASSERT_EQ(lib.DirectSoundInit(0), 1);
    int playing = 0;
    for (const auto& sources : sourcesPerEffect()) {
        playing += playingCount(sources);
    }
    EXPECT_EQ(playing, 0) << "a play before init must not be remembered";
    lib.DirectSoundRelease();
    EXPECT_EQ(alcGetCurrentContext(), nullptr);
    lib.DirectSoundPlay(4);
    lib.DirectSoundRelease();
}

TEST(SoundLifecycle, WithoutASoundDeviceInitReportsZeroAndStaysSilent) {
    setenv("ALSOFT_DRIVERS", "no-such-output", 1); // before the mixer is first touched
    const SupportLibrary& lib = SupportLibrary::get();
    EXPECT_EQ(lib.DirectSoundInit(0), 0);
    lib.DirectSoundPlay(4);
    lib.DirectSoundRelease();
    EXPECT_EQ(alcGetCurrentContext(), nullptr);
}

// The wave driver writes everything the mixer renders to a file, so a mixer that keeps running
// in silence shows as a file that keeps growing.
class MixerCapture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(mkdtemp(folder), nullptr);
        capture = std::string(folder) + "/mixed.wav";
        const std::string config = std::string(folder) + "/alsoft.conf";
        std::ofstream(config) << "[wave]\nfile = " << capture << "\n";
        setenv("ALSOFT_DRIVERS", "wave", 1); // before the mixer is first touched
        setenv("ALSOFT_CONF", config.c_str(), 1);
        ASSERT_EQ(lib.DirectSoundInit(0), 1);
    }
    void TearDown() override {
        lib.DirectSoundRelease();
        std::filesystem::remove_all(folder);
    }
    // Whether the mixer rendered anything over the next moment.
    bool mixing() const {
        const auto before = std::filesystem::file_size(capture);
        std::this_thread::sleep_for(400ms);
        return std::filesystem::file_size(capture) > before;
    }

    const SupportLibrary& lib = SupportLibrary::get();
    char folder[32] = "/tmp/qb-mixer-XXXXXX";
    std::string capture;
};

TEST_F(MixerCapture, TheMixerSleepsWhileNoEffectSounds) {
    lib.DirectSoundPlay(3); // 30 ms
    std::this_thread::sleep_for(700ms);
    EXPECT_FALSE(mixing());
}

// The music plays in the bank's output: the end of the last effect must not silence it, and
// once it has ended the mixer sleeps again.
TEST_F(MixerCapture, AStreamKeepsTheMixerAwakeUntilItEnds) {
    lib.DirectSoundStreaming(1);
    EXPECT_TRUE(mixing()) << "a stream wakes the mixer";
    lib.DirectSoundPlay(3); // 30 ms
    std::this_thread::sleep_for(700ms);
    EXPECT_TRUE(mixing()) << "the effect's end paused the stream";
    lib.DirectSoundStreaming(0);
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(mixing()) << "the mixer runs on after the stream ended";
}

TEST_F(MixerCapture, AnEffectStillSoundingOutlastsTheStream) {
    lib.DirectSoundStreaming(1);
    lib.DirectSoundPlay(4); // 2.15 s
    std::this_thread::sleep_for(100ms);
    lib.DirectSoundStreaming(0);
    EXPECT_TRUE(mixing()) << "the stream's end cut the effect off";
}

} // namespace
