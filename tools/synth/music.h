#pragma once

#include "Track.h"

namespace synth {

// The background tune: sixteen bars in A minor at 120 beats a minute (32 s)
// with drums, bass, a pad and a lead. Every note has died away before the
// last sample and the first notes start from silence, so the piece loops
// without a click.
Track makeMusic();

}  // namespace synth
