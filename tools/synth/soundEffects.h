#pragma once

#include "Track.h"

namespace synth {

// The player's shot: a crack, a thump and a short room tail.
Track makeGunshot();
// A turret's shot: a bright tone that dives in pitch.
Track makePew();
// A zombie's groan: a low, rough, vowel-like moan.
Track makeZombieGroan();

}  // namespace synth
