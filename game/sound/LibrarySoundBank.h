#pragma once

#include "sound/modSoundSystem.h"

#include <QLibrary>
#include <QString>
#include <future>

// The sound bank of the support library beside the program, bound by name at the first call.
// When the library or one of its functions is missing, the bank reports no sound (Init gives 0)
// and plays nothing.
class LibrarySoundBank : public SoundBank {
public:
    // The library is looked for in this folder; by default the program's folder.
    explicit LibrarySoundBank(QString folder = {});

    // Binds the library and opens its sound system on a thread of its own, so that this
    // overlaps with building the menu; Init() then only waits for the result.
    void Prepare() override;
    std::int32_t Init(std::intptr_t windowHandle) override;
    void Play(std::int32_t effect) override;
    void Release() override;

private:
    using InitFunction = std::int32_t (*)(std::intptr_t);
    using PlayFunction = void (*)(std::int32_t);
    using ReleaseFunction = void (*)();

    void bind();

    QString folder_;
    QLibrary library_;
    bool bound_ = false;
    InitFunction init_ = nullptr;
    PlayFunction play_ = nullptr;
    ReleaseFunction release_ = nullptr;
    std::future<std::int32_t> prepared_;
};
