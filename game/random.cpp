#include "game/random.h"

#include <chrono>

namespace Random {

namespace {

std::uint32_t timeOfDayMilliseconds()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

SeedSource seedSource = timeOfDayMilliseconds;

} // namespace

std::mt19937 &generator()
{
    static std::mt19937 shared;
    return shared;
}

void reseedFromTimeOfDay()
{
    generator().seed(seedSource());
}

int between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(generator());
}

void setSeedSource(SeedSource source)
{
    seedSource = source ? source : timeOfDayMilliseconds;
}

} // namespace Random
