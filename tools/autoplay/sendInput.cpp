#include "sendInput.h"

void sendKey(vl::Key key, vl::KeyAction action) {
    const vl::EventKeyboard keyboard(key, action);
    vl::InputManager::getInstance().broadcastInput(keyboard);
}

void sendPointer(vl::Vector pixels) {
    const vl::EventMouse mouse(vl::MouseAction::Moved, vl::MouseButton::Undefined, pixels);
    vl::InputManager::getInstance().broadcastInput(mouse);
}

void sendButton(vl::MouseButton button, vl::MouseAction action) {
    const vl::EventMouse mouse(action, button, vl::Vector(0, 0));
    vl::InputManager::getInstance().broadcastInput(mouse);
}
