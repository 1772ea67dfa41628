// qb_startup_probe HELLO PROGRAM [RUNS] [IDLE_SECONDS]
//
// Starts a private Xvfb with a black root, then launches HELLO and PROGRAM in turn RUNS times and
// reports the median time from launch to the first drawn frame of each, and their ratio. Then it
// starts PROGRAM once more, leaves it alone and reports its processor use over IDLE_SECONDS and
// its proportional memory (PSS). Every program runs with the null sound driver and a fresh user
// data folder, in its own folder so it finds its music.

#include "FirstFrameWatcher.h"
#include "ProcessFigures.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

pid_t spawn(const std::string& program, const std::vector<std::string>& env) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    for (const std::string& e : env)
        putenv(const_cast<char*>(e.c_str()));
    const std::string folder = program.substr(0, program.rfind('/') + 1);
    if (!folder.empty() && chdir(folder.c_str()) != 0)
        _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

struct Display {
    pid_t server = -1;
    std::string name;
};

Display startXvfb() {
    for (int n = 90; n < 100; ++n) {
        const std::string lock = "/tmp/.X" + std::to_string(n) + "-lock";
        if (access(lock.c_str(), F_OK) == 0)
            continue;
        Display d{fork(), ":" + std::to_string(n)};
        if (d.server == 0) {
            execlp("Xvfb", "Xvfb", d.name.c_str(), "-screen", "0", "1280x1024x24", "-br",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(n);
        for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i)
            std::this_thread::sleep_for(50ms);
        return d;
    }
    return {};
}

std::vector<std::string> environmentFor(const Display& d, const std::string& dataHome) {
    return {"DISPLAY=" + d.name, "ALSOFT_DRIVERS=null", "XDG_DATA_HOME=" + dataHome,
            "QT_QPA_PLATFORM=xcb"};
}

// Milliseconds from launch to the first frame, or -1.
double timeToFirstFrame(xcb_connection_t* x, const std::string& program,
                        const std::vector<std::string>& env, pid_t* keep = nullptr) {
    FirstFrameWatcher watcher(x);
    const auto start = FirstFrameWatcher::Clock::now();
    const pid_t pid = spawn(program, env);
    const auto frame = watcher.WaitForFirstFrame(10s);
    if (keep)
        *keep = pid;
    else
        stop(pid);
    if (!frame)
        return -1;
    return std::chrono::duration<double, std::milli>(*frame - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

void reportIdle(xcb_connection_t* x, const std::string& program,
                const std::vector<std::string>& env, int idleSeconds) {
    pid_t pid = -1;
    timeToFirstFrame(x, program, env, &pid);
    std::this_thread::sleep_for(3s);
    const double before = ProcessFigures::CpuSeconds(pid);
    const double windowBefore = ProcessFigures::WindowThreadCpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const double used = ProcessFigures::CpuSeconds(pid) - before;
    const double windowUsed = ProcessFigures::WindowThreadCpuSeconds(pid) - windowBefore;
    std::printf("idle cpu over %d s: %.2f s (%.1f %%), window thread %.2f s\n", idleSeconds, used,
                100.0 * used / idleSeconds, windowUsed);
    std::printf("pss: %.1f MB\n", ProcessFigures::PssKilobytes(pid) / 1024.0);
    stop(pid);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s HELLO PROGRAM [RUNS] [IDLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 7;
    const int idleSeconds = argc > 4 ? std::atoi(argv[4]) : 10;
    const Display display = startXvfb();
    xcb_connection_t* x = xcb_connect(display.name.c_str(), nullptr);
    if (display.server <= 0 || xcb_connection_has_error(x)) {
        std::fprintf(stderr, "could not start Xvfb\n");
        return 1;
    }
    char dataHome[] = "/tmp/qb-probe-XXXXXX";
    const std::vector<std::string> env = environmentFor(display, mkdtemp(dataHome));
    std::vector<double> hello, program;
    for (int i = 0; i < runs; ++i) {
        hello.push_back(timeToFirstFrame(x, argv[1], env));
        program.push_back(timeToFirstFrame(x, argv[2], env));
    }
    std::printf("hello window first frame: median %.1f ms\n", median(hello));
    std::printf("program first frame:      median %.1f ms\n", median(program));
    std::printf("ratio program / hello:    %.2f\n", median(program) / median(hello));
    reportIdle(x, argv[2], env, idleSeconds);
    xcb_disconnect(x);
    stop(display.server);
    return 0;
}
