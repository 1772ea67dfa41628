#pragma once

#include <chrono>
#include <optional>
#include <xcb/xcb.h>

// Watches an X display with a black root window for the first top-level window that gets mapped
// and then for its first drawn frame: the moment most of its pixels are no longer black.
class FirstFrameWatcher {
public:
    explicit FirstFrameWatcher(xcb_connection_t* connection);

    using Clock = std::chrono::steady_clock;
    // The time the first window was mostly drawn, or nothing when none appeared in time.
    std::optional<Clock::time_point> WaitForFirstFrame(Clock::duration timeout);

private:
    std::optional<xcb_window_t> waitForMap(Clock::time_point deadline);
    bool isDrawn(xcb_window_t window);

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
};
