#include "SoundFixture.h"

#include "LoopBuffer.h"
#include "Mp3File.h"
#include "sound/Mp3Decoder.h"
#include "sound/StreamMusicPlayer.h"

#include <AL/alc.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstring>

using ::testing::IsEmpty;

namespace {

constexpr int Rate = 44100;
constexpr int WindowFrames = Rate / 200; // 5 ms
constexpr double WindowMs = 5.0;

// The loudness (RMS, 1 = full scale) of each 5 ms of interleaved 16-bit stereo.
std::vector<double> levels(const std::vector<std::int16_t>& stereo) {
    std::vector<double> result;
    for (std::size_t at = 0; at + 2 * WindowFrames <= stereo.size(); at += 2 * WindowFrames) {
        double sum = 0;
        for (std::size_t i = at; i < at + 2 * WindowFrames; ++i)
            sum += static_cast<double>(stereo[i]) * stereo[i];
        result.push_back(std::sqrt(sum / (2 * WindowFrames)) / 32768.0);
    }
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The longest run of windows quieter than the threshold.
int longestQuiet(const std::vector<double>& windows, double threshold) {
    int longest = 0;
    int run = 0;
    for (const double level : windows) {
        run = level < threshold ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The stretch between the first and the last window that sounds at all, less a margin at each
// end for the output's start and stop.
std::vector<double> heard(const std::vector<double>& windows, int marginWindows) {
    const auto loud = [](double level) { return level > 0.01; };
    const auto first = std::find_if(windows.begin(), windows.end(), loud);
    const auto last = std::find_if(windows.rbegin(), windows.rend(), loud).base();
    if (last - first <= 2 * marginWindows)
        return {};
    return {first + marginWindows, last - marginWindows};
}

// A pure tone with a whole number of cycles in one second: as a loop it has no seam of its own.
LoopBuffer toneLoop() {
    constexpr int Hz = 441;
    std::vector<float> tone(Rate);
    for (int i = 0; i < Rate; ++i)
        tone[static_cast<std::size_t>(i)] =
            0.5f * static_cast<float>(std::sin(2 * M_PI * Hz * i / Rate));
    LoopBuffer loop(Rate);
    loop.addMono(0, tone, 0.0f);
    return loop;
}

} // namespace

// The music played into OpenAL's wave driver, which writes what it mixed to a file, and the
// file searched for silence where the track comes round again.
class MusicSeam : public SoundFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        QFile config(folder.filePath(QStringLiteral("alsoft.conf")));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write("[general]\nfrequency = 44100\nchannels = stereo\nsample-type = int16\n"
                     "dither = false\n[wave]\nfile = ");
        config.write(QFile::encodeName(capturePath()) + '\n');
        config.close();
        // Read when the mixer is first touched, which happens in this test's own process.
        qputenv("ALSOFT_DRIVERS", "wave");
        qputenv("ALSOFT_CONF", QFile::encodeName(config.fileName()));
        SoundFixture::SetUp();
        openSupportBank(QStringLiteral(QB_BIN_DIR));
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder.path());
        auto real = std::make_unique<StreamMusicPlayer>();
        stream = real.get();
        modSoundSystem::setMusicPlayer(std::move(real));
    }
    void TearDown() override {
        QDir::setCurrent(previous_);
        SoundFixture::TearDown();
    }

    QString capturePath() const { return folder.filePath(QStringLiteral("capture.wav")); }
    qint64 captured() const { return QFileInfo(capturePath()).size(); }
    // Starts one of the game's tracks from a copy in the working folder.
    void startGameTrack(int track) {
        const QString file = modSoundSystem::MusicFileName(track);
        ASSERT_TRUE(QFile::copy(QStringLiteral(QB_BIN_DIR "/") + file, folder.filePath(file)));
        chooseTrack(track);
        modSoundSystem::StartMusic();
        ASSERT_TRUE(stream->isPlaying());
    }

