#pragma once

#include <string>

#include "Track.h"

namespace synth {

// Writes the track as a 16-bit mono WAV file; false when it cannot be written.
bool saveWav(const Track& track, const std::string& path);

}  // namespace synth
