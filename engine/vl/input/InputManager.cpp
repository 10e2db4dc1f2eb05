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

// Presses and releases are read from the window's queue, so a click that
// begins and ends between two samplings still reaches the game.
void broadcastButtonEvent(const sf::Event::MouseButtonEvent& button, MouseAction action) {
    const Vector pixels = DisplayManager::getInstance().windowToPicture(button.x, button.y);
    const EventMouse mouse(action, translateButton(button.button), pixels);
    InputManager::getInstance().broadcastInput(mouse);
}

// The keyboard and mouse are read only when read_devices is set; a resize is
// always followed.
void handleWindowEvent(const sf::Event& event, bool read_devices) {
    DisplayManager::getInstance().getPlatform()->noteWindowEvent(event);
    if (event.type == sf::Event::Resized) {
        DisplayManager::getInstance().fitToWindow();
        return;
    }
    if (!read_devices) {
        return;
    }
    InputManager& input = InputManager::getInstance();
    switch (event.type) {
        case sf::Event::KeyPressed: {
            const EventKeyboard keyboard(translateKey(event.key.code), KeyAction::Pressed);
            input.broadcastInput(keyboard);
            break;
        }
        case sf::Event::KeyReleased: {
            const EventKeyboard keyboard(translateKey(event.key.code), KeyAction::Released);
            input.broadcastInput(keyboard);
            break;
        }
        case sf::Event::MouseMoved: {
            const Vector pixels =
                DisplayManager::getInstance().windowToPicture(event.mouseMove.x, event.mouseMove.y);
            const EventMouse mouse(MouseAction::Moved, MouseButton::Undefined, pixels);
            input.broadcastInput(mouse);
            break;
        }
        case sf::Event::MouseButtonPressed:
            broadcastButtonEvent(event.mouseButton, MouseAction::Pressed);
            break;
        case sf::Event::MouseButtonReleased:
            broadcastButtonEvent(event.mouseButton, MouseAction::Released);
            break;
        default:
            break;
    }
}

// Whether any key or button was held.
bool broadcastHeld(const Platform& devices) {
    InputManager& input = InputManager::getInstance();
    bool any = false;
    for (const Key held : kHeldKeys) {
        if (devices.wasKeyDown(held)) {
            input.broadcastInput(EventKeyboard(held, KeyAction::Held));
            any = true;
        }
    }
    for (const HeldButton& held : kHeldButtons) {
        if (devices.wasButtonDown(held.button)) {
            input.broadcastInput(EventMouse(MouseAction::Held, held.button, Vector(0, 0)));
            any = true;
        }
    }
    return any;
}

bool isPress(const sf::Event& event) {
    return event.type == sf::Event::KeyPressed || event.type == sf::Event::MouseButtonPressed;
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
    if (!DisplayManager::getInstance().isStarted() || !WorldManager::getInstance().isStarted()) {
        return -1;
    }
    window = DisplayManager::getInstance().getWindow();
    if (window == nullptr) {
        return -1;
    }
    // One key-pressed event per press however long the key is held; holding
    // is reported by sampling instead.
    window->setKeyRepeatEnabled(false);
    held_possible = true;
    setStarted(true);
    return 0;
}

void InputManager::shutDown() {
    sf::RenderWindow* display_window = DisplayManager::getInstance().getWindow();
    if (display_window != nullptr) {
        display_window->setKeyRepeatEnabled(true);
    }
    window = nullptr;
    setStarted(false);
}

void InputManager::pollInput() {
    // Nothing is read, not even the held keys, unless the display's window
    // exists (see sampleDevices).
    if (!isStarted() || window == nullptr) {
        return;
    }
    GameManager& game = GameManager::getInstance();
    sf::Event event;
    while (window->pollEvent(event)) {
        handleWindowEvent(event, !replaying);
        held_possible = held_possible || isPress(event);
        // A replay in a window reads no input but Escape, which stops it.
        if (replaying && event.type == sf::Event::KeyPressed &&
            event.key.code == sf::Keyboard::Escape) {
            game.stopReplay();
        }
    }
    const bool close_requested = DisplayManager::getInstance().takeCloseRequest();
    if (close_requested && replaying) {
        game.stopReplay();
    } else if (close_requested && game.isFinishOnClose()) {
        game.setFinished(true);
    }
    if (DisplayManager::getInstance().isWindowLost()) {
        game.setFinished(true);
        return;
    }
    if (replaying) {
        return;
    }
    // While the window has the focus, a key or button goes down only with a
    // press that reaches the window; so once a sample finds none held, the
    // devices are left unasked (a still screen costs no request to the
    // server) until a press arrives or the focus moves.
    Platform* desktop = DisplayManager::getInstance().getPlatform();
    if (desktop != nullptr && desktop->takeFocusMove()) {
        held_possible = true;
    }
    if (!held_possible) {
        return;
    }
    const Platform* devices = sampleDevices();
    held_possible = devices != nullptr && broadcastHeld(*devices);
    if (desktop != nullptr && desktop->takeFocusMove()) {
        held_possible = true;
    }
}

void InputManager::broadcastInput(const Event& event) {
    if (tap) {
        tap(event);
    }
    broadcast(&event);
}

const Platform* InputManager::sampleDevices() const {
    Platform* devices = DisplayManager::getInstance().getPlatform();
    // The focus is asked again after the sample, whose answer comes after
    // any focus change before it.
    if (!isStarted() || window == nullptr || devices == nullptr || !devices->hasFocus() ||
        !devices->sampleDevices() || !devices->hasFocus()) {
        return nullptr;
    }
    return devices;
}

bool InputManager::isKeyDown(Key key) const {
    const Platform* devices = findKeyName(key) != nullptr ? sampleDevices() : nullptr;
    return devices != nullptr && devices->wasKeyDown(key);
}

bool InputManager::isButtonDown(MouseButton button) const {
    const Platform* devices = button != MouseButton::Undefined ? sampleDevices() : nullptr;
    return devices != nullptr && devices->wasButtonDown(button);
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
