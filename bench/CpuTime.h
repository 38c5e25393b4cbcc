#pragma once
// Seconds of processor time spent by this thread: the machine is shared, and wall-clock time
// would charge a benchmark for other programs' work.

#include <time.h>

inline double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
