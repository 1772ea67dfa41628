#pragma once

#include "UserDataRecord.h"

#include <QLibrary>
#include <QString>
#include <cstdint>

// The support library beside the program: its sound bank and its User.dat functions, bound by
// name once, at the first use. Nothing here reports: a missing library or function answers as
// the library's own "nothing there" (records -1, sound 0 and silence) and errorString() says why.
// Needs only QtCore, so the maintenance utility links it as the game does.
class SupportLibrary {
public:
    // folder: where the library lives; empty means the program's folder.
    explicit SupportLibrary(QString folder = {});

    // Binds the functions; only the first call tries. False when the record functions are
    // missing (the sound functions may be missing on their own: the game then plays nothing).
    bool load();
    QString errorString() const;

    std::int32_t GetUserData(UserDataRecord::Bytes& buffer);       // -1 when not bound
    std::int32_t SetUserData(const UserDataRecord::Bytes& buffer); // -1 when not bound
    std::int32_t DirectSoundInit(std::intptr_t window);            // 0 when not bound
    void DirectSoundPlay(std::int32_t effect);
    void DirectSoundRelease();
    // Nothing happens when a library without it is bound: the music then pauses with the effects.
    void DirectSoundStreaming(bool playing);

private:
    using GetFunction = std::int32_t (*)(std::uint8_t*);
    using SetFunction = std::int32_t (*)(const std::uint8_t*);
    using InitFunction = std::int32_t (*)(std::intptr_t);
    using PlayFunction = void (*)(std::int32_t);
    using ReleaseFunction = void (*)();
    using StreamingFunction = void (*)(std::int32_t);

    template <typename Function> Function resolve(const char* name);

    QString m_folder;
    QLibrary m_library;
    bool m_loadTried = false;
    GetFunction m_get = nullptr;
    SetFunction m_set = nullptr;
    InitFunction m_init = nullptr;
    PlayFunction m_play = nullptr;
    ReleaseFunction m_release = nullptr;
    StreamingFunction m_streaming = nullptr;
};
