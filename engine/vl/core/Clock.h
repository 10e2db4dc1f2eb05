#pragma once

#include <chrono>
#include <cstdint>

namespace vl {

/// Microseconds from `from` to `to`: negative when `to` comes first, and
/// saturated at the 32-bit limits instead of wrapping (a span longer than
/// about 35 minutes reads as the largest value).
int32_t microsecondsBetween(std::chrono::steady_clock::time_point from,
                            std::chrono::steady_clock::time_point to);

/// What a clock reads.
enum class TimeSource {
    Game,  ///< frame time while it is on, real time otherwise
    Real,  ///< always real time: for pacing the loop itself
};

/// Switches frame time on or off, at 0 either way. While it is on, every
/// Game clock reads the time advanceFrameTime has counted instead of the real
/// time, so that a recorded game and its replay read the same times. Turn it
/// on before the clocks that are to read it are made.
void setFrameTime(bool on);
/// Whether Game clocks read frame time.
bool isFrameTimeOn();
/// Moves frame time on by a frame of that many microseconds.
void advanceFrameTime(int32_t frame_microseconds);

/// A microsecond stopwatch. It runs on the monotonic clock, so changes of the
/// system time and the turn of the hour do not disturb frame pacing or the
/// on-screen timer; or, while frame time is on, on frame time.
class Clock {
  public:
    /// A stopwatch of that source whose mark is now.
    explicit Clock(TimeSource time_source = TimeSource::Game);

    /// Microseconds since the mark; the mark moves to now.
    int32_t restart();
    /// Microseconds since the mark; the mark stays.
    int32_t elapsed() const;

  private:
    std::chrono::steady_clock::time_point now() const;

    TimeSource source;
    std::chrono::steady_clock::time_point mark;
};

}  // namespace vl
