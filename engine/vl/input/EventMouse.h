#pragma once

#include <cstdint>

#include "vl/world/Event.h"
#include "vl/world/Vector.h"

namespace vl {

enum class MouseAction : int32_t {
    Undefined = -1,
    Held = 1,   ///< the button is down at this frame's sampling
    Moved = 2,  ///< the pointer moved
};

enum class MouseButton : int32_t {
    Undefined = -1,
    Left = 0,
    Right = 1,
    Middle = 2,
};

/// A pointer move (with its position in picture pixels) or a held button (with
/// no position).
class EventMouse : public Event {
  public:
    EventMouse() { setType(kMouseEvent); }
    /// An event with the action, the button (Undefined for a move) and the pointer position in
    /// picture pixels.
    EventMouse(MouseAction action_value, MouseButton button_value, Vector pixels)
        : action(action_value), button(button_value), pixel_position(pixels) {
        setType(kMouseEvent);
    }

    /// Moved, or Held for a button that is down.
    MouseAction getAction() const { return action; }
    /// Sets the action getAction returns.
    void setAction(MouseAction new_action) { action = new_action; }
    /// The button held; Undefined for a move.
    MouseButton getButton() const { return button; }
    /// Sets the button getButton returns.
    void setButton(MouseButton new_button) { button = new_button; }
    /// Where the pointer moved to, in the 1024 × 768 picture's pixels whatever the window's size
    /// (turn into cells with pixelsToCells); (0, 0) for a held button.
    Vector getPixelPosition() const { return pixel_position; }
    /// Sets the position getPixelPosition returns.
    void setPixelPosition(Vector pixels) { pixel_position = pixels; }

  private:
    MouseAction action = MouseAction::Undefined;
    MouseButton button = MouseButton::Undefined;
    Vector pixel_position;
};

}  // namespace vl
