#pragma once

#include "binding/SupportLibrary.h"
#include "sound/modSoundSystem.h"

#include <future>
#include <memory>

// The sound bank of the support library. When the library or one of its sound functions is
// missing, the bank reports no sound (Init gives 0) and plays nothing.
class SupportSoundBank : public SoundBank {
public:
    explicit SupportSoundBank(std::shared_ptr<SupportLibrary> library);

    // Binds the library and opens its sound system on a thread of its own, so that this
    // overlaps with building the menu; Init() then only waits for the result.
    void Prepare() override;
    std::int32_t Init(std::intptr_t windowHandle) override;
    void Play(std::int32_t effect) override;
    void Streaming(bool playing) override;
    void Release() override;

private:
    void waitForPrepared();

    std::shared_ptr<SupportLibrary> m_library;
    std::future<std::int32_t> m_prepared;
};
