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

namespace {

bool frame_time_on = false;
std::chrono::microseconds frame_time(0);

}  // namespace

void setFrameTime(bool on) {
    frame_time_on = on;
    frame_time = std::chrono::microseconds(0);
}

bool isFrameTimeOn() {
    return frame_time_on;
}

void advanceFrameTime(int32_t frame_microseconds) {
    frame_time += std::chrono::microseconds(frame_microseconds);
}

Clock::Clock(TimeSource time_source) : source(time_source), mark(now()) {}

std::chrono::steady_clock::time_point Clock::now() const {
    if (source == TimeSource::Game && frame_time_on) {
        return std::chrono::steady_clock::time_point(frame_time);
    }
    return std::chrono::steady_clock::now();
}

int32_t Clock::restart() {
    const auto time = now();
    const int32_t us = microsecondsBetween(mark, time);
    mark = time;
    return us;
}

int32_t Clock::elapsed() const {
    return microsecondsBetween(mark, now());
}

}  // namespace vl
