#include "Score.h"

Score::Score() {
    setViewString("Score:\t");
    setType("Score");
    setValue(score);
    setBorder(false);
    setLocation(vl::TopRight);
}

int Score::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kViewEvent || !active) {
        return 0;
    }
    const auto* view = static_cast<const vl::EventView*>(event);
    // Points always add, whatever the event's additive flag says.
    if (view->getTag() == "Turret" || view->getTag() == "Zombie") {
        score += view->getValue();
        setValue(score);
    }
    return 1;
}
