#include "sound/MusicOutput.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/alc.h>
#include <AL/alext.h>

namespace {

ALenum formatOf(int channels) {
    return channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
}

} // namespace

MusicOutput::~MusicOutput() {
    close();
}

bool MusicOutput::start() {
    if (open())
        return true;
    if (!alcGetCurrentContext())
        return false;
    alGetError();
    alGenSources(1, &source_);
    if (alGetError() != AL_NO_ERROR) {
        source_ = 0;
        return false;
    }
    alGenBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
    if (alGetError() != AL_NO_ERROR) {
        buffers_ = {};
        close();
        return false;
    }
    // The track's channels go straight to the speakers, unpanned.
    alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcei(source_, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    free_.assign(buffers_.begin(), buffers_.end());
    return true;
}

void MusicOutput::close() {
    if (!open())
        return;
    flush();
    alDeleteSources(1, &source_);
    if (buffers_.front() != 0)
        alDeleteBuffers(static_cast<ALsizei>(buffers_.size()), buffers_.data());
    source_ = 0;
    buffers_ = {};
    free_.clear();
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
    if (!open())
        return false;
    reclaim();
    return !free_.empty();
}

void MusicOutput::queue(std::span<const std::int16_t> samples, int channels, int sampleRate) {
    if (!open() || free_.empty() || samples.empty())
        return;
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
    if (!open())
        return 0;
    reclaim();
    ALint offset = 0;
    alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
    std::int64_t total = 0;
    for (const auto& entry : queued_)
        total += entry.second;
    return std::max<std::int64_t>(0, total - offset);
}

std::int64_t MusicOutput::flush() {
    if (!open())
        return 0;
    const std::int64_t unheard = pendingFrames();
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    for (const auto& entry : queued_)
        free_.push_back(entry.first);
    queued_.clear();
    return unheard;
}
