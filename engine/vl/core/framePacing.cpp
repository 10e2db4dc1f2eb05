#include "vl/core/framePacing.h"

namespace vl {

int sleepMillisecondsAfter(int32_t elapsed_us, int frame_ms) {
    if (elapsed_us < 0) {
        return frame_ms;
    }
    const int left = frame_ms - elapsed_us / 1000;
    return left >= 0 ? left : 0;
}

}  // namespace vl
