#include "HttpListener.h"

#include "SocketConnection.h"

#include <sys/socket.h>
#include <unistd.h>

namespace {
std::chrono::seconds seconds(time_t count) {
    return std::chrono::seconds(count);
}
} // namespace

void HttpListener::Serve(httplib::Stream& stream) {
    serveWhile(stream, [&stream] { return stream.is_readable(); });
}

void HttpListener::WidenBacklog() {
    ::listen(svr_sock_, SOMAXCONN);
}

bool HttpListener::process_and_close_socket(socket_t sock) {
    SocketConnection connection(sock, seconds(read_timeout_sec_), seconds(write_timeout_sec_));
    serveWhile(connection, [&] {
        // A request that did not arrive in time ends the connection: its rest is unreadable.
        return !connection.TimedOut() && connection.AwaitRequest(seconds(keep_alive_timeout_sec_),
                                                                 [this] { return listening(); });
    });
    shutdown(sock, SHUT_RDWR);
    close(sock);
    return true;
}

// Stop() closes the listening socket first; the library ends its own loop only later.
bool HttpListener::listening() const {
    return svr_sock_ != INVALID_SOCKET;
}

void HttpListener::serveWhile(httplib::Stream& stream, const std::function<bool()>& nextRequest) {
    bool closed = false;
    for (std::size_t served = 0; served < keep_alive_max_count_ && !closed && nextRequest();
         ++served) {
        const bool lastAllowed = served + 1 == keep_alive_max_count_;
        if (!process_request(stream, lastAllowed, closed, [](httplib::Request&) {}))
            return;
    }
}
