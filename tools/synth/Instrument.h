#pragma once

#include <vector>

#include "Envelope.h"

namespace synth {

// A pitched voice built from a fixed blend of harmonics (additive synthesis,
// so no overtone ever folds back above the audible range), shaped by an
// envelope, with optional vibrato and a detuned twin for width.
class Instrument {
  public:
    Instrument(std::vector<float> harmonic_levels, Envelope note_envelope);

    void setVibrato(double depth_semitones, double rate_hertz, double onset_seconds);
    void setDetune(double cents);

    // One note of frequency hertz held gate seconds, release included.
    std::vector<float> play(double frequency, double gate) const;

  private:
    void addVoice(std::vector<float>& out, double frequency, double gate) const;

    std::vector<float> harmonics;
    Envelope envelope;
    double vibrato_depth = 0.0;
    double vibrato_rate = 0.0;
    double vibrato_onset = 0.0;
    double detune_cents = 0.0;
};

// Equal temperament with A4 (note 69) at 440 Hz.
double noteFrequency(int note);

}  // namespace synth
