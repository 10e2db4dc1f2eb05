#pragma once

#include <cstdint>

#include "vl/world/Event.h"
#include "vl/world/Vector.h"

namespace vl {

/// What a mouse event reports.
enum class MouseAction : int32_t {
    Undefined = -1,
    Held = 1,      ///< the button is down at this frame's sampling
    Moved = 2,     ///< the pointer moved
    Pressed = 3,   ///< the button went down, even if it went up again within the frame
    Released = 4,  ///< the button went up
};

/// The mouse buttons the engine tells apart.
enum class MouseButton : int32_t {
    Undefined = -1,
    Left = 0,
    Right = 1,
    Middle = 2,
};

/// A pointer move, a button that went down or up (each with the pointer's
/// position in picture pixels), or a held button (with no position).
class EventMouse : public Event {
  public:
    EventMouse() { setType(kMouseEvent); }
    /// An event with the action, the button (Undefined for a move) and the pointer position in
    /// picture pixels.
    EventMouse(MouseAction action_value, MouseButton button_value, Vector pixels)
        : action(action_value), button(button_value), pixel_position(pixels) {
        setType(kMouseEvent);
    }

    /// Moved; Pressed or Released, in the order the window reported them; or
    /// Held for a button that is down at this frame's sampling.
    MouseAction getAction() const { return action; }
    /// Sets the action getAction returns.
    void setAction(MouseAction new_action) { action = new_action; }
    /// The button pressed, released or held; Undefined for a move and for
    /// buttons beyond the three.
    MouseButton getButton() const { return button; }
    /// Sets the button getButton returns.
    void setButton(MouseButton new_button) { button = new_button; }
    /// Where the pointer was, in the 1024 × 768 picture's pixels whatever the window's size
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
