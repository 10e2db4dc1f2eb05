#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>

#include "vl/core/Manager.h"
#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"

namespace vl {

/// Turns the window's keyboard and mouse activity into engine events once per
/// frame and broadcasts them to every object.
class InputManager : public Manager {
  public:
    /// The one input manager, built on first use.
    static InputManager& getInstance();
    ~InputManager() override;

    /// Needs a started display and world; switches key repeat off.
    int startUp() override;
    /// Switches key repeat back on.
    void shutDown() override;

    /// Drains the window's events, then, only while the window has the
    /// keyboard focus, samples held W, A, S, D and the three mouse buttons.
    /// Before startUp, and without a window, nothing is read.
    void pollInput();

    /// Whether the key is down now, for any key the engine knows; false for
    /// Undefined, before startUp, without a window, and while the window does
    /// not have the keyboard focus.
    bool isKeyDown(Key key) const;
    /// Whether the button is down now; false for Undefined and on the same
    /// terms as isKeyDown.
    bool isButtonDown(MouseButton button) const;

  private:
    InputManager();
    /// Whether the keyboard and mouse may be asked: they belong to the whole X
    /// server, so only while the window has the focus are they the game's.
    bool hasFocus() const;

    sf::RenderWindow* window = nullptr;
};

/// The engine key for an SFML key code; Undefined for keys the engine lacks.
Key translateKey(sf::Keyboard::Key code);

}  // namespace vl
