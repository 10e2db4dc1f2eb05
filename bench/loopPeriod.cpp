#include <vector>

#include "LoopProbe.h"
#include "Samples.h"
#include "benchSupport.h"
#include "figures.h"

namespace {

constexpr int kPeriods = 300;

}  // namespace

bool benchLoopPeriod() {
    if (!startRealGame()) {
        return false;
    }
    std::vector<BenchClock::time_point> steps;
    steps.reserve(kPeriods + 1);
    new LoopProbe([&steps] {
        steps.push_back(BenchClock::now());
        return steps.size() <= kPeriods;
    });
    vl::GameManager::getInstance().run();
    stopRealGame();
    Samples periods;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        periods.add(millisecondsBetween(steps[i - 1], steps[i]));
    }
    printFigure("loop_period_ms", periods, "ms", "title screen, step to step");
    return periods.count() == kPeriods;
}
