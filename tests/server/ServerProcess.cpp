#include "ServerProcess.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
std::vector<char*> argvOf(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return argv;
}

// Starts the program with its standard output (and, when asked, its errors) on a pipe; output
// receives the read end.
pid_t spawn(std::vector<std::string> arguments, int& output, bool withErrors) {
    arguments.insert(arguments.begin(), QB_SERVER_PROGRAM);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe");
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        dup2(pipeEnds[1], STDOUT_FILENO);
        if (withErrors)
            dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        auto argv = argvOf(arguments);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    output = pipeEnds[0];
    return pid;
}

std::string readLine(int fd) {
    std::string line;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

int waitFor(pid_t pid, std::chrono::milliseconds patience) {
    const auto until = std::chrono::steady_clock::now() + patience;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
} // namespace

ServerProcess::ServerProcess(const std::vector<std::string>& serveArguments) {
    std::vector<std::string> arguments{"serve", "--listen", "127.0.0.1:0"};
    arguments.insert(arguments.end(), serveArguments.begin(), serveArguments.end());
    m_pid = spawn(arguments, m_output, false);
    const std::string line = readLine(m_output);
    const auto colon = line.rfind(':');
    if (line.find("listening on") == std::string::npos || colon == std::string::npos) {
        Stop();
        throw std::runtime_error("the server did not start: " + line);
    }
    m_port = std::stoi(line.substr(colon + 1));
}

ServerProcess::~ServerProcess() {
    if (m_pid > 0 && Stop() < 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    close(m_output);
}

bool ServerProcess::Running() const {
    return m_pid > 0 && kill(m_pid, 0) == 0 && waitpid(m_pid, nullptr, WNOHANG) == 0;
}

int ServerProcess::Stop() {
    if (m_pid <= 0)
        return -1;
    kill(m_pid, SIGTERM);
    const int status = waitFor(m_pid, std::chrono::seconds(10));
    if (status >= 0)
        m_pid = -1;
    return status;
}

int ServerProcess::RunToEnd(const std::vector<std::string>& arguments, std::string* output) {
    int fd = -1;
    const pid_t pid = spawn(arguments, fd, true);
    std::string text;
    char buffer[4096];
    ssize_t got;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    close(fd);
    if (output)
        *output = text;
    return waitFor(pid, std::chrono::seconds(60));
}
