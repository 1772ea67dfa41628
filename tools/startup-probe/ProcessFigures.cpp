#include "ProcessFigures.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string procFile(pid_t pid, const std::string& name) {
    return "/proc/" + std::to_string(pid) + "/" + name;
}

// Fields 14 and 15 of stat (user and system ticks), counted after the command name.
double cpuSecondsFrom(const std::string& statFile) {
    std::ifstream stat(statFile);
    const std::string line((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i >= 14)
            ticks += std::stol(field);
    }
    return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

long ProcessFigures::PssKilobytes(pid_t pid) {
    std::ifstream rollup(procFile(pid, "smaps_rollup"));
    std::string line;
    while (std::getline(rollup, line)) {
        if (line.rfind("Pss:", 0) == 0)
            return std::stol(line.substr(4));
    }
    return -1;
}

double ProcessFigures::CpuSeconds(pid_t pid) {
    return cpuSecondsFrom(procFile(pid, "stat"));
}

double ProcessFigures::WindowThreadCpuSeconds(pid_t pid) {
    return cpuSecondsFrom(procFile(pid, "task/" + std::to_string(pid) + "/stat"));
}
