#include "sound/QtMusicPlayer.h"

#include "shell/StartupLog.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

QtMusicPlayer::QtMusicPlayer() {
    chooseBackend();
    player_ = new QMediaPlayer(QCoreApplication::instance());
    output_ = new QAudioOutput(player_);
    player_->setAudioOutput(output_);
    QObject::connect(player_, &QMediaPlayer::mediaStatusChanged, player_,
                     [this](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia)
                             notifyFinished();
                     });
}

QtMusicPlayer::~QtMusicPlayer() {
    delete player_.data();
}

QMediaPlayer* QtMusicPlayer::mediaPlayer() const {
    return player_;
}

// The other backend of this Qt version crashes on a computer without an audio device; the
// choice has to be made before the first media object exists.
void QtMusicPlayer::chooseBackend() {
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

QString QtMusicPlayer::locate(const QString& fileName) {
    const QFileInfo here(fileName);
    if (here.isFile())
        return here.absoluteFilePath();
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(fileName));
    return beside.isFile() ? beside.absoluteFilePath() : QString();
}

void QtMusicPlayer::Close() {
    if (player_)
        player_->setSource(QUrl());
}

void QtMusicPlayer::Open(const QString& fileName) {
    const QString path = locate(fileName);
    qCDebug(lcStartup).noquote() << "music" << fileName << "found at" << path;
    if (player_ && !path.isEmpty())
        player_->setSource(QUrl::fromLocalFile(path));
}

void QtMusicPlayer::Rewind() {
    if (player_)
        player_->setPosition(0);
}

void QtMusicPlayer::Play() {
    if (player_ && !player_->source().isEmpty())
        player_->play();
}

void QtMusicPlayer::Stop() {
    if (player_)
        player_->stop();
}
