#include "IdleMixerPause.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/alext.h>

namespace {
// What the output still holds after the mixer has rendered a sound's last sample.
constexpr std::chrono::milliseconds OutputLatency{250};
} // namespace

IdleMixerPause::~IdleMixerPause() {
    stop();
}

void IdleMixerPause::start(ALCdevice* device) {
    stop();
    const std::lock_guard lock(mutex_);
    device_ = device;
    sleepDevice();
    streaming_ = false;
    stopping_ = false;
    thread_ = std::thread(&IdleMixerPause::watch, this);
}

void IdleMixerPause::sounding(std::chrono::duration<double> length) {
    const std::lock_guard lock(mutex_);
    if (device_ == nullptr) {
        return;
    }
    wakeDevice();
    const auto end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(length) + OutputLatency;
    if (!quietAt_ || end > *quietAt_) {
        quietAt_ = end;
        wake_.notify_one();
    }
}

// A stream only says it has ended once its last sample was heard, so there is nothing left to
// wait for unless an effect still sounds.
void IdleMixerPause::streaming(bool playing) {
    const std::lock_guard lock(mutex_);
    if (device_ == nullptr) {
        return;
    }
    streaming_ = playing;
    if (playing) {
        wakeDevice();
    } else if (!quietAt_) {
        sleepDevice();
    }
}

void IdleMixerPause::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
    const std::lock_guard lock(mutex_);
    device_ = nullptr;
    quietAt_.reset();
    paused_ = false;
    streaming_ = false;
}

void IdleMixerPause::watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!quietAt_) {
            wake_.wait(lock);
        } else if (Clock::now() < *quietAt_) {
            wake_.wait_until(lock, *quietAt_);
        } else {
            if (!streaming_) {
                sleepDevice();
            }
            quietAt_.reset();
        }
    }
}

void IdleMixerPause::wakeDevice() {
    if (paused_) {
        alcDeviceResumeSOFT(device_);
        paused_ = false;
    }
}

void IdleMixerPause::sleepDevice() {
    if (!paused_) {
        alcDevicePauseSOFT(device_);
        paused_ = true;
    }
}
