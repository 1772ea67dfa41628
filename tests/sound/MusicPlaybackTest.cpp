#include "SoundFixture.h"

#include "sound/StreamMusicPlayer.h"

#include <QDeadlineTimer>
#include <QDir>

// The real thing: a generated track decoded and played into the support library's sound output
// (the tests' silent OpenAL driver, or a sound server with a null sink), run to its end and
// looped.
// Without any sound output the test says so and is skipped.
class MusicPlayback : public SoundFixture {
protected:
    void SetUp() override {
        SoundFixture::SetUp();
        openSupportBank(QStringLiteral(QB_BIN_DIR));
        previous_ = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(QB_BIN_DIR));
    }
    void TearDown() override {
        QDir::setCurrent(previous_);
        SoundFixture::TearDown();
    }
    // Runs events until the condition holds or the limit passes; tells whether it held.
    template <typename Condition> static bool waitFor(Condition condition, int limitMs) {
        const QDeadlineTimer deadline(limitMs);
        while (!condition() && !deadline.hasExpired())
            runEvents(20);
        return condition();
    }

private:
    QString previous_;
};

TEST_F(MusicPlayback, GeneratedTrackPlaysAndLoops) {
    auto real = std::make_unique<StreamMusicPlayer>();
    StreamMusicPlayer* stream = real.get();
    modSoundSystem::setMusicPlayer(std::move(real));
    chooseTrack(2);
    modSoundSystem::StartMusic();
    ASSERT_TRUE(stream->isOpen()) << "brov2.mp3 beside the program did not open";
    if (!stream->isPlaying())
        GTEST_SKIP() << "skipped: no sound output (OpenAL found no device)";

    ASSERT_TRUE(waitFor([&] { return stream->positionMs() > 500; }, 10000))
        << "the track did not start playing";
    EXPECT_GT(stream->durationMs(), 60000);
    EXPECT_LT(stream->durationMs(), 120000);

    // Jump close to the end and listen for the loop to bring the track back to its start.
    stream->setPositionMs(stream->durationMs() - 1500);
    ASSERT_TRUE(waitFor([&] { return stream->positionMs() > stream->durationMs() - 1000; }, 5000));
    EXPECT_TRUE(waitFor(
        [&] {
            return stream->isPlaying() && stream->positionMs() > 0 && stream->positionMs() < 3000;
        },
        10000))
        << "position " << stream->positionMs();
    EXPECT_TRUE(stream->isOpen());
    EXPECT_THAT(messages, ::testing::IsEmpty());
    modSoundSystem::StopMusic();
}
