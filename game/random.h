#pragma once

#include <cstdint>
#include <random>

// The one pseudo-random generator of the program: it deals the pile and picks the display's animation.
namespace Random {

std::mt19937 &generator();

// Re-seeds from the time of day in milliseconds, so that every deal differs.
void reseedFromTimeOfDay();

// A uniform integer in low .. high, both included.
int between(int low, int high);

// Tests replace the time of day to get known deals; nullptr restores the clock.
using SeedSource = std::uint32_t (*)();
void setSeedSource(SeedSource source);

} // namespace Random
