#pragma once

#include <chrono>
#include <functional>
#include <httplib.h>

// One accepted connection of the master server as the listener reads and writes it. Each single
// read and write waits at most its time-out, and a request must also arrive whole within the
// read time-out from its first byte: a client that trickles one byte at a time, each just in
// time, would otherwise hold a worker for as long as it likes.
class SocketConnection : public httplib::Stream {
public:
    using Clock = std::chrono::steady_clock;

    SocketConnection(socket_t socket, Clock::duration readTimeout, Clock::duration writeTimeout);

    // Waits at most idle for the first byte of the next request and starts its deadline; false
    // when none came (the client went away or stayed silent) or serving() turned false.
    bool AwaitRequest(Clock::duration idle, const std::function<bool()>& serving);
    // Whether a read ran out of time.
    bool TimedOut() const { return m_timedOut; }

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return m_socket; }

private:
    bool ready(short events, Clock::duration wait) const;

    socket_t m_socket;
    Clock::duration m_readTimeout;
    Clock::duration m_writeTimeout;
    Clock::time_point m_deadline;
    bool m_timedOut = false;
};
