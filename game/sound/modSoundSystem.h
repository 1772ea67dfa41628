#pragma once

// Sound effects and music. Effects go to the support library's sound bank (bound by name at
// the first call); music is one looping MP3 track chosen by clsStore's MusicFile.
namespace modSoundSystem {

// Opens the sound bank for the main window; on failure shows "Failed to initialize
// DirectSound." and the game goes on silently.
void InitSound(void* windowHandle);
// n 0..13 plays that effect; 14 is the deal sound (effect 6 now, effect 1 380 ms later).
void PlaySound(int n);
void ReleaseSound();
void StartMusic();
void LoopMusic();
void StopMusic();

} // namespace modSoundSystem
