#pragma once

#include "XInput.h"
#include "support/GameFixture.h"

// The game's world with its window and input started, on an X server that
// xdotool drives; no key or button is held at the start or left held.
class WindowInputFixture : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        ASSERT_TRUE(xinput::connect() && xinput::available()) << "needs an X server and xdotool";
        ASSERT_EQ(vl::DisplayManager::getInstance().startUp(), 0);
        ASSERT_EQ(vl::InputManager::getInstance().startUp(), 0);
        xinput::releaseAll();
    }
    void TearDown() override {
        xinput::releaseAll();
        vl::InputManager::getInstance().shutDown();
        GameFixture::TearDown();
    }
    static unsigned long gameWindow() {
        return vl::DisplayManager::getInstance().getWindow()->getSystemHandle();
    }
};
