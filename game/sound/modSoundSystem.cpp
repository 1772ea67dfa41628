#include "sound/modSoundSystem.h"

#include "profile/ProgramSupportLibrary.h"
#include "profile/clsStore.h"
#include "shell/Ports.h"
#include "shell/ReadOr.h"
#include "sound/StreamMusicPlayer.h"
#include "sound/SupportSoundBank.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

namespace {

struct SoundState {
    std::unique_ptr<SoundBank> bank;
    std::unique_ptr<MusicPlayer> player;
    QPointer<QTimer> tmrComputerCard;
    // True from starting a track until the music is stopped: only a playing track loops,
    // so a late end notice cannot bring back music the player has just switched off.
    bool musicPlaying = false;
};

SoundState& state() {
    static SoundState s;
    return s;
}

SoundBank& bank() {
    if (!state().bank)
        state().bank = std::make_unique<SupportSoundBank>(ProgramSupportLibrary());
    return *state().bank;
}

void adoptPlayer(std::unique_ptr<MusicPlayer> player) {
    player->setFinishedHandler([] { modSoundSystem::LoopMusic(); });
    player->setStreamingHandler([](bool playing) { bank().Streaming(playing); });
    state().player = std::move(player);
    state().musicPlaying = false;
}

MusicPlayer& player() {
    if (!state().player)
        adoptPlayer(std::make_unique<StreamMusicPlayer>());
    return *state().player;
}

// The one-shot timer of the deal sound; it belongs to the application so that it goes away
// with the event loop it runs in.
QTimer& tmrComputerCard() {
    if (!state().tmrComputerCard) {
        auto* timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(modSoundSystem::kDealDelayMs);
        QObject::connect(timer, &QTimer::timeout, [] { bank().Play(SoundEffect::CardLaid); });
        state().tmrComputerCard = timer;
    }
    return *state().tmrComputerCard;
}

} // namespace

namespace modSoundSystem {

void setSoundBank(std::unique_ptr<SoundBank> newBank) {
    state().bank = std::move(newBank);
}

void setMusicPlayer(std::unique_ptr<MusicPlayer> newPlayer) {
    adoptPlayer(std::move(newPlayer));
}

void PrepareSound() {
    bank().Prepare();
}

void InitSound(std::intptr_t windowHandle) {
    if (bank().Init(windowHandle) != 1)
        ShowMessage(QStringLiteral("Failed to initialize DirectSound."), QStringLiteral("OK"));
}

void PlaySound(int n) {
    if (n == kDealSound) {
        bank().Play(SoundEffect::DealFirstHalf);
        tmrComputerCard().start();
    } else if (n >= 0 && n <= SoundEffect::HighestBankEffect) {
        bank().Play(n);
    }
}

// The music's sources live in the bank's output, so they go first.
void ReleaseSound() {
    if (state().tmrComputerCard)
        state().tmrComputerCard->stop();
    state().musicPlaying = false;
    if (state().player)
        state().player->Close();
    bank().Release();
}

QString MusicFileName(int track) {
    return QStringLiteral("brov") + QString::number(track) + QStringLiteral(".mp3");
}

namespace {
// The chosen track as stored. The checksum does not cover it, so another tool may have written
// a number that no track has; that is reported and the game goes on without music.
int StoredTrack() {
    return ReadOr(
        "StartMusic", [] { return clsStore::instance().MusicFile(); }, -1);
}
} // namespace

void StartMusic() {
    const int track = StoredTrack();
    if (track < 0)
        return;
    MusicPlayer& p = player();
    p.Close();
    p.Open(MusicFileName(track));
    p.Rewind();
    p.Play();
    state().musicPlaying = true;
}

void LoopMusic() {
    if (!state().musicPlaying)
        return;
    MusicPlayer& p = player();
    p.Stop();
    p.Rewind();
    p.Play();
}

void StopMusic() {
    state().musicPlaying = false;
    if (!state().player)
        return;
    state().player->Stop();
    state().player->Rewind();
}

} // namespace modSoundSystem
