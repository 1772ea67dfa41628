#pragma once

#include "binding/SupportLibrary.h"
#include "sound/modSoundSystem.h"

#include <memory>

// The sound bank of the support library. When the library or one of its sound functions is
// missing, the bank reports no sound (Init gives 0) and plays nothing.
class SupportSoundBank : public SoundBank {
public:
    explicit SupportSoundBank(std::shared_ptr<SupportLibrary> library);

    std::int32_t Init(std::intptr_t windowHandle) override;
    void Play(std::int32_t effect) override;
    void Release() override;

private:
    std::shared_ptr<SupportLibrary> m_library;
};
