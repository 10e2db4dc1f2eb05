#pragma once

#include <bitset>
#include <cstddef>

#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"

namespace vl {

/// How many keys the engine knows: Key's values 0 to 71.
constexpr std::size_t kKeyCount = 72;
/// How many mouse buttons the engine knows: MouseButton's values 0 to 2.
constexpr std::size_t kButtonCount = 3;

/// Which keys and mouse buttons are down in a frame: what isKeyDown and
/// isButtonDown answer all that frame, and what a recording keeps of them.
struct HeldInput {
    /// Bit k is Key k.
    std::bitset<kKeyCount> keys;
    /// Bit b is MouseButton b.
    std::bitset<kButtonCount> buttons;

    /// Sets the key down or up; Undefined and values outside the engine's keys
    /// are ignored.
    void setKey(Key key, bool down = true) {
        if (static_cast<std::size_t>(key) < kKeyCount) {
            keys.set(static_cast<std::size_t>(key), down);
        }
    }
    /// Sets the button down or up; Undefined is ignored.
    void setButton(MouseButton button, bool down = true) {
        if (static_cast<std::size_t>(button) < kButtonCount) {
            buttons.set(static_cast<std::size_t>(button), down);
        }
    }
    /// Whether the key is down; false for Undefined.
    bool hasKey(Key key) const {
        return static_cast<std::size_t>(key) < kKeyCount &&
               keys.test(static_cast<std::size_t>(key));
    }
    /// Whether the button is down; false for Undefined.
    bool hasButton(MouseButton button) const {
        return static_cast<std::size_t>(button) < kButtonCount &&
               buttons.test(static_cast<std::size_t>(button));
    }
    /// Whether nothing is down.
    bool none() const { return keys.none() && buttons.none(); }

    /// Whether the same keys and buttons are down in both.
    bool operator==(const HeldInput& other) const {
        return keys == other.keys && buttons == other.buttons;
    }
    /// Whether any key or button differs.
    bool operator!=(const HeldInput& other) const { return !(*this == other); }
};

}  // namespace vl
