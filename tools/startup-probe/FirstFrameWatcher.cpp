#include "FirstFrameWatcher.h"

#include <cstdlib>
#include <memory>
#include <poll.h>
#include <thread>

namespace {
template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
constexpr double DrawnShare = 0.5;
} // namespace

FirstFrameWatcher::FirstFrameWatcher(xcb_connection_t* connection)
    : m_connection(connection),
      m_root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root) {
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
}

std::optional<FirstFrameWatcher::Clock::time_point>
FirstFrameWatcher::WaitForFirstFrame(Clock::duration timeout) {
    const auto deadline = Clock::now() + timeout;
    const std::optional<xcb_window_t> window = waitForMap(deadline);
    if (!window)
        return std::nullopt;
    while (Clock::now() < deadline) {
        if (isDrawn(*window))
            return Clock::now();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return std::nullopt;
}

std::optional<xcb_window_t> FirstFrameWatcher::waitForMap(Clock::time_point deadline) {
    pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            std::free(event);
            if (mapped)
                return window;
        }
        poll(&fd, 1, 1);
    }
    return std::nullopt;
}

// Reads the window's area from the screen, so only what is really shown counts.
bool FirstFrameWatcher::isDrawn(xcb_window_t window) {
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr),
        &std::free);
    if (!geometry || geometry->width == 0 || geometry->height == 0)
        return false;
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(m_connection,
                            xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root,
                                          geometry->x, geometry->y, geometry->width,
                                          geometry->height, ~0u),
                            nullptr),
        &std::free);
    if (!image)
        return false;
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
    const int count = xcb_get_image_data_length(image.get()) / 4;
    int lit = 0;
    for (int i = 0; i < count; ++i)
        lit += (pixels[i] & 0xffffffu) != 0;
    return lit > DrawnShare * count;
}
