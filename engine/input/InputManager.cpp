#include "input/InputManager.h"

namespace vl {

InputManager::InputManager() {
    setType("InputManager");
}

InputManager::~InputManager() = default;

InputManager& InputManager::getInstance() {
    static InputManager instance;
    return instance;
}

int InputManager::startUp() {
    return -1;
}

void InputManager::shutDown() {
    setStarted(false);
}

void InputManager::pollInput() {}

Key translateKey(sf::Keyboard::Key) {
    return Key::Undefined;
}

}  // namespace vl
