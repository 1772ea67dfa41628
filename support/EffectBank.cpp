#include "EffectBank.h"

#include "EffectResources.h"
#include "RiffWave.h"

#include <AL/efx.h>

namespace {

ALenum alFormat(const RiffWave& wave) {
    if (wave.channels == 1) {
        return wave.bitsPerSample == 8 ? AL_FORMAT_MONO8 : AL_FORMAT_MONO16;
    }
    return wave.bitsPerSample == 8 ? AL_FORMAT_STEREO8 : AL_FORMAT_STEREO16;
}

double lengthSeconds(const RiffWave& wave) {
    const std::size_t frame = wave.channels * wave.bitsPerSample / 8u;
    return static_cast<double>(wave.samples.size() / frame) / wave.sampleRate;
}

} // namespace

EffectBank::~EffectBank() {
    release();
}

bool EffectBank::open() {
    if (context_ != nullptr) {
        return true;
    }
    device_ = alcOpenDevice(nullptr);
    if (device_ == nullptr) {
        return false;
    }
    // No effect sends: nothing here uses reverb or the like, and each send costs every voice
    // of the mixer memory of its own.
    const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
    context_ = alcCreateContext(device_, attributes);
    if (context_ == nullptr || alcMakeContextCurrent(context_) == ALC_FALSE) {
        release();
        return false;
    }
    for (int effect = 0; effect < EffectCount; ++effect) {
        load(effect);
    }
    idle_.start(device_);
    return true;
}

void EffectBank::load(int effect) {
    // The mixer copies the samples, so the parsed view of the embedded file is enough.
    const auto wave = RiffWave::parse(effectResource(effect));
    if (!wave) {
        return;
    }
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) {
        return;
    }
    alBufferData(buffer, alFormat(*wave), wave->samples.data(),
                 static_cast<ALsizei>(wave->samples.size()),
                 static_cast<ALsizei>(wave->sampleRate));
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return;
    }
    buffers_[static_cast<std::size_t>(effect)] = buffer;
    seconds_[static_cast<std::size_t>(effect)] = lengthSeconds(*wave);
    createSlots(effect);
}

void EffectBank::createSlots(int effect) {
    const auto e = static_cast<std::size_t>(effect);
    for (ALuint& slot : slots_[e]) {
        alGetError();
        ALuint source = 0;
        alGenSources(1, &source);
        if (alGetError() != AL_NO_ERROR) {
            continue;
        }
        // Effects sound in the middle, unaffected by any listener position.
        alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcei(source, AL_LOOPING, AL_FALSE);
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers_[e]));
        slot = source;
    }
}

void EffectBank::play(int effect) {
    if (effect < 0 || effect >= EffectCount || context_ == nullptr) {
        return;
    }
    const auto& slots = slots_[static_cast<std::size_t>(effect)];
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i] == 0) {
            return; // an instance could not be made: the effect is treated as unavailable
        }
        ALint state = AL_STOPPED;
        alGetSourcei(slots[i], AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING || i + 1 == slots.size()) {
            idle_.sounding(
                std::chrono::duration<double>(seconds_[static_cast<std::size_t>(effect)]));
            alSourceRewind(slots[i]);
            alSourcePlay(slots[i]);
            return;
        }
    }
}

void EffectBank::streaming(bool playing) {
    if (context_ != nullptr) {
        idle_.streaming(playing);
    }
}

void EffectBank::release() {
    if (device_ == nullptr) {
        return;
    }
    idle_.stop();
    for (std::size_t e = 0; e < slots_.size(); ++e) {
        for (ALuint& slot : slots_[e]) {
            if (slot != 0) {
                alSourceStop(slot);
                alDeleteSources(1, &slot);
                slot = 0;
            }
        }
        if (buffers_[e] != 0) {
            alDeleteBuffers(1, &buffers_[e]);
            buffers_[e] = 0;
        }
    }
    alcMakeContextCurrent(nullptr);
    if (context_ != nullptr) {
        alcDestroyContext(context_);
        context_ = nullptr;
    }
    alcCloseDevice(device_);
    device_ = nullptr;
}
