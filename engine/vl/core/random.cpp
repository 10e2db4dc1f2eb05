#include "vl/core/random.h"

#include <chrono>

namespace vl {

namespace {

// SplitMix64: small, fast, and the same numbers from a seed on every build.
struct RandomSource {
    std::uint64_t seed = seedFromClock();
    std::uint64_t state = seed;

    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
};

RandomSource& source() {
    static RandomSource random;
    return random;
}

}  // namespace

int randomInt(int low, int high) {
    if (high <= low) {
        return low;
    }
    const std::uint64_t range =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
    // Numbers past the last whole multiple of range are drawn again, so that
    // every value is as likely as every other.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t drawn = source().next();
    while (drawn >= limit) {
        drawn = source().next();
    }
    return static_cast<int>(static_cast<std::int64_t>(low) +
                            static_cast<std::int64_t>(drawn % range));
}

float randomUnit() {
    // The top 24 bits: every float of that many bits below 1, evenly.
    return static_cast<float>(source().next() >> 40) / 16777216.0f;
}

void seedRandom(std::uint64_t seed) {
    source().seed = seed;
    source().state = seed;
}

std::uint64_t getRandomSeed() {
    return source().seed;
}

std::uint64_t seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

}  // namespace vl
