#include "FullscreenKey.h"

FullscreenKey::FullscreenKey() {
    setType("FullscreenKey");
    setSolidness(vl::Solidness::Intangible);
}

int FullscreenKey::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kKeyboardEvent) {
        return 0;
    }
    const auto* keyboard = static_cast<const vl::EventKeyboard*>(event);
    if (keyboard->getKey() != vl::Key::F11 || keyboard->getAction() != vl::KeyAction::Pressed) {
        return 0;
    }
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    display.setFullscreen(!display.isFullscreen());
    return 1;
}
