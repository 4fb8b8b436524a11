#pragma once

#include <cstdint>
#include <functional>

// Seeds for the deal: every deal re-seeds its generator, so that every game deals differently.
namespace Random {

using SeedSource = std::function<std::uint32_t()>;

// The time of day in milliseconds.
std::uint32_t timeOfDaySeed();

} // namespace Random
