#include "support/DisplayFixture.h"

#include <unistd.h>

void DisplayFixture::SetUp() {
    WorldFixture::SetUp();
    ASSERT_TRUE(enterRunFolder()) << "cannot enter " << VL_RUN_DIR;
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    const int started = display.startUp();
    ASSERT_NE(display.getWindow(), nullptr) << "no X display can be opened; run under xvfb-run";
    ASSERT_EQ(started, 0) << "the font vl-font.ttf did not load from " << VL_RUN_DIR;
    ASSERT_TRUE(display.isStarted());
    display.presentFrame();
}

void DisplayFixture::TearDown() {
    vl::DisplayManager::getInstance().presentFrame();
    WorldFixture::TearDown();
}

bool enterRunFolder() {
    return chdir(VL_RUN_DIR) == 0;
}
