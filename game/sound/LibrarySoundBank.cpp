#include "sound/LibrarySoundBank.h"

#include "profile/SupportLibraryPath.h"

#include <QCoreApplication>

LibrarySoundBank::LibrarySoundBank(QString folder) : folder_(std::move(folder)) {
}

void LibrarySoundBank::bind() {
    if (bound_)
        return;
    bound_ = true;
    const QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
    library_.setFileName(SupportLibraryPath(folder));
    if (!library_.load())
        return;
    init_ = reinterpret_cast<InitFunction>(library_.resolve("DirectSoundInit"));
    play_ = reinterpret_cast<PlayFunction>(library_.resolve("DirectSoundPlay"));
    release_ = reinterpret_cast<ReleaseFunction>(library_.resolve("DirectSoundRelease"));
}

// The library ignores the window handle, so opening it before the window exists changes
// nothing but the time it takes.
void LibrarySoundBank::Prepare() {
    if (prepared_.valid())
        return;
    if (folder_.isEmpty())
        folder_ = QCoreApplication::applicationDirPath();
    prepared_ = std::async(std::launch::async, [this] {
        bind();
        return init_ ? init_(0) : 0;
    });
}

std::int32_t LibrarySoundBank::Init(std::intptr_t windowHandle) {
    if (prepared_.valid())
        return prepared_.get();
    bind();
    return init_ ? init_(windowHandle) : 0;
}

void LibrarySoundBank::Play(std::int32_t effect) {
    if (prepared_.valid())
        prepared_.wait();
    bind();
    if (play_)
        play_(effect);
}

void LibrarySoundBank::Release() {
    if (prepared_.valid())
        prepared_.wait();
    bind();
    if (release_)
        release_();
}
