#pragma once

#include <AL/alc.h>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Keeps a sound device's mixer asleep while nothing sounds: the device is paused once the last
// sound started on it has played out, and woken again before the next one starts. A mixer left
// running would render silence many times a second for as long as the game is open. The watch
// is one thread that sleeps until the moment the device can be paused, or until a sound starts.
// A stream of unknown length (the music) holds the mixer awake for as long as it plays.
class IdleMixerPause {
public:
    using Clock = std::chrono::steady_clock;

    IdleMixerPause() = default;
    ~IdleMixerPause();
    IdleMixerPause(const IdleMixerPause&) = delete;
    IdleMixerPause& operator=(const IdleMixerPause&) = delete;

    // Watches this device from now on; it is paused at once, since nothing sounds yet.
    void start(ALCdevice* device);
    // Called before a sound of this length starts: wakes the mixer and keeps it running until
    // the sound has played out.
    void sounding(std::chrono::duration<double> length);
    // A stream starts (true) or has played out (false). While it plays the device is never
    // paused; once it has ended the device sleeps as soon as no other sound is left.
    void streaming(bool playing);
    // Ends the watch, before the device is closed.
    void stop();

private:
    void watch();
    // Both with the mutex held.
    void wakeDevice();
    void sleepDevice();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
    ALCdevice* device_ = nullptr;
    std::optional<Clock::time_point> quietAt_;
    bool paused_ = false;
    bool streaming_ = false;
    bool stopping_ = false;
};
