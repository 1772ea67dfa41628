#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, files cannot grow past 500 bytes; the signal for that is ignored, so a write
// fails as it does on a full disk.
class FullDisk {
public:
    FullDisk() : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_original);
        rlimit small = m_original;
        small.rlim_cur = 500;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_original);
        std::signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_original{};
    void (*m_handler)(int);
};
