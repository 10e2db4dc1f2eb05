#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <functional>
#include <vector>

#include "vl/core/Manager.h"
#include "vl/core/RecordedInput.h"
#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"
#include "vl/input/HeldInput.h"

namespace vl {

/// Turns the window's keyboard and mouse activity into engine events once per
/// frame and broadcasts them to every object.
class InputManager : public Manager {
  public:
    /// The one input manager, built on first use.
    static InputManager& getInstance();
    ~InputManager() override;

    /// Needs a started display (a window or a terminal) and world; switches
    /// key repeat off.
    int startUp() override;
    /// Switches key repeat back on.
    void shutDown() override;

    /// Takes the frame's input once. With a window: a sample of which keys
    /// and buttons are down, taken only while the window has the keyboard
    /// focus (once a sample finds none down, the next waits for a press read
    /// from the window or a move of the focus), then the window's events.
    /// Before any of it goes out, the frame's held input is settled: a key or
    /// button down at the sample and not released since, or pressed this
    /// frame, is down. Then the events are broadcast in order, and Held for W,
    /// A, S, D and each button down at the sample. Without a window (before
    /// startUp, headless) the held input is what setHeld gave, and Held goes
    /// out for W, A, S, D and each button in it. While replaying, only Escape
    /// and close requests are read from the window (see setReplaying).
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

    /// Whether the key is down in this frame's held input; false for
    /// Undefined, and while the window does not have the keyboard focus.
    bool isKeyDown(Key key) const { return held.hasKey(key); }
    /// Whether the button is down in this frame's held input; false for
    /// Undefined, and on the same terms as isKeyDown.
    bool isButtonDown(MouseButton button) const { return held.hasButton(button); }
    /// The keys and buttons down this frame, as isKeyDown and isButtonDown
    /// answer; a recording keeps them.
    const HeldInput& getHeld() const { return held; }
    /// Sets the keys and buttons down until the next pollInput that reads a
    /// window. A replay restores the recorded ones through it; a headless test
    /// holds keys with it, and pollInput then sends Held events for them as
    /// it does for keys held on a window.
    void setHeld(const HeldInput& new_held) { held = new_held; }
    /// Where the pointer is, in window pixels: the position of the last
    /// Moved mouse event broadcast, (0, 0) before any.
    Vector getPointerPosition() const { return pointer; }

  private:
    InputManager();
    /// Reads the window's events into frame_events, following resizes at
    /// once; while replaying, reads only Escape and close requests.
    void readWindow();
    /// Samples the devices into sampled when a key or button may be down and
    /// the window has the focus; else leaves nothing down in it.
    void sampleHeld();
    /// Broadcasts Held for W, A, S, D and each button down in keys_and_buttons.
    void broadcastHeld(const HeldInput& keys_and_buttons);

    sf::RenderWindow* window = nullptr;
    /// Whether input comes from the terminal the display took over.
    bool terminal = false;
    std::function<void(const Event&)> tap;
    bool replaying = false;
    /// Whether a key or button may be held: the last sample found one, or a
    /// press or a move of the focus came since.
    bool held_possible = true;
    HeldInput held;
    HeldInput sampled;
    Vector pointer;
    /// The input events read from the window this frame, in order.
    std::vector<RecordedInput> frame_events;
};

/// The engine key for an SFML key code; Undefined for keys the engine lacks.
Key translateKey(sf::Keyboard::Key code);

}  // namespace vl
