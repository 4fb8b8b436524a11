#include "game/random.h"

#include <chrono>

namespace Random {

std::uint32_t timeOfDaySeed()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace Random
