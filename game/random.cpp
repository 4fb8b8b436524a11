#include "game/random.h"

#include <chrono>

namespace Random {

std::mt19937 &generator()
{
    static std::mt19937 shared;
    return shared;
}

void reseedFromTimeOfDay()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    generator().seed(std::mt19937::result_type(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

int between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(generator());
}

} // namespace Random
