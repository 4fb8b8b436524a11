#pragma once

#include <cstdint>
#include <ctime>

// The monotonic clock is one for the whole machine, so a child can say when it reached a point and its parent
// can subtract the moment it started the child.
inline std::int64_t monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}
