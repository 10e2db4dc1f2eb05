#include "soundEffects.h"

#include <cmath>

#include "Envelope.h"
#include "Noise.h"
#include "OnePoleFilter.h"

namespace synth {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kEffectPeak = 0.89f;

double seconds(int index) {
    return static_cast<double>(index) / kSampleRate;
}

// A gain that closes the last fade seconds of a sound of the given length
// down to zero.
double endFade(double t, double length, double fade) {
    return std::fmin(1.0, std::fmax(0.0, (length - t) / fade));
}

// How strongly the mouth shape passes frequency f: two vowel resonances.
double formantGain(double f, double first, double second) {
    const double a = (f - first) / 90.0;
    const double b = (f - second) / 130.0;
    return 1.0 / (1.0 + a * a) + 0.6 / (1.0 + b * b) + 0.03;
}

// Follows a path of values over 0..1, easing between them.
double glide(double u, double from, double middle, double to) {
    const double half = u < 0.5 ? u * 2.0 : (u - 0.5) * 2.0;
    const double eased = 0.5 - 0.5 * std::cos(kPi * half);
    return u < 0.5 ? from + (middle - from) * eased : middle + (to - middle) * eased;
}

}  // namespace

Track makeGunshot() {
    // Overdriving the blast squares off its peaks, which makes a shot sound
    // bigger than its peak level.
    const double kDrive = 2.0;
    const double length = 0.4;
    Track track(length);
    Noise noise(0x5eed1u);
    // Two filters in a row darken the noise twice as steeply as one.
    OnePoleFilter body_filter;
    OnePoleFilter body_smoothing;
    OnePoleFilter tail_filter;
    OnePoleFilter tail_smoothing;
    tail_filter.setCutoff(900.0);
    tail_smoothing.setCutoff(900.0);
    double phase = 0.0;
    std::vector<float> shot(track.size());
    for (int i = 0; i < track.size(); ++i) {
        const double t = seconds(i);
        const double grain = noise.next();
        const double crack = grain * std::exp(-t / 0.004);
        const double cutoff = 250.0 + 6000.0 * std::exp(-t / 0.025);
        body_filter.setCutoff(cutoff);
        body_smoothing.setCutoff(cutoff);
        const double body = body_smoothing.lowPass(body_filter.lowPass(static_cast<float>(grain))) *
                            std::exp(-t / 0.06);
        phase += 2.0 * kPi * (42.0 + 100.0 * std::exp(-t / 0.02)) / kSampleRate;
        const double thump = std::sin(phase) * std::exp(-t / 0.07);
        const double tail = tail_smoothing.lowPass(tail_filter.lowPass(static_cast<float>(grain))) *
                            std::exp(-t / 0.15);
        const double attack = std::fmin(1.0, t / 0.0005);
        const double blast = 0.5 * crack + 2.2 * body + 0.8 * thump + 1.4 * tail;
        shot[i] = static_cast<float>(attack * endFade(t, length, 0.08) * std::tanh(kDrive * blast));
    }
    track.mix(shot, 0.0, 1.0f);
    track.normalisePeak(kEffectPeak);
    return track;
}

Track makePew() {
    const double length = 0.3;
    Track track(length);
    std::vector<float> pew(track.size());
    double phase = 0.0;
    for (int i = 0; i < track.size(); ++i) {
        const double t = seconds(i);
        const double hertz = 200.0 + 1500.0 * std::exp(-t / 0.05);
        phase += 2.0 * kPi * hertz / kSampleRate;
        double value = 0.0;
        for (int k = 1; k <= 9 && k * hertz < 15000.0; k += 2) {
            value += std::sin(k * phase) / k;
        }
        value += 0.3 * std::sin(1.5 * phase);
        const double fall = std::fmax(0.0, 1.0 - t / (length - 0.02));
        const double gain = std::fmin(1.0, t / 0.002) * fall * fall;
        pew[i] = static_cast<float>(value * gain);
    }
    track.mix(pew, 0.0, 1.0f);
    track.normalisePeak(0.8f);
    return track;
}

Track makeZombieGroan() {
    const double length = 1.4;
    Track track(length);
    const Envelope envelope(0.15, 0.3, 0.8, 0.4);
    Noise jitter_noise(0x20b1eu);
    Noise breath_noise(0xb8ea7u);
    OnePoleFilter jitter;
    jitter.setCutoff(6.0);
    OnePoleFilter breath;
    breath.setCutoff(1200.0);
    std::vector<float> groan(track.size());
    double phase = 0.0;
    for (int i = 0; i < track.size(); ++i) {
        const double t = seconds(i);
        const double u = t / length;
        // Noise this slow is only about 0.01 strong: scaled, it shakes the
        // pitch by a few percent, as an unsteady throat would.
        const double wobble = 1.0 + 6.0 * jitter.lowPass(jitter_noise.next());
        const double hertz = 92.0 * (1.0 + 0.12 * std::sin(kPi * u) - 0.2 * u * u) * wobble;
        phase += 2.0 * kPi * hertz / kSampleRate;
        const double first = glide(u, 330.0, 680.0, 420.0);
        const double second = glide(u, 820.0, 1150.0, 880.0);
        double voice = 0.0;
        for (int k = 1; k <= 60 && k * hertz < 5000.0; ++k) {
            voice += formantGain(k * hertz, first, second) * std::sin(k * phase) / k;
        }
        const double rasp =
            0.72 + 0.28 * std::sin(2.0 * kPi * 27.0 * t + std::sin(2.0 * kPi * 3.0 * t));
        const double air = 0.15 * breath.lowPass(breath_noise.next());
        groan[i] = static_cast<float>((voice * rasp + air) * envelope.gain(t, length - 0.4));
    }
    track.mix(groan, 0.0, 1.0f);
    track.normalisePeak(kEffectPeak);
    return track;
}

}  // namespace synth
