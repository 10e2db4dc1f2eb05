#include "vl/core/Clock.h"

#include <limits>

namespace vl {

int32_t microsecondsBetween(std::chrono::steady_clock::time_point from,
                            std::chrono::steady_clock::time_point to) {
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(to - from).count();
    if (us > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (us < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(us);
}

Clock::Clock() : mark(std::chrono::steady_clock::now()) {}

int32_t Clock::restart() {
    const auto now = std::chrono::steady_clock::now();
    const int32_t us = microsecondsBetween(mark, now);
    mark = now;
    return us;
}

int32_t Clock::elapsed() const {
    return microsecondsBetween(mark, std::chrono::steady_clock::now());
}

}  // namespace vl
