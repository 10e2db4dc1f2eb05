#pragma once

#include "vl/world/Event.h"

namespace vl {

// Sent to every object once per frame, before the world moves them.
class EventStep : public Event {
  public:
    explicit EventStep(int step = 0) : Event(kStepEvent), step_number(step) {}
    int getStepNumber() const { return step_number; }

  private:
    int step_number;
};

}  // namespace vl
