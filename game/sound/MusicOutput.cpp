#include "sound/MusicOutput.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/alext.h>
#include <AL/efx.h>

namespace {

// Makes the music's context current on this thread for one call, then gives the thread back to
// the process-wide context of the sound effects.
class ContextScope {
public:
    explicit ContextScope(ALCcontext* context) : previous_(alcGetThreadContext()) {
        alcSetThreadContext(context);
    }
    ~ContextScope() { alcSetThreadContext(previous_); }
    ContextScope(const ContextScope&) = delete;
    ContextScope& operator=(const ContextScope&) = delete;

private:
    ALCcontext* previous_;
};

ALenum formatOf(int channels) {
    return channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
}

} // namespace

MusicOutput::~MusicOutput() {
    closeDevice();
}

bool MusicOutput::start(int sampleRate) {
    if (!device_ && !openDevice(sampleRate))
        return false;
    if (paused_)
        alcDeviceResumeSOFT(device_);
    paused_ = false;
    return true;
}

// Mixed at the track's own rate, so the mixer does not resample; one source, no effect sends,
// no limiter (one track at full gain cannot clip).
bool MusicOutput::openDevice(int sampleRate) {
    device_ = alcOpenDevice(nullptr);
    if (!device_)
        return false;
    const ALCint attributes[] = {ALC_FREQUENCY,
                                 sampleRate,
                                 ALC_MONO_SOURCES,
                                 0,
                                 ALC_STEREO_SOURCES,
                                 1,
                                 ALC_MAX_AUXILIARY_SENDS,
                                 0,
                                 ALC_OUTPUT_LIMITER_SOFT,
                                 ALC_FALSE,
                                 0};
    context_ = alcCreateContext(device_, attributes);
    if (!context_) {
        closeDevice();
        return false;
    }
    const ContextScope scope(context_);
    alGetError();
    alGenSources(1, &source_);
    alGenBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
    if (alGetError() != AL_NO_ERROR) {
        closeDevice();
        return false;
    }
    // The track's channels go straight to the speakers, unpanned.
    alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcei(source_, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    free_.assign(buffers_.begin(), buffers_.end());
    return true;
}

void MusicOutput::closeDevice() {
    if (context_) {
        flush();
        {
            const ContextScope scope(context_);
            alDeleteSources(1, &source_);
            alDeleteBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
        }
        alcDestroyContext(context_);
    }
    if (device_)
        alcCloseDevice(device_);
    context_ = nullptr;
    device_ = nullptr;
    source_ = 0;
    buffers_ = {};
    free_.clear();
    queued_.clear();
}

// A stopped source counts every queued buffer as heard, so buffers are only ever queued after
// this has taken back the old ones.
void MusicOutput::reclaim() {
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0 && !queued_.empty(); --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        queued_.pop_front();
        free_.push_back(buffer);
    }
}

bool MusicOutput::hasFreeBuffer() {
    if (!context_)
        return false;
    const ContextScope scope(context_);
    reclaim();
    return !free_.empty();
}

void MusicOutput::queue(std::span<const std::int16_t> samples, int channels, int sampleRate) {
    if (!context_ || free_.empty() || samples.empty())
        return;
    const ContextScope scope(context_);
    const ALuint buffer = free_.front();
    alBufferData(buffer, formatOf(channels), samples.data(),
                 static_cast<ALsizei>(samples.size_bytes()), sampleRate);
    alSourceQueueBuffers(source_, 1, &buffer);
    free_.pop_front();
    queued_.emplace_back(buffer, static_cast<std::int64_t>(samples.size()) / channels);
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING)
        alSourcePlay(source_);
}

// The source counts its offset from the first buffer still queued, heard ones included.
std::int64_t MusicOutput::pendingFrames() {
    if (!context_)
        return 0;
    const ContextScope scope(context_);
    reclaim();
    ALint offset = 0;
    alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
    std::int64_t total = 0;
    for (const auto& entry : queued_)
        total += entry.second;
    return std::max<std::int64_t>(0, total - offset);
}

std::int64_t MusicOutput::flush() {
    if (!context_)
        return 0;
    const std::int64_t unheard = pendingFrames();
    const ContextScope scope(context_);
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    for (const auto& entry : queued_)
        free_.push_back(entry.first);
    queued_.clear();
    return unheard;
}

void MusicOutput::pause() {
    if (!device_ || paused_)
        return;
    alcDevicePauseSOFT(device_);
    paused_ = true;
}
