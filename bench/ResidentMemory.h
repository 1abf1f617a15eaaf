// ResidentMemory.h: the process's resident memory, for the benchmarks that
// report what a structure or window adds.
#pragma once

#include <fstream>
#include <unistd.h>

inline double residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0, residentPages = 0;
    statm >> sizePages >> residentPages;
    return double(residentPages) * double(sysconf(_SC_PAGESIZE));
}
