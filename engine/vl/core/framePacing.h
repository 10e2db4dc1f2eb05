#pragma once

#include <cstdint>

namespace vl {

/// How long the loop sleeps after a frame whose work took elapsed_us
/// microseconds: what is left of the frame in whole milliseconds, nothing for a
/// frame that overran, and a whole frame when the elapsed time reads negative.
int sleepMillisecondsAfter(int32_t elapsed_us, int frame_ms);

}  // namespace vl
