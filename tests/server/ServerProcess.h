#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// The real queltabrovel-server started for one test on a free loopback port; it is ended by
// its PID when the object goes, and the kernel ends it too should the test process die first.
class ServerProcess {
public:
    explicit ServerProcess(const std::vector<std::string>& serveArguments);
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int Port() const { return m_port; }
    bool Running() const;
    // Sends SIGTERM and returns the exit status (-1 if it did not end by itself in time).
    int Stop();

    // Runs the server program to completion with these arguments; returns its exit status and
    // puts what it printed into output.
    static int RunToEnd(const std::vector<std::string>& arguments, std::string* output = nullptr);

private:
    pid_t m_pid = -1;
    int m_port = -1;
    int m_output = -1;
};
