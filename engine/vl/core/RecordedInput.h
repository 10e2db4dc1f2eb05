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

}  // namespace vl
