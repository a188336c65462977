#pragma once

// Processor time and machine load as the benchmarks report them beside every figure.

#include <cstdlib>

#include <sys/resource.h>

// User and system seconds of this process (RUSAGE_SELF) or of the children it has waited for,
// and theirs (RUSAGE_CHILDREN).
inline double usageSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The machine's one-minute load average, or -1.
inline double loadAverage()
{
    double load[1] = {-1};
    return ::getloadavg(load, 1) == 1 ? load[0] : -1;
}
