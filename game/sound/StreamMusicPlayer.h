#pragma once

#include "sound/Mp3Decoder.h"
#include "sound/MusicOutput.h"
#include "sound/MusicPlayer.h"

#include <QPointer>
#include <vector>

class QTimer;

// The background music: MP3 tracks decoded as they play and streamed to the sound effects'
// output. Tracks are looked for in the working folder first and beside the program second, so the
// game finds its music wherever it is started from. A missing or unplayable track, or no sound
// device, is silence without a message.
//
// The end notice comes when the last of the track has been decoded, while its final moment is
// still queued to be heard. A restart asked for inside the notice (stop, rewind, play) therefore
// queues the track's start right behind its end, and the loop has no gap. Without a restart the
// queued end plays out and the music stops there.
//
// Nothing runs while nothing plays: the refill timer stops and the streaming notice lets the
// effects' mixer sleep.
class StreamMusicPlayer : public MusicPlayer {
public:
    StreamMusicPlayer();
    ~StreamMusicPlayer() override;
    StreamMusicPlayer(const StreamMusicPlayer&) = delete;
    StreamMusicPlayer& operator=(const StreamMusicPlayer&) = delete;

    void Close() override;
    void Open(const QString& fileName) override;
    void Rewind() override;
    void Play() override;
    void Stop() override;

    // The full path of a track: the working folder, else the program's folder; empty when it
    // is in neither.
    static QString locate(const QString& fileName);

    // A playable track is open.
    bool isOpen() const { return decoder_.isOpen(); }
    // The track is being played to a sound device.
    bool isPlaying() const { return playing_; }
    // The open track's length and the moment of it being heard now, in milliseconds.
    qint64 durationMs() const;
    qint64 positionMs();
    void setPositionMs(qint64 ms);

private:
    void seekTo(std::int64_t frame);
    void refill();
    void decodeIntoFreeBuffers();
    void reachEnd();
    void goQuiet();
    // Where the decoder has to be for the next play to go on from what was last heard.
    std::int64_t heardFrame(std::int64_t unheard) const;
    qint64 toMs(std::int64_t frames) const;

    Mp3Decoder decoder_;
    MusicOutput output_;
    std::vector<std::int16_t> chunk_;
    // Belongs to the application, so it goes before the event loop's end even though the music
    // lives in a program-wide object.
    QPointer<QTimer> refillTimer_;
    bool playing_ = false;
    bool inEndNotice_ = false;
};
