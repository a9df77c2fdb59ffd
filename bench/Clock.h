// The benchmarks' clock: the performance counter, in milliseconds.
#pragma once

#include <windows.h>

inline double milliseconds() {
    static const double ticksPerMillisecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e3;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMillisecond;
}
