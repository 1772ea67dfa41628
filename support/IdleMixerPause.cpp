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
    alcDevicePauseSOFT(device_);
    paused_ = true;
    stopping_ = false;
    thread_ = std::thread(&IdleMixerPause::watch, this);
}

void IdleMixerPause::sounding(std::chrono::duration<double> length) {
    const std::lock_guard lock(mutex_);
    if (device_ == nullptr) {
        return;
    }
    if (paused_) {
        alcDeviceResumeSOFT(device_);
        paused_ = false;
    }
    const auto end =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(length) + OutputLatency;
    if (!quietAt_ || end > *quietAt_) {
        quietAt_ = end;
        wake_.notify_one();
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
}

void IdleMixerPause::watch() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!quietAt_) {
            wake_.wait(lock);
        } else if (Clock::now() < *quietAt_) {
            wake_.wait_until(lock, *quietAt_);
        } else {
            alcDevicePauseSOFT(device_);
            paused_ = true;
            quietAt_.reset();
        }
    }
}
