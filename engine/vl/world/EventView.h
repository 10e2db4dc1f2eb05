#pragma once

#include <string>

#include "vl/world/Event.h"

namespace vl {

/// Asks the value display whose view string equals tag to add value to what it
/// shows (additive) or to show value instead.
class EventView : public Event {
  public:
    /// A value event for the displays whose view string is view_tag: add amount, or show it when
    /// is_additive is false.
    EventView(std::string view_tag, int amount, bool is_additive = true)
        : tag(std::move(view_tag)), value(amount), additive(is_additive) {
        setType(kViewEvent);
    }

    /// The view string of the displays it is meant for.
    const std::string& getTag() const { return tag; }
    /// The amount to add or show.
    int getValue() const { return value; }
    /// True to add the value, false to show it instead.
    bool getAdditive() const { return additive; }

  private:
    std::string tag;
    int value;
    bool additive;
};

}  // namespace vl
