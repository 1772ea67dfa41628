#pragma once

#include <AL/al.h>
#include <AL/alc.h>
#include <array>
#include <cstdint>
#include <deque>
#include <span>

// The music's own sound output: one OpenAL source on a device of its own, fed a short queue of
// sample buffers. The device opens on the first start and is paused whenever the music stops,
// so no mixer runs while nothing plays. The sound effects keep their own device; the music's
// context is made current for this thread only, and only inside these calls.
class MusicOutput {
public:
    static constexpr std::size_t BufferCount = 4;

    MusicOutput() = default;
    ~MusicOutput();
    MusicOutput(const MusicOutput&) = delete;
    MusicOutput& operator=(const MusicOutput&) = delete;

    // Makes the output ready to play at this rate; false when there is no sound device.
    bool start(int sampleRate);
    // Takes back the buffers that have been heard; true when one is free for queue().
    bool hasFreeBuffer();
    // Queues samples behind what is queued and plays: after a start, and again when the queue
    // ran dry before a refill.
    void queue(std::span<const std::int16_t> samples, int channels, int sampleRate);
    // Frames queued but not heard yet.
    std::int64_t pendingFrames();
    // Stops at once and forgets what is queued; returns how many frames were not heard.
    std::int64_t flush();
    // Pauses the device's mixer; start() resumes it.
    void pause();

private:
    bool openDevice(int sampleRate);
    void closeDevice();
    void reclaim();

    ALCdevice* device_ = nullptr;
    ALCcontext* context_ = nullptr;
    ALuint source_ = 0;
    std::array<ALuint, BufferCount> buffers_{};
    std::deque<ALuint> free_;
    // The frames of each queued buffer, oldest first.
    std::deque<std::pair<ALuint, std::int64_t>> queued_;
    bool paused_ = false;
};
