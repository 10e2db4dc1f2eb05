#include "Timer.h"

namespace {
constexpr int32_t kMicrosecondsPerSecond = 1000000;
}

Timer::Timer() {
    setLocation(vl::TopLeft);
    setViewString("Time:\t");
    setType("Timer");
    setValue(seconds);
    setBorder(false);
}

int Timer::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kStepEvent || !active) {
        return 0;
    }
    if (clock.elapsed() < kMicrosecondsPerSecond) {
        return 0;
    }
    clock.restart();
    setValue(++seconds);
    return 1;
}
