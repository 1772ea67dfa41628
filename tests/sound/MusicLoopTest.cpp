#include "SoundFixture.h"

#include "sound/StreamMusicPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Music : public SoundFixture {
protected:
    static QStringList startOf(const QString& file) {
        return {QStringLiteral("close"), QStringLiteral("open ") + file, QStringLiteral("rewind"),
                QStringLiteral("play")};
    }
};

TEST_F(Music, NoTrackChosenIssuesNoCommand) {
    chooseTrack(-1);
    modSoundSystem::StartMusic();
    player->finish();
    EXPECT_THAT(*music, IsEmpty());
}

TEST_F(Music, EachTrackStartsFromItsBeginning) {
    for (int track = 0; track <= 2; ++track) {
        music->clear();
        chooseTrack(track);
        modSoundSystem::StartMusic();
        EXPECT_EQ(*music, startOf(modSoundSystem::MusicFileName(track)));
    }
    EXPECT_EQ(modSoundSystem::MusicFileName(2), u"brov2.mp3"_s);
}

TEST_F(Music, SwitchingTracksRestartsAtTheNewTracksStart) {
    chooseTrack(0);
    modSoundSystem::StartMusic();
    music->clear();
    chooseTrack(2);
    modSoundSystem::StartMusic();
    EXPECT_EQ(*music, startOf(u"brov2.mp3"_s));
}

TEST_F(Music, TheEndOfATrackRestartsItEveryTime) {
    chooseTrack(1);
    modSoundSystem::StartMusic();
    for (int round = 0; round < 3; ++round) {
        music->clear();
        player->finish();
        EXPECT_THAT(*music, ElementsAre(u"stop"_s, u"rewind"_s, u"play"_s)) << "round " << round;
    }
}

// Switched off is switched off, even when the end notice arrives a moment later.
TEST_F(Music, StoppedMusicStaysOpenAndSilent) {
    chooseTrack(0);
    modSoundSystem::StartMusic();
    music->clear();
    modSoundSystem::StopMusic();
    player->finish();
    EXPECT_THAT(*music, ElementsAre(u"stop"_s, u"rewind"_s));
    music->clear();
    modSoundSystem::StartMusic();
    EXPECT_EQ(*music, startOf(u"brov0.mp3"_s));
}

TEST_F(Music, TracksAreFoundInTheWorkingFolderThenBesideTheProgram) {
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    const QString name = QStringLiteral("probe-%1.mp3").arg(QCoreApplication::applicationPid());
    EXPECT_EQ(StreamMusicPlayer::locate(name), QString());

    QFile beside(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(StreamMusicPlayer::locate(name), QFileInfo(beside).absoluteFilePath());

    QFile here(QDir(work.path()).filePath(name));
    ASSERT_TRUE(here.open(QIODevice::WriteOnly));
    here.close();
    EXPECT_EQ(StreamMusicPlayer::locate(name), QFileInfo(here).absoluteFilePath());

    beside.remove();
    QDir::setCurrent(previous);
}

// A missing track and a file that is no music at all are both just silence.
TEST_F(Music, MissingOrBrokenTracksAreSilentWithoutAMessage) {
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    QFile broken(QStringLiteral("brov1.mp3"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not music");
    broken.close();

    auto real = std::make_unique<StreamMusicPlayer>();
    StreamMusicPlayer* stream = real.get();
    modSoundSystem::setMusicPlayer(std::move(real));
    chooseTrack(1);
    modSoundSystem::StartMusic();
    EXPECT_FALSE(stream->isOpen());
    EXPECT_FALSE(stream->isPlaying());

    chooseTrack(7);
    modSoundSystem::StartMusic();
    EXPECT_FALSE(stream->isOpen());
    modSoundSystem::StopMusic();
    EXPECT_THAT(messages, IsEmpty());
    QDir::setCurrent(previous);
}
