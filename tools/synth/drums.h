#pragma once

#include <vector>

namespace synth {

// One hit of each drum of the music's kit; each ends in silence.
std::vector<float> kickDrum();
std::vector<float> snareDrum(unsigned seed);
std::vector<float> hiHat(unsigned seed);

}  // namespace synth