    // Stops the music and closes its output (a recorder takes the player's place), then reads
    // what was mixed: the samples after the data chunk's header, to the end of the file. The
    // effects' mixer sleeps until the music starts, and a wave output that was paused and woken
    // again writes on right behind the file's first eight bytes, over the rest of the header.
    std::vector<std::int16_t> stopAndCapture() {
        modSoundSystem::StopMusic();
        modSoundSystem::setMusicPlayer(std::make_unique<RecordingMusicPlayer>(music));
        stream = nullptr;
        QFile file(capturePath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        const qsizetype data = bytes.indexOf("data");
        const QByteArray body = bytes.mid(data < 0 ? 8 : data + 8);
        std::vector<std::int16_t> samples(static_cast<std::size_t>(body.size()) / 2);
        std::memcpy(samples.data(), body.constData(), samples.size() * 2);
        return samples;
    }

    QTemporaryDir folder;
    StreamMusicPlayer* stream = nullptr;

private:
    QString previous_;
};

// One second of tone, looped three times by the game's own music loop: any gap, or the
// encoder's padding left in at either end, shows as a quiet moment.
TEST_F(MusicSeam, ALoopedToneNeverFallsSilent) {
    ASSERT_TRUE(Mp3File::write(
        toneLoop(), Rate,
        QFile::encodeName(folder.filePath(QStringLiteral("brov0.mp3"))).toStdString()));
    chooseTrack(0);
    modSoundSystem::StartMusic();
    ASSERT_TRUE(stream->isPlaying());
    runEvents(3600);
    const std::vector<double> tone = heard(levels(stopAndCapture()), 4);
    ASSERT_GT(tone.size() * WindowMs, 3000.0) << "the tone did not play through its seams";
    const double usual = median(tone);
    std::vector<int> quiet;
    for (std::size_t w = 0; w < tone.size(); ++w) {
        if (tone[w] < 0.7 * usual)
            quiet.push_back(static_cast<int>(w * WindowMs));
    }
    EXPECT_THAT(quiet, IsEmpty()) << "milliseconds into the tone that were quiet";
}

// A generated track heard across its seam is never quiet for longer than the track itself is
// where its end meets its start.
TEST_F(MusicSeam, TheGameTracksSeamIsNoQuieterThanTheTrack) {
    const QString track = QStringLiteral(QB_BIN_DIR "/brov0.mp3");
    ASSERT_TRUE(QFile::copy(track, folder.filePath(QStringLiteral("brov0.mp3"))));
    Mp3Decoder decoder;
    ASSERT_TRUE(decoder.open(track));
    const std::int64_t second = decoder.sampleRate();
    std::vector<std::int16_t> own(static_cast<std::size_t>(4 * second));
    decoder.seek(decoder.length() - second);
    const std::size_t tail = decoder.read(own);
    decoder.seek(0);
    decoder.read(std::span(own).subspan(2 * tail, static_cast<std::size_t>(2 * second)));
    const std::vector<double> itself = levels(own);
    const double threshold = 0.1 * median(itself);

    chooseTrack(0);
    modSoundSystem::StartMusic();
    ASSERT_TRUE(stream->isPlaying());
    stream->setPositionMs(stream->durationMs() - 1000);
    runEvents(2200);
    // The first moments hold the jump to the end of the track; the seam comes a second later.
    const std::vector<double> played = heard(levels(stopAndCapture()), 40);
    ASSERT_GT(played.size() * WindowMs, 1200.0);
    EXPECT_LE(longestQuiet(played, threshold), longestQuiet(itself, threshold) + 1);
}

// Stopped music leaves nothing running: the output stops rendering, so its file stops growing.
TEST_F(MusicSeam, StoppedMusicLetsTheOutputSleep) {
    startGameTrack(1);
    runEvents(500);
    modSoundSystem::StopMusic();
    const qint64 stopped = captured();
    EXPECT_GT(stopped, 44100);
    runEvents(500);
    EXPECT_EQ(captured(), stopped);
    EXPECT_FALSE(stream->isPlaying());
}

// The music shares the effects' output, whose mixer sleeps once the last effect has played out:
// not while the music plays.
TEST_F(MusicSeam, TheMusicPlaysOnAfterAnEffectHasEnded) {
    startGameTrack(1);
    modSoundSystem::PlaySound(SoundEffect::Hover); // 30 ms
    runEvents(800);
    const qint64 before = captured();
    const qint64 position = stream->positionMs();
    runEvents(500);
    EXPECT_GT(captured(), before + 44100) << "the output stopped rendering";
    EXPECT_GT(stream->positionMs(), position + 300);
}

// The music's source lives in the effects' output, so releasing the sound at the program's end
// ends the music first; afterwards there is no output and the music stays silent.
TEST_F(MusicSeam, ReleasingTheSoundEndsTheMusicFirst) {
    startGameTrack(1);
    runEvents(300);
    modSoundSystem::ReleaseSound();
    EXPECT_FALSE(stream->isPlaying());
    EXPECT_EQ(alcGetCurrentContext(), nullptr);
    runEvents(300);
    modSoundSystem::StartMusic();
    EXPECT_FALSE(stream->isPlaying());
    EXPECT_THAT(messages, IsEmpty());
}
