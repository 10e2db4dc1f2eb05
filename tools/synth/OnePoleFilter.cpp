#include "OnePoleFilter.h"

#include <cmath>

#include "Track.h"

namespace synth {

void OnePoleFilter::setCutoff(double hertz) {
    const double pi = 3.14159265358979323846;
    coefficient = static_cast<float>(1.0 - std::exp(-2.0 * pi * hertz / kSampleRate));
}

float OnePoleFilter::lowPass(float input) {
    state += coefficient * (input - state);
    return state;
}

}  // namespace synth
