#pragma once

namespace synth {

// The gentlest low-pass filter: each output moves a fraction of the way
// towards the input. Its high-pass is what the low-pass takes away.
class OnePoleFilter {
  public:
    void setCutoff(double hertz);
    float lowPass(float input);
    float highPass(float input) { return input - lowPass(input); }

  private:
    float coefficient = 1.0f;
    float state = 0.0f;
};

}  // namespace synth
