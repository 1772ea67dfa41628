#include "LoopBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

LoopBuffer::LoopBuffer(long frames)
    : left_(static_cast<std::size_t>(frames)), right_(static_cast<std::size_t>(frames)) {
}

std::size_t LoopBuffer::wrap(long frame) const {
    const long n = frames();
    return static_cast<std::size_t>(((frame % n) + n) % n);
}

void LoopBuffer::addMono(long start, const std::vector<float>& samples, float pan) {
    const double angle = (pan + 1.0) * std::numbers::pi / 4.0;
    const auto gainLeft = static_cast<float>(std::cos(angle));
    const auto gainRight = static_cast<float>(std::sin(angle));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t at = wrap(start + static_cast<long>(i));
        left_[at] += samples[i] * gainLeft;
        right_[at] += samples[i] * gainRight;
    }
}

void LoopBuffer::mix(const LoopBuffer& other, float gain) {
    for (std::size_t i = 0; i < left_.size(); ++i) {
        left_[i] += other.left_[i] * gain;
        right_[i] += other.right_[i] * gain;
    }
}

// Feedback round the loop converges quickly: after three passes what is left of the first
// guess is far below the quietest audible level.
void LoopBuffer::echo(long delayFrames, float feedback, float wet) {
    std::vector<float> tapLeft = left_;
    std::vector<float> tapRight = right_;
    for (int pass = 0; pass < 3; ++pass) {
        for (long n = 0; n < frames(); ++n) {
            const std::size_t from = wrap(n - delayFrames);
            const std::size_t at = wrap(n);
            tapLeft[at] = left_[at] + feedback * tapRight[from];
            tapRight[at] = right_[at] + feedback * tapLeft[from];
        }
    }
    for (long n = 0; n < frames(); ++n) {
        const std::size_t from = wrap(n - delayFrames);
        const std::size_t at = wrap(n);
        left_[at] += wet * tapRight[from];
        right_[at] += wet * tapLeft[from];
    }
}

void LoopBuffer::widen(long delayFrames) {
    std::vector<float> delayed(right_.size());
    for (long n = 0; n < frames(); ++n)
        delayed[wrap(n)] = right_[wrap(n - delayFrames)];
    right_ = std::move(delayed);
}

float LoopBuffer::peak() const {
    float highest = 0.0f;
    for (std::size_t i = 0; i < left_.size(); ++i)
        highest = std::max({highest, std::abs(left_[i]), std::abs(right_[i])});
    return highest;
}

void LoopBuffer::scale(float gain) {
    for (std::size_t i = 0; i < left_.size(); ++i) {
        left_[i] *= gain;
        right_[i] *= gain;
    }
}

void LoopBuffer::fadeSeam(long fadeFrames) {
    for (long i = 0; i < fadeFrames; ++i) {
        const double x = static_cast<double>(i) / static_cast<double>(fadeFrames);
        const auto gain = static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * x));
        for (const long at : {i, frames() - 1 - i}) {
            left_[wrap(at)] *= gain;
            right_[wrap(at)] *= gain;
        }
    }
}
