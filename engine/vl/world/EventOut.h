#pragma once

#include "vl/world/Event.h"

namespace vl {

/// Sent to an object on the move that takes its box out of the world.
class EventOut : public Event {
  public:
    EventOut() : Event(kOutEvent) {}
};

}  // namespace vl
