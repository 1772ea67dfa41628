#include "sound/SupportSoundBank.h"

SupportSoundBank::SupportSoundBank(std::shared_ptr<SupportLibrary> library)
    : m_library(std::move(library)) {
}

std::int32_t SupportSoundBank::Init(std::intptr_t windowHandle) {
    return m_library->DirectSoundInit(windowHandle);
}

void SupportSoundBank::Play(std::int32_t effect) {
    m_library->DirectSoundPlay(effect);
}

void SupportSoundBank::Release() {
    m_library->DirectSoundRelease();
}
