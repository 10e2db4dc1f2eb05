#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <functional>

#include "vl/core/Manager.h"
#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"

namespace vl {

class Platform;

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
    /// Once a sample finds none of them held, the next sample waits for a
    /// key or button press read from the window or a move of the focus.
    /// Before startUp, and without a window, nothing is read.
    void pollInput();

    /// Broadcasts a keyboard or mouse event to every object as if it had been
    /// read from the window, after handing it to the input tap. Everything
    /// pollInput reads goes out this way; scripted players and replays send
    /// their input through it too.
    void broadcastInput(const Event& event);
    /// Called with every event broadcastInput sends, before it is sent: the
    /// game manager records input this way. An empty function removes it.
    void setInputTap(std::function<void(const Event&)> new_tap) { tap = std::move(new_tap); }
    /// While on, pollInput reads no keyboard or mouse: it still fits the
    /// picture to a resized window, but broadcasts nothing, for a replay sends
    /// the recorded input instead; Escape pressed on the window, or a request
    /// to close it, stops the replay (GameManager::stopReplay).
    void setReplaying(bool on) { replaying = on; }

    /// Whether the key is down now, for any key the engine knows; false for
    /// Undefined, before startUp, without a window, and while the window does
    /// not have the keyboard focus.
    bool isKeyDown(Key key) const;
    /// Whether the button is down now; false for Undefined and on the same
    /// terms as isKeyDown.
    bool isButtonDown(MouseButton button) const;

  private:
    InputManager();
    /// The keyboard and mouse as sampled now, or null when they are not the
    /// game's: before startUp, without a window, or while another window has
    /// the keyboard focus (they belong to the whole desktop, and keys typed
    /// into another application must not walk the player).
    const Platform* sampleDevices() const;

    sf::RenderWindow* window = nullptr;
    std::function<void(const Event&)> tap;
    bool replaying = false;
    /// Whether a key or button may be held: the last sample found one, or a
    /// press or a move of the focus came since.
    bool held_possible = true;
};

/// The engine key for an SFML key code; Undefined for keys the engine lacks.
Key translateKey(sf::Keyboard::Key code);

}  // namespace vl
