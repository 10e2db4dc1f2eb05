#pragma once

#include <string>

#include "vl/world/Event.h"

namespace vl {

// Asks the value display whose view string equals tag to add value to what it
// shows (additive) or to show value instead.
class EventView : public Event {
  public:
    EventView(std::string view_tag, int amount, bool is_additive = true)
        : tag(std::move(view_tag)), value(amount), additive(is_additive) {
        setType(kViewEvent);
    }

    const std::string& getTag() const { return tag; }
    int getValue() const { return value; }
    bool getAdditive() const { return additive; }

  private:
    std::string tag;
    int value;
    bool additive;
};

}  // namespace vl
