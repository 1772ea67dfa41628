#pragma once

#include "QueltaBrovelSupport.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

// The support library bound the way the game binds it: the file from the program folder,
// each function looked up by its name.
struct SupportLibrary {
    decltype(&::DirectSoundInit) DirectSoundInit = nullptr;
    decltype(&::DirectSoundPlay) DirectSoundPlay = nullptr;
    decltype(&::DirectSoundRelease) DirectSoundRelease = nullptr;
    decltype(&::DirectSoundStreaming) DirectSoundStreaming = nullptr;
    decltype(&::GetUserData) GetUserData = nullptr;
    decltype(&::SetUserData) SetUserData = nullptr;

    // Loads the library once per process and resolves its functions.
    static const SupportLibrary& get() {
        static const SupportLibrary library = load();
        return library;
    }

private:
    template <typename F> static void bind(void* handle, F& function, const char* name) {
        function = reinterpret_cast<F>(dlsym(handle, name));
        EXPECT_NE(function, nullptr) << name;
    }

    static SupportLibrary load() {
        SupportLibrary s;
        void* handle = dlopen(QB_SUPPORT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        EXPECT_NE(handle, nullptr) << dlerror();
        if (handle != nullptr) {
            bind(handle, s.DirectSoundInit, "DirectSoundInit");
            bind(handle, s.DirectSoundPlay, "DirectSoundPlay");
            bind(handle, s.DirectSoundRelease, "DirectSoundRelease");
            bind(handle, s.DirectSoundStreaming, "DirectSoundStreaming");
            bind(handle, s.GetUserData, "GetUserData");
            bind(handle, s.SetUserData, "SetUserData");
        }
        return s;
    }
};
