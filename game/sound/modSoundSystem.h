#pragma once

#include "sound/MusicPlayer.h"
#include "sound/SoundEffect.h"

#include <QString>
#include <cstdint>
#include <memory>

// The fourteen effects as the program sees them: the support library's sound bank, bound by
// name at the first call. Tests install a recorder instead.
class SoundBank {
public:
    virtual ~SoundBank() = default;
    // May start opening the sound system ahead of Init, off the window thread.
    virtual void Prepare() {}
    virtual std::int32_t Init(std::intptr_t windowHandle) = 0; // 1 when sound is available
    virtual void Play(std::int32_t effect) = 0;
    // The music starts (true) or has been heard to its end (false) in the bank's output.
    virtual void Streaming(bool /*playing*/) {}
    virtual void Release() = 0;
};

// Sound effects and music. Music is one looping MP3 track chosen by clsStore's MusicFile.
// Everything runs on the window thread; the deal sound's second half and the music need a
// running Qt event loop.
namespace modSoundSystem {

// The deal sound: effect 6 at once, effect 1 this many milliseconds later.
inline constexpr int kDealDelayMs = 380;
inline constexpr int kDealSound = SoundEffect::Deal;

// Replaces the support library binding (tests). Takes effect at once.
void setSoundBank(std::unique_ptr<SoundBank> bank);
// Replaces the media player (tests). Takes effect at once; nothing is open in the new one.
void setMusicPlayer(std::unique_ptr<MusicPlayer> player);

// Starts opening the sound bank while the menu is being built; InitSound takes the result.
void PrepareSound();
// Opens the sound bank for the main window; on failure shows "Failed to initialize
// DirectSound." and the game goes on silently.
void InitSound(std::intptr_t windowHandle);
// n 0..13 plays that effect; 14 is the deal sound (effect 6 now, effect 1 380 ms later).
// Any other number plays nothing. A second deal sound before the first one's second half
// starts the wait again, so the pair ends with one effect 1.
void PlaySound(int n);
// Ends the music and then releases the sound bank, whose output the music plays in.
void ReleaseSound();

// "brov" + track + ".mp3": the track's file, found beside the program.
QString MusicFileName(int track);
// Plays the chosen track from its start, looping; with no track chosen (MusicFile below 0)
// nothing happens.
void StartMusic();
// The end of a playing track: start it again from its beginning.
void LoopMusic();
// Stops the music and rewinds it; the track stays open.
void StopMusic();

} // namespace modSoundSystem
