#include "binding/SupportLibrary.h"

#include "binding/SupportLibraryPath.h"

#include <QCoreApplication>

SupportLibrary::SupportLibrary(QString folder) : m_folder(std::move(folder)) {
}

template <typename Function> Function SupportLibrary::resolve(const char* name) {
    return reinterpret_cast<Function>(m_library.resolve(name));
}

bool SupportLibrary::load() {
    if (!m_loadTried) {
        m_loadTried = true;
        const QString folder =
            m_folder.isEmpty() ? QCoreApplication::applicationDirPath() : m_folder;
        m_library.setFileName(SupportLibraryPath(folder));
        m_get = resolve<GetFunction>("GetUserData");
        m_set = resolve<SetFunction>("SetUserData");
        m_init = resolve<InitFunction>("DirectSoundInit");
        m_play = resolve<PlayFunction>("DirectSoundPlay");
        m_release = resolve<ReleaseFunction>("DirectSoundRelease");
        m_streaming = resolve<StreamingFunction>("DirectSoundStreaming");
    }
    return m_get && m_set;
}

QString SupportLibrary::errorString() const {
    return m_library.errorString();
}

std::int32_t SupportLibrary::GetUserData(UserDataRecord::Bytes& buffer) {
    load();
    return m_get ? m_get(buffer.data()) : -1;
}

std::int32_t SupportLibrary::SetUserData(const UserDataRecord::Bytes& buffer) {
    load();
    return m_set ? m_set(buffer.data()) : -1;
}

std::int32_t SupportLibrary::DirectSoundInit(std::intptr_t window) {
    load();
    return m_init ? m_init(window) : 0;
}

void SupportLibrary::DirectSoundPlay(std::int32_t effect) {
    load();
    if (m_play)
        m_play(effect);
}

void SupportLibrary::DirectSoundRelease() {
    load();
    if (m_release)
        m_release();
}

void SupportLibrary::DirectSoundStreaming(bool playing) {
    load();
    if (m_streaming)
        m_streaming(playing ? 1 : 0);
}
