#include <gtest/gtest.h>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Window.hpp>

#include <algorithm>
#include <chrono>
#include <functional>

#include "WindowInputFixture.h"
#include "support/Probe.h"

class FocusTest : public WindowInputFixture {
  protected:
    // What a probe in the world received; it outlives the world's objects.
    std::vector<std::string> records;
};

// Another application's window, as a chat window the player switches to,
// takes the keys and buttons; the game moves again, and sees them down, once
// it has the focus.
TEST_F(FocusTest, KeysAndButtonsHeldInAnotherWindowDriveNothingUntilTheFocusReturns) {
    auto* player = new Player;
    player->setPosition(vl::Vector(40, 12));
    sf::Window other(sf::VideoMode(320, 240), "other");
    ASSERT_TRUE(xinput::focus(other.getSystemHandle()));
    ASSERT_TRUE(xinput::run("keydown d Left") && xinput::run("mousedown 1"));
    const vl::InputManager& input = vl::InputManager::getInstance();
    sf::Event event;
    // Once the other window has the press, the key is down on the X server.
    ASSERT_TRUE(
        framesUntil([&] { return other.pollEvent(event) && event.type == sf::Event::KeyPressed; }));
    int frames = 0;
    ASSERT_TRUE(framesUntil([&] { return ++frames > 40; }));
    EXPECT_EQ(player->getPosition().x, 40);
    EXPECT_EQ(countOfType("Bullet"), 0);
    EXPECT_FALSE(input.isKeyDown(vl::Key::ArrowLeft) || input.isKeyDown(vl::Key::D) ||
                 input.isButtonDown(vl::MouseButton::Left));

    ASSERT_TRUE(xinput::focus(gameWindow()));
    EXPECT_TRUE(framesUntil([&] { return player->getPosition().x > 40; }));
    EXPECT_TRUE(framesUntil([] { return countOfType("Bullet") > 0; }));
    // Any key can be asked, not only the ones that report Held.
    EXPECT_TRUE(input.isKeyDown(vl::Key::ArrowLeft) && input.isKeyDown(vl::Key::D) &&
                input.isButtonDown(vl::MouseButton::Left));
    EXPECT_FALSE(input.isKeyDown(vl::Key::Space) || input.isKeyDown(vl::Key::Undefined) ||
                 input.isButtonDown(vl::MouseButton::Right));
}

// A click shorter than a frame, which no frame's sampling sees, fires a shot.
TEST_F(FocusTest, AQuickClickFiresOneShot) {
    new Player;
    stepFrames(18);  // the fire countdown runs down
    new Probe("", &records);
    ASSERT_TRUE(xinput::focus(gameWindow()));
    ASSERT_TRUE(xinput::run("click 1"));
    ASSERT_TRUE(framesUntil([&] {
        return std::count(records.begin(), records.end(), "mouse Released Left 512,384") > 0;
    }));
    EXPECT_EQ(countOfType("Bullet"), 1);
}
