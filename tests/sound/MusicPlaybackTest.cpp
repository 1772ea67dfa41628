#include "SoundFixture.h"

#include "sound/QtMusicPlayer.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QDir>
#include <QMediaDevices>
#include <QMediaPlayer>

// The real thing: a generated track decoded and played through Qt Multimedia into the
// computer's audio output, run to its end and looped. Needs an audio output (a sound server
// with a null sink will do); without one the test says so and is skipped.
class MusicPlayback : public SoundFixture {
protected:
    void SetUp() override {
        SoundFixture::SetUp();
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
    auto real = std::make_unique<QtMusicPlayer>();
    QMediaPlayer* media = real->mediaPlayer();
    if (QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "skipped: no audio output device (start a sound server, for example "
                        "one with a null sink, to play the music for real)";
    modSoundSystem::setMusicPlayer(std::move(real));
    chooseTrack(2);
    modSoundSystem::StartMusic();

    ASSERT_TRUE(waitFor([&] { return media->position() > 500; }, 10000))
        << "the track did not start playing; error: " << media->errorString().toStdString();
    EXPECT_GT(media->duration(), 60000);
    EXPECT_LT(media->duration(), 120000);

    // Jump close to the end and listen for the loop to bring the track back to its start.
    media->setPosition(media->duration() - 1500);
    ASSERT_TRUE(waitFor([&] { return media->position() > media->duration() - 1000; }, 5000));
    EXPECT_TRUE(waitFor(
        [&] {
            return media->playbackState() == QMediaPlayer::PlayingState && media->position() > 0 &&
                   media->position() < 3000;
        },
        10000))
        << "position " << media->position();
    EXPECT_EQ(media->error(), QMediaPlayer::NoError);
    EXPECT_THAT(messages, ::testing::IsEmpty());
    modSoundSystem::StopMusic();
}
