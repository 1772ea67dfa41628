#include "SoundFixture.h"

#include "binding/MemoryRecordFile.h"
#include "profile/clsStore.h"
#include "shell/Ports.h"
#include "sound/SupportSoundBank.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

namespace {
QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "sound_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
} // namespace

std::int32_t RecordingSoundBank::Init(std::intptr_t) {
    ++log_->inits;
    return log_->initResult;
}

void SoundFixture::SetUp() {
    application();
    clsStore::instance().setFileAccess(std::make_unique<MemoryRecordFile>());
    modSoundSystem::setSoundBank(std::make_unique<RecordingSoundBank>(bank));
    auto recorder = std::make_unique<RecordingMusicPlayer>(music);
    player = recorder.get();
    modSoundSystem::setMusicPlayer(std::move(recorder));
    Ports::installShowMessage(
        [this](const QString& m, const QString& first, const QString& second) {
            messages.append(m + u'|' + first + u'|' + second);
        });
}

void SoundFixture::TearDown() {
    modSoundSystem::ReleaseSound();
    Ports::installShowMessage({});
}

void SoundFixture::chooseTrack(int track) {
    clsStore::instance().setMusicFile(static_cast<std::int16_t>(track));
}

void SoundFixture::openSupportBank(const QString& folder) {
    modSoundSystem::setSoundBank(
        std::make_unique<SupportSoundBank>(std::make_shared<SupportLibrary>(folder)));
    modSoundSystem::InitSound(0);
}

void SoundFixture::waitForEffects(std::size_t count, int limitMs) {
    const QDeadlineTimer deadline(limitMs);
    while (bank->played.size() < count && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

void SoundFixture::runEvents(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}
