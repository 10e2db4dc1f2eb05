#include "support/GameFixture.h"

#include <unistd.h>

void GameFixture::SetUpTestSuite() {
    static bool loaded = false;
    if (!loaded) {
        ASSERT_EQ(chdir(VL_RUN_DIR), 0) << "no run folder at " << VL_RUN_DIR;
        loadResources();
        loaded = true;
    }
}

void sendKey(vl::Key key, vl::KeyAction action) {
    const vl::EventKeyboard keyboard(key, action);
    vl::Manager::broadcast(&keyboard);
}

void sendPointer(vl::Vector pixels) {
    const vl::EventMouse mouse(vl::MouseAction::Moved, vl::MouseButton::Undefined, pixels);
    vl::Manager::broadcast(&mouse);
}

void sendButtonHeld(vl::MouseButton button) {
    const vl::EventMouse mouse(vl::MouseAction::Held, button, vl::Vector(0, 0));
    vl::Manager::broadcast(&mouse);
}

void tapKey(vl::Key key) {
    sendKey(key, vl::KeyAction::Pressed);
    stepFrame();
    sendKey(key, vl::KeyAction::Released);
    stepFrame();
}

int countOfType(const std::string& type) {
    return vl::WorldManager::getInstance().collectByType(type).count();
}
