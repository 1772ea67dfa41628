#pragma once

#include "IdleMixerPause.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <array>
#include <cstdint>

// The game's fourteen sound effects, preloaded into the mixer of the default sound output.
// Each effect has one sample buffer shared by five sources, so the same effect can sound up to
// five times at once; a sixth start restarts the fifth. Starting an effect costs only a state
// query and a restart. While no effect sounds, the mixer is paused. The bank's context stays
// current, so the game's music can play in the same output beside the effects.
class EffectBank {
public:
    static constexpr int EffectCount = 14;
    static constexpr int SlotCount = 5;

    EffectBank() = default;
    ~EffectBank();
    EffectBank(const EffectBank&) = delete;
    EffectBank& operator=(const EffectBank&) = delete;

    // Opens the default output and loads every effect; false when there is no sound device.
    // An effect that cannot be loaded stays silent without failing the others.
    bool open();
    void play(int effect);
    // The caller starts (true) or has ended (false) a stream of its own in the bank's context:
    // the mixer stays awake while it plays.
    void streaming(bool playing);
    // Frees every source and buffer and closes the output; playing does nothing afterwards.
    void release();

private:
    void load(int effect);
    void createSlots(int effect);

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    // 0 marks an empty buffer or slot: that effect, or that instance of it, is not available.
    std::array<ALuint, EffectCount> buffers_{};
    std::array<double, EffectCount> seconds_{};
    std::array<std::array<ALuint, SlotCount>, EffectCount> slots_{};
    IdleMixerPause idle_;
};
