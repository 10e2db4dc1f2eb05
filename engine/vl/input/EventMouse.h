#pragma once

#include <cstdint>

#include "vl/world/Event.h"
#include "vl/world/Vector.h"

namespace vl {

enum class MouseAction : int32_t {
    Undefined = -1,
    Held = 1,   // the button is down at this frame's sampling
    Moved = 2,  // the pointer moved
};

enum class MouseButton : int32_t {
    Undefined = -1,
    Left = 0,
    Right = 1,
    Middle = 2,
};

// A pointer move (with its position in window pixels) or a held button (with
// no position).
class EventMouse : public Event {
  public:
    EventMouse() { setType(kMouseEvent); }
    EventMouse(MouseAction action_value, MouseButton button_value, Vector pixels)
        : action(action_value), button(button_value), pixel_position(pixels) {
        setType(kMouseEvent);
    }

    MouseAction getAction() const { return action; }
    void setAction(MouseAction new_action) { action = new_action; }
    MouseButton getButton() const { return button; }
    void setButton(MouseButton new_button) { button = new_button; }
    Vector getPixelPosition() const { return pixel_position; }
    void setPixelPosition(Vector pixels) { pixel_position = pixels; }

  private:
    MouseAction action = MouseAction::Undefined;
    MouseButton button = MouseButton::Undefined;
    Vector pixel_position;
};

}  // namespace vl
