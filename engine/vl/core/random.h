#pragma once

#include <cstdint>

namespace vl {

/// A whole number from low to high, both included, from the engine's random
/// source; low when high is below it. A game that draws its random numbers
/// here replays the same: a recording keeps the source's seed, and a replay
/// seeds it from there.
int randomInt(int low, int high);

/// A number from 0 up to, but not including, 1, from the same source.
float randomUnit();

/// Starts the random source again from seed: the same seed gives the same
/// numbers. At start-up the source is seeded from the clock.
void seedRandom(std::uint64_t seed);

/// The seed the random source last started from.
std::uint64_t getRandomSeed();

/// A seed taken from the clock, different from one run to the next.
std::uint64_t seedFromClock();

}  // namespace vl
