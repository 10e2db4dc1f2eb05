#include "Envelope.h"

#include <algorithm>

namespace synth {

Envelope::Envelope(double attack_seconds, double decay_seconds, double sustain_level,
                   double release_seconds)
    : attack(attack_seconds),
      decay(decay_seconds),
      sustain(sustain_level),
      release(release_seconds) {}

double Envelope::held(double t) const {
    if (t < 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return t / attack;
    }
    if (t < attack + decay) {
        const double left = 1.0 - (t - attack) / decay;
        return sustain + (1.0 - sustain) * left * left;
    }
    return sustain;
}

double Envelope::gain(double t, double gate) const {
    if (t < gate) {
        return held(t);
    }
    if (release <= 0.0 || t >= gate + release) {
        return 0.0;
    }
    const double left = 1.0 - (t - gate) / release;
    return held(gate) * std::max(0.0, left) * left;
}

}  // namespace synth
