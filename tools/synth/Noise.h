#pragma once

#include <cstdint>

namespace synth {

// White noise from a fixed seed, so every build writes the same files.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state(seed == 0 ? 1u : seed) {}

    // The next value, evenly spread over -1 to 1.
    float next();

  private:
    uint32_t state;
};

}  // namespace synth
