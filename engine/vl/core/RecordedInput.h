#pragma once

#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"

namespace vl {

/// One input event as a recording holds it: a keyboard event, or a mouse
/// event when is_mouse is set.
struct RecordedInput {
    /// Whether mouse holds the event; keyboard does otherwise.
    bool is_mouse = false;
    /// The keyboard event, with every field as it was broadcast.
    EventKeyboard keyboard;
    /// The mouse event, with every field as it was broadcast.
    EventMouse mouse;
};

/// A keyboard or mouse event as a recording holds it; any other event gives a
/// keyboard event with nothing set.
inline RecordedInput recordedInput(const Event& event) {
    RecordedInput input;
    input.is_mouse = event.getType() == kMouseEvent;
    if (input.is_mouse) {
        input.mouse = static_cast<const EventMouse&>(event);
    } else if (event.getType() == kKeyboardEvent) {
        input.keyboard = static_cast<const EventKeyboard&>(event);
    }
    return input;
}

}  // namespace vl
