#pragma once

#include <cstdint>
#include <vector>

namespace synth {

constexpr int kSampleRate = 44100;

// A mono recording in floating point, full scale at +-1: the mixing bus that
// sounds are summed into before they become 16-bit samples.
class Track {
  public:
    explicit Track(double seconds);

    int size() const { return static_cast<int>(samples.size()); }
    float at(int index) const { return samples[index]; }
    const std::vector<float>& data() const { return samples; }

    // Sums part into the track starting at the sample for start_seconds; what
    // runs past the end is cut off.
    void mix(const std::vector<float>& part, double start_seconds, float gain);

    float peak() const;
    float rms() const;
    void scale(float factor);
    // Scales the track so that its loudest sample reaches level.
    void normalisePeak(float level);

    std::vector<int16_t> toPcm() const;

  private:
    std::vector<float> samples;
};

}  // namespace synth
