#pragma once

#include "vl/world/Event.h"

namespace vl {

// Sent to every object once per frame, before the world moves them.
class EventStep : public Event {
  public:
    explicit EventStep(int step = 0) : step_number(step) { setType(kStepEvent); }
    int getStepNumber() const { return step_number; }

  private:
    int step_number;
};

}  // namespace vl
