#include "drums.h"

#include <cmath>

#include "Noise.h"
#include "OnePoleFilter.h"
#include "Track.h"

namespace synth {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<float> silence(double seconds) {
    return std::vector<float>(static_cast<size_t>(seconds * kSampleRate));
}

// A one-millisecond rise, then an exponential decay with time constant tau
// pulled down to reach zero at length: the hit starts and stops without a
// click.
double decayTo(double t, double tau, double length) {
    return std::fmin(1.0, t / 0.001) * std::exp(-t / tau) * (1.0 - t / length);
}

}  // namespace

std::vector<float> kickDrum() {
    std::vector<float> out = silence(0.25);
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hertz = 45.0 + 110.0 * std::exp(-t / 0.03);
        phase += 2.0 * kPi * hertz / kSampleRate;
        out[i] = static_cast<float>(std::sin(phase) * decayTo(t, 0.08, 0.25));
    }
    return out;
}

std::vector<float> snareDrum(unsigned seed) {
    std::vector<float> out = silence(0.2);
    Noise noise(seed);
    OnePoleFilter tone;
    tone.setCutoff(5000.0);
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += 2.0 * kPi * 185.0 / kSampleRate;
        const double body = 0.5 * std::sin(phase) * decayTo(t, 0.03, 0.2);
        const double rattle = tone.lowPass(noise.next()) * decayTo(t, 0.05, 0.2);
        out[i] = static_cast<float>(body + rattle);
    }
    return out;
}

std::vector<float> hiHat(unsigned seed) {
    std::vector<float> out = silence(0.06);
    Noise noise(seed);
    OnePoleFilter hiss;
    hiss.setCutoff(7000.0);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = static_cast<float>(hiss.highPass(noise.next()) * decayTo(t, 0.015, 0.06));
    }
    return out;
}

}  // namespace synth
