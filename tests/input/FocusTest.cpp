#include <gtest/gtest.h>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Window.hpp>

#include <chrono>
#include <functional>

#include "XInput.h"
#include "support/GameFixture.h"

namespace {

// Game frames, input included, until done(); false after a generous deadline.
bool framesUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        vl::InputManager::getInstance().pollInput();
        stepFrame();
    }
    return true;
}

}  // namespace

class FocusTest : public GameFixture {
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
};

// Another application's window, as a chat window the player switches to,
// takes the keys and buttons; the game moves again once it has the focus.
TEST_F(FocusTest, KeysAndButtonsHeldInAnotherWindowDriveNothingUntilTheFocusReturns) {
    auto* player = new Player;
    player->setPosition(vl::Vector(40, 12));
    sf::Window other(sf::VideoMode(320, 240), "other");
    ASSERT_TRUE(xinput::focus(other.getSystemHandle()));
    ASSERT_TRUE(xinput::run("keydown d") && xinput::run("mousedown 1"));
    sf::Event event;
    // Once the other window has the press, the key is down on the X server.
    ASSERT_TRUE(
        framesUntil([&] { return other.pollEvent(event) && event.type == sf::Event::KeyPressed; }));
    int frames = 0;
    ASSERT_TRUE(framesUntil([&] { return ++frames > 40; }));
    EXPECT_EQ(player->getPosition().x, 40);
    EXPECT_EQ(countOfType("Bullet"), 0);

    ASSERT_TRUE(xinput::focus(vl::DisplayManager::getInstance().getWindow()->getSystemHandle()));
    EXPECT_TRUE(framesUntil([&] { return player->getPosition().x > 40; }));
    EXPECT_TRUE(framesUntil([] { return countOfType("Bullet") > 0; }));
}
