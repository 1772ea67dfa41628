#pragma once

#include <QString>
#include <functional>

// The media player behind the background music: the handful of commands the music needs
// (close, open a file, rewind, play, stop) and a notice when a track has played to its end by
// itself. The program uses StreamMusicPlayer; tests install a recorder and deliver the notice.
class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;

    // Forgets the open track, if any.
    virtual void Close() = 0;
    // Opens a track by file name without a folder; an unknown or unplayable file means silence.
    virtual void Open(const QString& fileName) = 0;
    // Positions the open track at its start.
    virtual void Rewind() = 0;
    virtual void Play() = 0;
    virtual void Stop() = 0;

    // Who hears that the track finished successfully (the music loop).
    void setFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }
    // Who hears that the player starts feeding the sound output (true) and that what it fed has
    // been heard to its end (false): the sound effects' mixer, which the music shares.
    void setStreamingHandler(std::function<void(bool)> handler) { streaming_ = std::move(handler); }

protected:
    void notifyFinished() {
        if (finished_)
            finished_();
    }
    void notifyStreaming(bool playing) {
        if (streaming_)
            streaming_(playing);
    }

private:
    std::function<void()> finished_;
    std::function<void(bool)> streaming_;
};
