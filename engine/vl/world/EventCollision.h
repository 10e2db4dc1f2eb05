#pragma once

#include "vl/world/Event.h"
#include "vl/world/Vector.h"

namespace vl {

class Object;

// Sent to the mover, then to the other object, when a move would make their
// boxes overlap. position is where the mover is being moved to.
class EventCollision : public Event {
  public:
    EventCollision(Object* mover_object, Object* other_object, Vector where)
        : Event(kCollisionEvent), position(where), mover(mover_object), other(other_object) {}

    Object* getMover() const { return mover; }
    Object* getOther() const { return other; }
    Vector getPosition() const { return position; }

  private:
    Vector position;
    Object* mover;
    Object* other;
};

}  // namespace vl
