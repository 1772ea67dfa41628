#include "SocketConnection.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace {
using Milliseconds = std::chrono::milliseconds;

void addressOf(const sockaddr_storage& address, std::string& ip, int& port) {
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(address);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
        port = ntohs(v4.sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        port = ntohs(v6.sin6_port);
    }
    ip = text;
}
} // namespace

SocketConnection::SocketConnection(socket_t socket, Clock::duration readTimeout,
                                   Clock::duration writeTimeout)
    : m_socket(socket), m_readTimeout(readTimeout), m_writeTimeout(writeTimeout),
      m_deadline(Clock::now() + readTimeout) {
}

// Looks up from the wait often enough that a server asked to stop need not sit out its idle
// connections.
bool SocketConnection::AwaitRequest(Clock::duration idle, const std::function<bool()>& serving) {
    constexpr Clock::duration Glance = Milliseconds(100);
    const Clock::time_point end = Clock::now() + idle;
    while (serving()) {
        const Clock::duration left = end - Clock::now();
        if (left <= Clock::duration::zero())
            return false;
        if (ready(POLLIN, std::min(left, Glance))) {
            m_deadline = Clock::now() + m_readTimeout;
            return true;
        }
    }
    return false;
}

bool SocketConnection::ready(short events, Clock::duration wait) const {
    const auto ms = std::chrono::duration_cast<Milliseconds>(wait).count();
    if (ms <= 0)
        return false;
    pollfd watched{m_socket, events, 0};
    int result = 0;
    do {
        result = poll(&watched, 1, static_cast<int>(ms));
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

bool SocketConnection::is_readable() const {
    return ready(POLLIN, std::min(m_readTimeout, m_deadline - Clock::now()));
}

bool SocketConnection::is_writable() const {
    return ready(POLLOUT, m_writeTimeout);
}

ssize_t SocketConnection::read(char* ptr, size_t size) {
    if (!is_readable()) {
        m_timedOut = true;
        return -1;
    }
    ssize_t n = 0;
    do {
        n = recv(m_socket, ptr, size, 0);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t SocketConnection::write(const char* ptr, size_t size) {
    if (!is_writable())
        return -1;
    ssize_t n = 0;
    do {
        n = send(m_socket, ptr, size, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    return n;
}

void SocketConnection::get_remote_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getpeername(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        addressOf(address, ip, port);
}

void SocketConnection::get_local_ip_and_port(std::string& ip, int& port) const {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        addressOf(address, ip, port);
}
