#include "vl/input/InputManager.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include "vl/core/GameManager.h"
#include "vl/display/DisplayManager.h"
#include "vl/input/EventMouse.h"
#include "vl/input/KeyName.h"
#include "vl/world/WorldManager.h"

namespace vl {

namespace {

// The player walks on these; no other key is reported as held.
constexpr Key kHeldKeys[] = {Key::W, Key::A, Key::S, Key::D};

struct HeldButton {
    sf::Mouse::Button code;
    MouseButton button;
};

constexpr HeldButton kHeldButtons[] = {
    {sf::Mouse::Left, MouseButton::Left},
    {sf::Mouse::Right, MouseButton::Right},
    {sf::Mouse::Middle, MouseButton::Middle},
};

MouseButton translateButton(sf::Mouse::Button code) {
    for (const HeldButton& known : kHeldButtons) {
        if (known.code == code) {
            return known.button;
        }
    }
    return MouseButton::Undefined;
}

RecordedInput keyboardInput(Key key, KeyAction action) {
    RecordedInput input;
    input.keyboard = EventKeyboard(key, action);
    return input;
}

// Positions are turned into the picture's pixels as they are read, for the
// window may be resized by a later event of the same frame.
RecordedInput mouseInput(MouseAction action, MouseButton button, int x, int y) {
    RecordedInput input;
    input.is_mouse = true;
    input.mouse = EventMouse(action, button, DisplayManager::getInstance().windowToPicture(x, y));
    return input;
}

// The keyboard or mouse input a window event gives, if any; presses and
// releases are read from the window's queue, so a click that begins and ends
// between two samples still reaches the game.
bool readInput(const sf::Event& event, RecordedInput& input) {
    switch (event.type) {
        case sf::Event::KeyPressed:
            input = keyboardInput(translateKey(event.key.code), KeyAction::Pressed);
            return true;
        case sf::Event::KeyReleased:
            input = keyboardInput(translateKey(event.key.code), KeyAction::Released);
            return true;
        case sf::Event::MouseMoved:
            input = mouseInput(MouseAction::Moved, MouseButton::Undefined, event.mouseMove.x,
                               event.mouseMove.y);
            return true;
        case sf::Event::MouseButtonPressed:
        case sf::Event::MouseButtonReleased:
            input = mouseInput(event.type == sf::Event::MouseButtonPressed ? MouseAction::Pressed
                                                                           : MouseAction::Released,
                               translateButton(event.mouseButton.button), event.mouseButton.x,
                               event.mouseButton.y);
            return true;
        default:
            return false;
    }
}

// The frame's held input: down at the sample and not released since, or
// pressed this frame, whatever came after the press.
HeldInput settleHeld(const HeldInput& sampled, const std::vector<RecordedInput>& events) {
    HeldInput released;
    HeldInput pressed;
    for (const RecordedInput& input : events) {
        if (input.is_mouse && input.mouse.getAction() == MouseAction::Pressed) {
            pressed.setButton(input.mouse.getButton());
        } else if (input.is_mouse && input.mouse.getAction() == MouseAction::Released) {
            released.setButton(input.mouse.getButton());
        } else if (!input.is_mouse && input.keyboard.getAction() == KeyAction::Pressed) {
            pressed.setKey(input.keyboard.getKey());
        } else if (!input.is_mouse && input.keyboard.getAction() == KeyAction::Released) {
            released.setKey(input.keyboard.getKey());
        }
    }
    HeldInput held;
    held.keys = (sampled.keys & ~released.keys) | pressed.keys;
    held.buttons = (sampled.buttons & ~released.buttons) | pressed.buttons;
    return held;
}

}  // namespace

InputManager::InputManager() {
    setType("InputManager");
}

InputManager::~InputManager() = default;

InputManager& InputManager::getInstance() {
    static InputManager instance;
    return instance;
}

int InputManager::startUp() {
    const DisplayManager& display = DisplayManager::getInstance();
    if (!display.isStarted() || !WorldManager::getInstance().isStarted()) {
        return -1;
    }
    window = display.getWindow();
    terminal = display.getPlatform() != nullptr && display.getPlatform()->showsCells();
    if (window == nullptr && !terminal) {
        return -1;
    }
    // One key-pressed event per press however long the key is held; holding
    // is reported by sampling instead.
    if (window != nullptr) {
        window->setKeyRepeatEnabled(false);
    }
    held_possible = true;
    held = HeldInput();
    setStarted(true);
    return 0;
}

void InputManager::shutDown() {
    sf::RenderWindow* display_window = DisplayManager::getInstance().getWindow();
    if (display_window != nullptr) {
        display_window->setKeyRepeatEnabled(true);
    }
    window = nullptr;
    terminal = false;
    held = HeldInput();
    setStarted(false);
}

void InputManager::pollInput() {
    frame_events.clear();
    if (isStarted() && (window != nullptr || terminal)) {
        // The sample comes first: a key it finds down has its press event
        // queued already, so the frame never sees a key down before its press.
        if (!replaying) {
            sampleHeld();
        }
        readWindow();
        if (replaying) {
            return;
        }
        held = settleHeld(sampled, frame_events);
    } else if (!replaying) {
        sampled = held;
    } else {
        return;
    }
    for (const RecordedInput& input : frame_events) {
        if (input.is_mouse) {
            broadcastInput(input.mouse);
        } else {
            broadcastInput(input.keyboard);
        }
    }
    broadcastHeld(sampled);
}

void InputManager::readWindow() {
    GameManager& game = GameManager::getInstance();
    DisplayManager& display = DisplayManager::getInstance();
    sf::Event event;
    while (window != nullptr
               ? window->pollEvent(event)
               : display.getPlatform() != nullptr && display.getPlatform()->pollEvent(event)) {
        display.getPlatform()->noteWindowEvent(event);
        if (event.type == sf::Event::Resized) {
            display.fitToWindow();
        }
        held_possible = held_possible || event.type == sf::Event::KeyPressed ||
                        event.type == sf::Event::MouseButtonPressed;
        RecordedInput input;
        if (!readInput(event, input)) {
            continue;
        }
        // A replay reads no input from its window but Escape, which stops it.
        if (!replaying) {
            frame_events.push_back(input);
        } else if (!input.is_mouse && input.keyboard.getKey() == Key::Escape &&
                   input.keyboard.getAction() == KeyAction::Pressed) {
            game.stopReplay();
        }
    }
    // In a terminal the request is Ctrl+C, which always ends the game: a
    // player is never trapped there.
    const bool close_requested = display.takeCloseRequest();
    if (close_requested && replaying) {
        game.stopReplay();
    } else if (close_requested && (game.isFinishOnClose() || terminal)) {
        game.setFinished(true);
    }
    if (display.isWindowLost()) {
        game.setFinished(true);
    }
}

void InputManager::sampleHeld() {
    sampled = HeldInput();
    // While the window has the focus, a key or button goes down only with a
    // press that reaches the window; so once a sample finds none down, the
    // devices are left unasked (a still screen costs no request to the
    // server) until a press arrives or the focus moves.
    Platform* devices = DisplayManager::getInstance().getPlatform();
    if (devices == nullptr || DisplayManager::getInstance().isWindowLost()) {
        return;
    }
    if (devices->takeFocusMove()) {
        held_possible = true;
    }
    if (!held_possible) {
        return;
    }
    // The keyboard and mouse belong to the whole desktop: keys typed into
    // another program must not walk the player. The focus is asked again
    // after the sample, whose answer comes after any focus change before it.
    if (devices->hasFocus() && devices->sampleDevices() && devices->hasFocus()) {
        for (const KeyName& name : kKeyNames) {
            sampled.setKey(name.key, devices->wasKeyDown(name.key));
        }
        for (const HeldButton& button : kHeldButtons) {
            sampled.setButton(button.button, devices->wasButtonDown(button.button));
        }
    }
    held_possible = !sampled.none() || devices->takeFocusMove();
}

void InputManager::broadcastHeld(const HeldInput& keys_and_buttons) {
    for (const Key key : kHeldKeys) {
        if (keys_and_buttons.hasKey(key)) {
            broadcastInput(EventKeyboard(key, KeyAction::Held));
        }
    }
    for (const HeldButton& button : kHeldButtons) {
        if (keys_and_buttons.hasButton(button.button)) {
            broadcastInput(EventMouse(MouseAction::Held, button.button, Vector(0, 0)));
        }
    }
}

void InputManager::broadcastInput(const Event& event) {
    const auto* mouse = dynamic_cast<const EventMouse*>(&event);
    if (mouse != nullptr && mouse->getAction() == MouseAction::Moved) {
        pointer = mouse->getPixelPosition();
    }
    if (tap) {
        tap(event);
    }
    broadcast(&event);
}

Key translateKey(sf::Keyboard::Key code) {
    for (const KeyName& name : kKeyNames) {
        if (name.sf_key == code) {
            return name.key;
        }
    }
    return Key::Undefined;
}

}  // namespace vl
