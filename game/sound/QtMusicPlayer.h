#pragma once

#include "sound/MusicPlayer.h"

#include <QPointer>

class QAudioOutput;
class QMediaPlayer;

// The background music through Qt Multimedia on its GStreamer backend. Tracks are looked for
// in the working folder first and beside the program second, so the game finds its music
// wherever it is started from. A missing or unplayable track, or no audio output, is silence
// without a message.
class QtMusicPlayer : public MusicPlayer {
public:
    QtMusicPlayer();
    ~QtMusicPlayer() override;
    QtMusicPlayer(const QtMusicPlayer&) = delete;
    QtMusicPlayer& operator=(const QtMusicPlayer&) = delete;

    void Close() override;
    void Open(const QString& fileName) override;
    void Rewind() override;
    void Play() override;
    void Stop() override;

    // The full path of a track: the working folder, else the program's folder; empty when it
    // is in neither.
    static QString locate(const QString& fileName);

    // The underlying player, for watching what it does (tests).
    QMediaPlayer* mediaPlayer() const;

private:
    static void chooseBackend();

    // Both belong to the application object, so they go before the event loop's end even
    // though the music lives in a program-wide object.
    QPointer<QMediaPlayer> player_;
    QPointer<QAudioOutput> output_;
};
