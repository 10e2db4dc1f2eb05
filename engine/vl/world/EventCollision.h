#pragma once

#include "vl/world/Event.h"
#include "vl/world/Vector.h"

namespace vl {

class Object;

/// Sent to the mover, then to the other object, when a move would make their
/// boxes overlap. position is where the mover is being moved to.
class EventCollision : public Event {
  public:
    /// The collision of mover_object, being moved to where, with other_object.
    EventCollision(Object* mover_object, Object* other_object, Vector where)
        : Event(kCollisionEvent), position(where), mover(mover_object), other(other_object) {}

    /// The object being moved. The world owns it.
    Object* getMover() const { return mover; }
    /// The object it would overlap. The world owns it.
    Object* getOther() const { return other; }
    /// Where the mover is being moved to.
    Vector getPosition() const { return position; }

  private:
    Vector position;
    Object* mover;
    Object* other;
};

}  // namespace vl
