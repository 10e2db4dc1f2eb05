#include "KeyScreen.h"

int KeyScreen::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kKeyboardEvent) {
        return 0;
    }
    const auto& keyboard = *static_cast<const vl::EventKeyboard*>(event);
    if (leaving || keyboard.getAction() != vl::KeyAction::Pressed) {
        return 1;
    }
    if (keyboard.getKey() == vl::Key::Escape) {
        leaving = true;
        vl::GameManager::getInstance().setFinished(true);
    } else if (keyboard.getKey() == vl::Key::P) {
        leaving = true;
        moveOn();
    }
    return 1;
}
