#include "Track.h"

#include <algorithm>
#include <cmath>

namespace synth {

Track::Track(double seconds) : samples(static_cast<size_t>(std::lround(seconds * kSampleRate))) {}

void Track::mix(const std::vector<float>& part, double start_seconds, float gain) {
    const long start = std::lround(start_seconds * kSampleRate);
    for (size_t i = 0; i < part.size(); ++i) {
        const long target = start + static_cast<long>(i);
        if (target >= 0 && target < static_cast<long>(samples.size())) {
            samples[target] += gain * part[i];
        }
    }
}

float Track::peak() const {
    float loudest = 0.0f;
    for (float sample : samples) {
        loudest = std::max(loudest, std::fabs(sample));
    }
    return loudest;
}

float Track::rms() const {
    if (samples.empty()) {
        return 0.0f;
    }
    double sum = 0.0;
    for (float sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return static_cast<float>(std::sqrt(sum / samples.size()));
}

void Track::scale(float factor) {
    for (float& sample : samples) {
        sample *= factor;
    }
}

void Track::normalisePeak(float level) {
    const float loudest = peak();
    if (loudest > 0.0f) {
        scale(level / loudest);
    }
}

std::vector<int16_t> Track::toPcm() const {
    std::vector<int16_t> pcm(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        const float clipped = std::clamp(samples[i], -1.0f, 1.0f);
        pcm[i] = static_cast<int16_t>(std::lround(clipped * 32767.0f));
    }
    return pcm;
}

}  // namespace synth
