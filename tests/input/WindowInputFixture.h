#pragma once

#include <chrono>
#include <functional>

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
    // Whole game frames, input included, until done; false after a generous
    // deadline.
    static bool framesUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            vl::GameManager::getInstance().runFrame();
        }
        return true;
    }
    static unsigned long gameWindow() {
        return vl::DisplayManager::getInstance().getWindow()->getSystemHandle();
    }
};
