#pragma once

#include <chrono>
#include <cstdint>

namespace vl {

/// Microseconds from `from` to `to`: negative when `to` comes first, and
/// saturated at the 32-bit limits instead of wrapping (a span longer than
/// about 35 minutes reads as the largest value).
int32_t microsecondsBetween(std::chrono::steady_clock::time_point from,
                            std::chrono::steady_clock::time_point to);

/// A microsecond stopwatch. It runs on the monotonic clock, so changes of the
/// system time and the turn of the hour do not disturb frame pacing or the
/// on-screen timer.
class Clock {
  public:
    /// A stopwatch whose mark is now.
    Clock();

    /// Microseconds since the mark; the mark moves to now.
    int32_t restart();
    /// Microseconds since the mark; the mark stays.
    int32_t elapsed() const;

  private:
    std::chrono::steady_clock::time_point mark;
};

}  // namespace vl
