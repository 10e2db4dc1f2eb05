#include "vl/input/InputManager.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include "vl/core/GameManager.h"
#include "vl/display/DisplayManager.h"
#include "vl/input/EventMouse.h"
#include "vl/world/WorldManager.h"

namespace vl {

namespace {

struct HeldKey {
    sf::Keyboard::Key code;
    Key key;
};

// The player walks on these; no other key is reported as held.
constexpr HeldKey kHeldKeys[] = {
    {sf::Keyboard::W, Key::W},
    {sf::Keyboard::A, Key::A},
    {sf::Keyboard::S, Key::S},
    {sf::Keyboard::D, Key::D},
};

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
bool broadcastHeld(const DesktopConnection& devices) {
    InputManager& input = InputManager::getInstance();
    bool any = false;
    for (const HeldKey& held : kHeldKeys) {
        if (devices.wasKeyDown(held.code)) {
            input.broadcastInput(EventKeyboard(held.key, KeyAction::Held));
            any = true;
        }
    }
    for (const HeldButton& held : kHeldButtons) {
        if (devices.wasButtonDown(held.code)) {
            input.broadcastInput(EventMouse(MouseAction::Held, held.button, Vector(0, 0)));
            any = true;
        }
    }
    return any;
}

bool isPress(const sf::Event& event) {
    return event.type == sf::Event::KeyPressed || event.type == sf::Event::MouseButtonPressed;
}

Key offsetKey(Key first, int offset) {
    return static_cast<Key>(static_cast<int32_t>(first) + offset);
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
    sf::Event event;
    while (window->pollEvent(event)) {
        handleWindowEvent(event, !replaying);
        held_possible = held_possible || isPress(event);
    }
    GameManager& game = GameManager::getInstance();
    if (DisplayManager::getInstance().takeCloseRequest() && game.isFinishOnClose()) {
        game.setFinished(true);
    }
    if (replaying) {
        return;
    }
    // While the window has the focus, a key or button goes down only with a
    // press that reaches the window; so once a sample finds none held, the
    // devices are left unasked (a still screen costs no request to the
    // server) until a press arrives or the focus moves.
    DesktopConnection* desktop = DisplayManager::getInstance().getDesktop();
    if (desktop != nullptr && desktop->takeFocusMove()) {
        held_possible = true;
    }
    if (!held_possible) {
        return;
    }
    const DesktopConnection* devices = sampleDevices();
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

const DesktopConnection* InputManager::sampleDevices() const {
    DesktopConnection* devices = DisplayManager::getInstance().getDesktop();
    // The focus is asked again after the sample, whose answer comes after
    // any focus change before it.
    if (!isStarted() || window == nullptr || devices == nullptr || !devices->hasFocus() ||
        !devices->sampleDevices() || !devices->hasFocus()) {
        return nullptr;
    }
    return devices;
}

bool InputManager::isKeyDown(Key key) const {
    if (key == Key::Undefined) {
        return false;
    }
    const DesktopConnection* devices = sampleDevices();
    for (int code = 0; code < sf::Keyboard::KeyCount; ++code) {
        const auto sf_key = static_cast<sf::Keyboard::Key>(code);
        if (translateKey(sf_key) == key) {
            return devices != nullptr && devices->wasKeyDown(sf_key);
        }
    }
    return false;
}

bool InputManager::isButtonDown(MouseButton button) const {
    const DesktopConnection* devices = sampleDevices();
    for (const HeldButton& known : kHeldButtons) {
        if (known.button == button) {
            return devices != nullptr && devices->wasButtonDown(known.code);
        }
    }
    return false;
}

Key translateKey(sf::Keyboard::Key code) {
    const int value = static_cast<int>(code);
    if (value >= sf::Keyboard::A && value <= sf::Keyboard::Z) {
        return offsetKey(Key::A, value - sf::Keyboard::A);
    }
    if (value >= sf::Keyboard::Num1 && value <= sf::Keyboard::Num9) {
        return offsetKey(Key::Num1, value - sf::Keyboard::Num1);
    }
    if (value >= sf::Keyboard::F1 && value <= sf::Keyboard::F12) {
        return offsetKey(Key::F1, value - sf::Keyboard::F1);
    }
    switch (value) {
        case sf::Keyboard::Num0:
            return Key::Num0;
        case sf::Keyboard::Space:
            return Key::Space;
        case sf::Keyboard::Enter:
            return Key::Enter;
        case sf::Keyboard::Escape:
            return Key::Escape;
        case sf::Keyboard::Tab:
            return Key::Tab;
        case sf::Keyboard::Left:
            return Key::ArrowLeft;
        case sf::Keyboard::Right:
            return Key::ArrowRight;
        case sf::Keyboard::Up:
            return Key::ArrowUp;
        case sf::Keyboard::Down:
            return Key::ArrowDown;
        case sf::Keyboard::Pause:
            return Key::Pause;
        case sf::Keyboard::Hyphen:
            return Key::Hyphen;
        case sf::Keyboard::Equal:
            return Key::Equal;
        case sf::Keyboard::Tilde:
            return Key::Tilde;
        case sf::Keyboard::Period:
            return Key::Period;
        case sf::Keyboard::Comma:
            return Key::Comma;
        case sf::Keyboard::Slash:
            return Key::Slash;
        case sf::Keyboard::Backslash:
            return Key::Backslash;
        case sf::Keyboard::Multiply:
            return Key::Multiply;
        case sf::Keyboard::Quote:
            return Key::Quote;
        case sf::Keyboard::Semicolon:
            return Key::Semicolon;
        case sf::Keyboard::LControl:
            return Key::LControl;
        case sf::Keyboard::RControl:
            return Key::RControl;
        case sf::Keyboard::LShift:
            return Key::LShift;
        case sf::Keyboard::RShift:
            return Key::RShift;
        case sf::Keyboard::Backspace:
            return Key::Backspace;
        default:
            return Key::Undefined;
    }
}

}  // namespace vl
