#pragma once

#include <functional>
#include <httplib.h>

// The HTTP listener of the master server. Each accepted connection is read through a
// SocketConnection, so a request must arrive whole within the read time-out however slowly its
// bytes come. The same request handling answers a connection's bytes from any stream, so it can
// also be driven in-process.
class HttpListener : public httplib::Server {
public:
    // Reads and answers requests from stream until it ends or asks to close.
    void Serve(httplib::Stream& stream);
    // Lets a burst of connections wait to be accepted. The library listens with room for five;
    // a crowd beyond that would be turned away and come back only seconds later.
    void WidenBacklog();

private:
    bool process_and_close_socket(socket_t sock) override;
    bool listening() const;
    // Answers requests while nextRequest() finds another one coming.
    void serveWhile(httplib::Stream& stream, const std::function<bool()>& nextRequest);
};
