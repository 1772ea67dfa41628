#include "ProcessFigures.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {
std::string procFile(pid_t pid, const char* name) {
    return "/proc/" + std::to_string(pid) + "/" + name;
}
} // namespace

long ProcessFigures::PssKilobytes(pid_t pid) {
    std::ifstream rollup(procFile(pid, "smaps_rollup"));
    std::string key;
    long value = 0;
    while (rollup >> key >> value) {
        if (key == "Pss:")
            return value;
        rollup.ignore(256, '\n');
    }
    return -1;
}

// Fields 14 and 15 of stat, counted after the parenthesised command name.
double ProcessFigures::CpuSeconds(pid_t pid) {
    std::ifstream stat(procFile(pid, "stat"));
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
