#include "LoopProbe.h"

#include <utility>

LoopProbe::LoopProbe(std::function<bool()> on_step) : step_handler(std::move(on_step)) {
    setType("LoopProbe");
    setSolidness(vl::Solidness::Intangible);
}

int LoopProbe::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kStepEvent) {
        return 0;
    }
    if (!step_handler()) {
        vl::GameManager::getInstance().setFinished(true);
    }
    return 1;
}
