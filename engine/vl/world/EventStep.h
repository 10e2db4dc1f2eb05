#pragma once

#include "vl/world/Event.h"

namespace vl {

/// Sent to every object once per frame, before the world moves them.
class EventStep : public Event {
  public:
    /// A step event; the game loop sends step number 0.
    explicit EventStep(int step = 0) : Event(kStepEvent), step_number(step) {}
    /// The step number given at construction.
    int getStepNumber() const { return step_number; }

  private:
    int step_number;
};

}  // namespace vl
