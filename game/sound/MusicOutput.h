#pragma once

#include <AL/al.h>
#include <array>
#include <cstdint>
#include <deque>
#include <span>

// The music's sound output: one OpenAL source in the output the sound effects opened (their
// context is the one current in the process), fed a short queue of sample buffers. Sharing the
// effects' output costs one source instead of a second mixer. The source and its buffers exist
// from start() to close(); close() must come before the effects' output is released. Without an
// effects' output there is no music.
class MusicOutput {
public:
    static constexpr std::size_t BufferCount = 4;

    MusicOutput() = default;
    ~MusicOutput();
    MusicOutput(const MusicOutput&) = delete;
    MusicOutput& operator=(const MusicOutput&) = delete;

    // Makes the output ready to play; false when there is no sound output.
    bool start();
    // Takes back the buffers that have been heard; true when one is free for queue().
    bool hasFreeBuffer();
    // Queues samples behind what is queued and plays: after a start, and again when the queue
    // ran dry before a refill.
    void queue(std::span<const std::int16_t> samples, int channels, int sampleRate);
    // Frames queued but not heard yet.
    std::int64_t pendingFrames();
    // Stops at once and forgets what is queued; returns how many frames were not heard.
    std::int64_t flush();
    // Stops and frees the source and its buffers.
    void close();

private:
    bool open() const { return source_ != 0; }
    void reclaim();

    ALuint source_ = 0;
    std::array<ALuint, BufferCount> buffers_{};
    std::deque<ALuint> free_;
    // The frames of each queued buffer, oldest first.
    std::deque<std::pair<ALuint, std::int64_t>> queued_;
};
