#include "Instrument.h"

#include <cmath>

#include "Track.h"

namespace synth {

namespace {
constexpr double kPi = 3.14159265358979323846;
// Harmonics above this are left out: they add only hiss to these timbres.
constexpr double kHighestHarmonic = 16000.0;
}  // namespace

double noteFrequency(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

Instrument::Instrument(std::vector<float> harmonic_levels, Envelope note_envelope)
    : harmonics(std::move(harmonic_levels)), envelope(note_envelope) {}

void Instrument::setVibrato(double depth_semitones, double rate_hertz, double onset_seconds) {
    vibrato_depth = depth_semitones;
    vibrato_rate = rate_hertz;
    vibrato_onset = onset_seconds;
}

void Instrument::setDetune(double cents) {
    detune_cents = cents;
}

std::vector<float> Instrument::play(double frequency, double gate) const {
    std::vector<float> out(static_cast<size_t>(std::ceil(envelope.length(gate) * kSampleRate)));
    if (detune_cents == 0.0) {
        addVoice(out, frequency, gate);
        return out;
    }
    const double spread = std::pow(2.0, detune_cents / 2400.0);
    addVoice(out, frequency * spread, gate);
    addVoice(out, frequency / spread, gate);
    for (float& sample : out) {
        sample *= 0.5f;
    }
    return out;
}

void Instrument::addVoice(std::vector<float>& out, double frequency, double gate) const {
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double bend = 0.0;
        if (vibrato_depth > 0.0 && t > vibrato_onset) {
            const double fade_in = std::fmin(1.0, (t - vibrato_onset) / 0.2);
            bend = fade_in * vibrato_depth * std::sin(2.0 * kPi * vibrato_rate * t);
        }
        const double hertz = frequency * std::pow(2.0, bend / 12.0);
        double value = 0.0;
        for (size_t k = 0; k < harmonics.size(); ++k) {
            const double multiple = static_cast<double>(k + 1);
            if (multiple * hertz > kHighestHarmonic) {
                break;
            }
            value += harmonics[k] * std::sin(multiple * phase);
        }
        out[i] += static_cast<float>(value * envelope.gain(t, gate));
        phase += 2.0 * kPi * hertz / kSampleRate;
    }
}

}  // namespace synth
