#pragma once

#include <cstdint>
#include <memory>

// The fourteen effects as the program sees them: the support library's sound bank, bound by
// name at the first call. Tests install a recorder instead.
class SoundBank {
public:
    virtual ~SoundBank() = default;
    virtual std::int32_t Init(std::intptr_t windowHandle) = 0; // 1 when sound is available
    virtual void Play(std::int32_t effect) = 0;
    virtual void Release() = 0;
};

// Sound effects and music. Music is one looping MP3 track chosen by clsStore's MusicFile.
namespace modSoundSystem {

// Replaces the support library binding (tests). Takes effect at once.
void setSoundBank(std::unique_ptr<SoundBank> bank);

// Opens the sound bank for the main window; on failure shows "Failed to initialize
// DirectSound." and the game goes on silently.
void InitSound(std::intptr_t windowHandle);
// n 0..13 plays that effect; 14 is the deal sound (effect 6 now, effect 1 380 ms later).
void PlaySound(int n);
void ReleaseSound();
void StartMusic();
void LoopMusic();
void StopMusic();

} // namespace modSoundSystem
