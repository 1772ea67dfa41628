#pragma once

#include <sys/types.h>

// What /proc tells about a running process.
namespace ProcessFigures {

// Proportional set size in kilobytes, or -1 when it cannot be read.
long PssKilobytes(pid_t pid);
// Processor time used so far (user + system), in seconds.
double CpuSeconds(pid_t pid);
// The same for the window thread alone (music decoding and sound mixing run in others).
double WindowThreadCpuSeconds(pid_t pid);

} // namespace ProcessFigures
