#include "sound/StreamMusicPlayer.h"

#include "shell/StartupLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

// About a third of a second per buffer at the usual rate; four of them outlast a refill that
// comes late by a second.
constexpr std::size_t ChunkFrames = 16384;
constexpr std::size_t MaxChannels = 2;
constexpr int RefillMs = 250;

} // namespace

StreamMusicPlayer::StreamMusicPlayer() : chunk_(ChunkFrames * MaxChannels) {
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(RefillMs);
    QObject::connect(timer, &QTimer::timeout, timer, [this] { refill(); });
    refillTimer_ = timer;
}

StreamMusicPlayer::~StreamMusicPlayer() {
    delete refillTimer_.data();
}

QString StreamMusicPlayer::locate(const QString& fileName) {
    const QFileInfo here(fileName);
    if (here.isFile())
        return here.absoluteFilePath();
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(fileName));
    return beside.isFile() ? beside.absoluteFilePath() : QString();
}

void StreamMusicPlayer::Close() {
    playing_ = false;
    output_.close();
    goQuiet();
    decoder_.close();
}

void StreamMusicPlayer::Open(const QString& fileName) {
    Close();
    const QString path = locate(fileName);
    qCDebug(lcStartup).noquote() << "music" << fileName << "found at" << path;
    if (!path.isEmpty())
        decoder_.open(path);
}

void StreamMusicPlayer::Rewind() {
    seekTo(0);
}

void StreamMusicPlayer::Play() {
    if (!isOpen() || playing_ || decoder_.atEnd() || !output_.start())
        return;
    playing_ = true;
    notifyStreaming(true);
    decodeIntoFreeBuffers();
    if (refillTimer_)
        refillTimer_->start();
}

// Inside the end notice the queued end of the track is left to play out.
void StreamMusicPlayer::Stop() {
    const bool ending = inEndNotice_;
    playing_ = false;
    if (ending)
        return;
    const std::int64_t unheard = output_.flush();
    if (unheard > 0)
        decoder_.seek(heardFrame(unheard));
    goQuiet();
}

qint64 StreamMusicPlayer::durationMs() const {
    return toMs(decoder_.length());
}

qint64 StreamMusicPlayer::positionMs() {
    return isOpen() ? toMs(heardFrame(output_.pendingFrames())) : 0;
}

void StreamMusicPlayer::setPositionMs(qint64 ms) {
    seekTo(ms * decoder_.sampleRate() / 1000);
}

// While playing, the new place is heard at once; inside the end notice it follows the queued end.
void StreamMusicPlayer::seekTo(std::int64_t frame) {
    if (!isOpen())
        return;
    const bool jump = playing_ && !inEndNotice_;
    if (jump)
        output_.flush();
    decoder_.seek(frame);
    if (jump)
        decodeIntoFreeBuffers();
}

void StreamMusicPlayer::refill() {
    decodeIntoFreeBuffers();
    if (playing_ && decoder_.atEnd())
        reachEnd();
    if (!playing_ && output_.pendingFrames() == 0)
        goQuiet();
}

void StreamMusicPlayer::decodeIntoFreeBuffers() {
    while (playing_ && !decoder_.atEnd() && output_.hasFreeBuffer()) {
        const std::size_t frames = decoder_.read(chunk_);
        const auto samples = std::span<const std::int16_t>(chunk_).first(
            frames * static_cast<std::size_t>(decoder_.channels()));
        output_.queue(samples, decoder_.channels(), decoder_.sampleRate());
    }
}

// The track has finished by itself unless the notice starts it again.
void StreamMusicPlayer::reachEnd() {
    playing_ = false;
    inEndNotice_ = true;
    notifyFinished();
    inEndNotice_ = false;
}

void StreamMusicPlayer::goQuiet() {
    if (refillTimer_)
        refillTimer_->stop();
    notifyStreaming(false);
}

// Frames still queued may belong to the pass before a seam, which ended at the track's length.
std::int64_t StreamMusicPlayer::heardFrame(std::int64_t unheard) const {
    const std::int64_t frame = decoder_.position() - unheard;
    return frame >= 0 ? frame : std::max<std::int64_t>(0, decoder_.length() + frame);
}

qint64 StreamMusicPlayer::toMs(std::int64_t frames) const {
    const int rate = decoder_.sampleRate();
    return rate > 0 ? frames * 1000 / rate : 0;
}
