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

void tapKey(vl::Key key) {
    sendKey(key, vl::KeyAction::Pressed);
    stepFrame();
    sendKey(key, vl::KeyAction::Released);
    stepFrame();
}

int countOfType(const std::string& type) {
    return vl::WorldManager::getInstance().collectByType(type).count();
}
