#include "vl/platform/audioProbe.h"

namespace vl {

// Without a child process to ask in, the audio library is left to open its
// device in the game's own process, as it does by itself.
void prepareAudioProbe() {}

void startAudioProbe(bool) {}

ProbeAnswer readAudioProbe(bool) {
    return ProbeAnswer::Opens;
}

void dismissAudioProbe() {}

}  // namespace vl
