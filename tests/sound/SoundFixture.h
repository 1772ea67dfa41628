#pragma once

#include "sound/modSoundSystem.h"

#include <QString>
#include <QStringList>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// What the sound bank was asked to do.
struct BankLog {
    std::vector<int> played;
    int inits = 0;
    int releases = 0;
    int initResult = 1;
};

class RecordingSoundBank : public SoundBank {
public:
    explicit RecordingSoundBank(std::shared_ptr<BankLog> log) : log_(std::move(log)) {}
    std::int32_t Init(std::intptr_t) override;
    void Play(std::int32_t effect) override { log_->played.push_back(effect); }
    void Release() override { ++log_->releases; }

private:
    std::shared_ptr<BankLog> log_;
};

// Writes each music command as a word ("close", "open brov1.mp3", "rewind", "play", "stop").
class RecordingMusicPlayer : public MusicPlayer {
public:
    explicit RecordingMusicPlayer(std::shared_ptr<QStringList> log) : log_(std::move(log)) {}
    void Close() override { log_->append(QStringLiteral("close")); }
    void Open(const QString& fileName) override {
        log_->append(QStringLiteral("open ") + fileName);
    }
    void Rewind() override { log_->append(QStringLiteral("rewind")); }
    void Play() override { log_->append(QStringLiteral("play")); }
    void Stop() override { log_->append(QStringLiteral("stop")); }
    // The media player's notice that the track played to its end.
    void finish() { notifyFinished(); }

private:
    std::shared_ptr<QStringList> log_;
};

// A Qt application for timers and media, an in-memory User.dat, recorders for the sound bank,
// the music and the message box.
class SoundFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void chooseTrack(int track);
    // The support library's own bank from this folder, opened as the main window opens it, so
    // that the music has the effects' output to play in.
    static void openSupportBank(const QString& folder);
    // Runs the event loop until the bank has played `count` effects or `limitMs` have passed.
    void waitForEffects(std::size_t count, int limitMs);
    // Runs the event loop for this long.
    static void runEvents(int ms);

    std::shared_ptr<BankLog> bank = std::make_shared<BankLog>();
    std::shared_ptr<QStringList> music = std::make_shared<QStringList>();
    RecordingMusicPlayer* player = nullptr;
    QStringList messages;
};
