#include "sendInput.h"

void sendKey(vl::Key key, vl::KeyAction action) {
    const vl::EventKeyboard keyboard(key, action);
    vl::Manager::broadcast(&keyboard);
}

void sendPointer(vl::Vector pixels) {
    const vl::EventMouse mouse(vl::MouseAction::Moved, vl::MouseButton::Undefined, pixels);
    vl::Manager::broadcast(&mouse);
}

void sendButton(vl::MouseButton button, vl::MouseAction action) {
    const vl::EventMouse mouse(action, button, vl::Vector(0, 0));
    vl::Manager::broadcast(&mouse);
}
