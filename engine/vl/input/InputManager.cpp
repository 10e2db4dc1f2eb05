#include "vl/input/InputManager.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

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

void broadcastWindowEvent(const sf::Event& event) {
    switch (event.type) {
        case sf::Event::KeyPressed: {
            const EventKeyboard keyboard(translateKey(event.key.code), KeyAction::Pressed);
            Manager::broadcast(&keyboard);
            break;
        }
        case sf::Event::KeyReleased: {
            const EventKeyboard keyboard(translateKey(event.key.code), KeyAction::Released);
            Manager::broadcast(&keyboard);
            break;
        }
        case sf::Event::MouseMoved: {
            const Vector pixels =
                DisplayManager::getInstance().windowToPicture(event.mouseMove.x, event.mouseMove.y);
            const EventMouse mouse(MouseAction::Moved, MouseButton::Undefined, pixels);
            Manager::broadcast(&mouse);
            break;
        }
        case sf::Event::Resized:
            DisplayManager::getInstance().fitToWindow();
            break;
        default:
            // Closing is the game's business (Escape), so a close request is
            // dropped like every other window event.
            break;
    }
}

void broadcastHeldKeys() {
    for (const HeldKey& held : kHeldKeys) {
        if (sf::Keyboard::isKeyPressed(held.code)) {
            const EventKeyboard keyboard(held.key, KeyAction::Held);
            Manager::broadcast(&keyboard);
        }
    }
}

void broadcastHeldButtons() {
    for (const HeldButton& held : kHeldButtons) {
        if (sf::Mouse::isButtonPressed(held.code)) {
            const EventMouse mouse(MouseAction::Held, held.button, Vector(0, 0));
            Manager::broadcast(&mouse);
        }
    }
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
    // SFML's key and button queries open an X display of their own and abort
    // the process where none can be opened, so nothing is read, not even the
    // held keys, unless the display's window exists.
    if (!isStarted() || window == nullptr) {
        return;
    }
    sf::Event event;
    while (window->pollEvent(event)) {
        broadcastWindowEvent(event);
    }
    // SFML samples the keyboard and mouse of the whole X server, whatever
    // window has the focus: keys typed into another application would walk the
    // player. Asked each frame rather than followed through focus events, so
    // the answer holds from the frame the focus changes.
    if (!window->hasFocus()) {
        return;
    }
    broadcastHeldKeys();
    broadcastHeldButtons();
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
