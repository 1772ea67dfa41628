#include "sound/SupportSoundBank.h"

SupportSoundBank::SupportSoundBank(std::shared_ptr<SupportLibrary> library)
    : m_library(std::move(library)) {
}

// The library ignores the window handle, so opening it before the window exists changes
// nothing but the time it takes. Nothing else uses the library before Init() has waited for
// this, so the binding is never touched from two threads at once.
void SupportSoundBank::Prepare() {
    if (m_prepared.valid())
        return;
    m_prepared = std::async(std::launch::async,
                            [library = m_library] { return library->DirectSoundInit(0); });
}

std::int32_t SupportSoundBank::Init(std::intptr_t windowHandle) {
    if (m_prepared.valid())
        return m_prepared.get();
    return m_library->DirectSoundInit(windowHandle);
}

void SupportSoundBank::waitForPrepared() {
    if (m_prepared.valid())
        m_prepared.wait();
}

void SupportSoundBank::Play(std::int32_t effect) {
    waitForPrepared();
    m_library->DirectSoundPlay(effect);
}

void SupportSoundBank::Streaming(bool playing) {
    waitForPrepared();
    m_library->DirectSoundStreaming(playing);
}

void SupportSoundBank::Release() {
    waitForPrepared();
    m_library->DirectSoundRelease();
}
