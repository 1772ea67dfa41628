// The C entry points, forwarding to the sound bank and the user data file.
#include "QueltaBrovelSupport.h"

#include "EffectBank.h"
#include "UserDataFile.h"

namespace {

// One bank per process: the game opens it once for its main window.
EffectBank& bank() {
    static EffectBank instance;
    return instance;
}

} // namespace

int32_t DirectSoundInit(intptr_t /*windowHandle*/) {
    return bank().open() ? 1 : 0;
}

void DirectSoundPlay(int32_t effect) {
    bank().play(effect);
}

void DirectSoundStreaming(int32_t playing) {
    bank().streaming(playing != 0);
}

void DirectSoundRelease(void) {
    bank().release();
}

int32_t GetUserData(uint8_t* buffer) {
    return UserDataFile::read(buffer);
}

int32_t SetUserData(const uint8_t* buffer) {
    return UserDataFile::write(buffer);
}
