#pragma once

#include <cstdint>

#include "vl/world/Event.h"

namespace vl {

/// The engine's keyboard keys.
enum class Key : int32_t {
    Undefined = -1,
    Space = 0,
    Enter,
    Escape,
    Tab,
    ArrowLeft,
    ArrowRight,
    ArrowUp,
    ArrowDown,
    Pause,
    Hyphen,
    Equal,
    Tilde,
    Period,
    Comma,
    Slash,
    Backslash,
    Multiply,
    Quote,
    Semicolon,
    LControl,
    RControl,
    LShift,
    RShift,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    A,
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    I,
    J,
    K,
    L,
    M,
    N,
    O,
    P,
    Q,
    R,
    S,
    T,
    U,
    V,
    W,
    X,
    Y,
    Z,
    Num1,
    Num2,
    Num3,
    Num4,
    Num5,
    Num6,
    Num7,
    Num8,
    Num9,
    Num0,
    Backspace,
};

enum class KeyAction : int32_t {
    Undefined = -1,
    Pressed = 0,   ///< the key went down
    Released = 1,  ///< the key went up
    Held = 2,      ///< the key is down at this frame's sampling
};

/// A key that went down or up, or is held down this frame.
class EventKeyboard : public Event {
  public:
    EventKeyboard() { setType(kKeyboardEvent); }
    /// An event saying that key had action.
    EventKeyboard(Key key_value, KeyAction action_value) : key(key_value), action(action_value) {
        setType(kKeyboardEvent);
    }

    /// The key: Undefined for a key the engine does not know.
    Key getKey() const { return key; }
    /// Sets the key getKey returns.
    void setKey(Key new_key) { key = new_key; }
    /// Pressed, Released, or Held (W, A, S and D only).
    KeyAction getAction() const { return action; }
    /// Sets the action getAction returns.
    void setAction(KeyAction new_action) { action = new_action; }

  private:
    Key key = Key::Undefined;
    KeyAction action = KeyAction::Undefined;
};

}  // namespace vl
