#pragma once

#include <vector>

// A stereo track that repeats: whatever is written past its end continues at its start, so
// ringing notes and echoes carry over the seam exactly as they would if the track played on.
class LoopBuffer {
public:
    explicit LoopBuffer(long frames);

    long frames() const { return static_cast<long>(left_.size()); }
    float left(long frame) const { return left_[wrap(frame)]; }
    float right(long frame) const { return right_[wrap(frame)]; }

    // Adds a mono sound from frame start on, placed by pan (-1 left .. 1 right) at equal power.
    void addMono(long start, const std::vector<float>& samples, float pan);
    void mix(const LoopBuffer& other, float gain);
    // A ping-pong echo in its settled state, as heard on the second time round the loop.
    void echo(long delayFrames, float feedback, float wet);
    // Widens a bus by delaying its right side a little (a few milliseconds).
    void widen(long delayFrames);

    float peak() const;
    void scale(float gain);
    // A short fade at both ends, so that restarting the track never clicks even when the
    // player leaves a gap between its end and its start.
    void fadeSeam(long frames);

    const std::vector<float>& leftChannel() const { return left_; }
    const std::vector<float>& rightChannel() const { return right_; }

private:
    std::size_t wrap(long frame) const;

    std::vector<float> left_;
    std::vector<float> right_;
};
