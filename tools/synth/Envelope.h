#pragma once

namespace synth {

// Attack, decay, sustain and release, in seconds and as a level. The gain
// rises linearly, falls along a curve to the sustain level and, after the
// gate closes, falls along a curve to exactly zero: every note ends silent,
// so notes never click when they stop.
class Envelope {
  public:
    Envelope(double attack, double decay, double sustain, double release);

    // The gain t seconds after the note started, for a note held gate seconds.
    double gain(double t, double gate) const;
    // How long a note held gate seconds sounds, release included.
    double length(double gate) const { return gate + release; }

  private:
    double held(double t) const;

    double attack;
    double decay;
    double sustain;
    double release;
};

}  // namespace synth
