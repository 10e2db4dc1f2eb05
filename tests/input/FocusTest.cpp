#include <gtest/gtest.h>
#include <unistd.h>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Window.hpp>

#include <chrono>
#include <functional>

#include "XInput.h"
#include "support/GameFixture.h"

namespace {

constexpr auto kDeadline = std::chrono::seconds(10);
// More frames than the player needs to take a step or fire a shot.
constexpr int kIdleFrames = 40;

// One frame as the game loop runs it, input included.
void pollFrame() {
    vl::InputManager::getInstance().pollInput();
    stepFrame();
}

bool pollFramesUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        pollFrame();
    }
    return done();
}

// Another application's window, as a chat window the player switches to.
class OtherWindow {
  public:
    OtherWindow() : window(sf::VideoMode(320, 240), "other") {}
    unsigned long handle() const { return window.getSystemHandle(); }
    // Waits until the key arrives here, so it is down on the X server.
    bool receivedPress(sf::Keyboard::Key key) {
        const auto deadline = std::chrono::steady_clock::now() + kDeadline;
        sf::Event event;
        while (std::chrono::steady_clock::now() < deadline) {
            while (window.pollEvent(event)) {
                if (event.type == sf::Event::KeyPressed && event.key.code == key) {
                    return true;
                }
            }
        }
        return false;
    }

  private:
    sf::Window window;
};

}  // namespace

class FocusTest : public GameFixture {
  protected:
    void SetUp() override {
        GameFixture::SetUp();
        ASSERT_TRUE(xinput::connect() && xinput::available()) << "needs an X server and xdotool";
        vl::DisplayManager& display = vl::DisplayManager::getInstance();
        ASSERT_EQ(display.startUp(), 0);
        ASSERT_EQ(vl::InputManager::getInstance().startUp(), 0);
        game_window = display.getWindow()->getSystemHandle();
        xinput::releaseAll();
        player = new Player;
        player->setPosition(vl::Vector(40, 12));
    }

    void TearDown() override {
        xinput::releaseAll();
        vl::InputManager::getInstance().shutDown();
        GameFixture::TearDown();
    }

    unsigned long game_window = 0;
    Player* player = nullptr;
};

TEST_F(FocusTest, KeysAndButtonsHeldInAnotherWindowDriveNothingUntilTheFocusReturns) {
    OtherWindow other;
    ASSERT_TRUE(xinput::focus(other.handle()));
    ASSERT_TRUE(xinput::run("keydown d"));
    ASSERT_TRUE(other.receivedPress(sf::Keyboard::D));
    ASSERT_TRUE(xinput::run("mousedown 1"));
    ASSERT_TRUE(pollFramesUntil([] { return sf::Mouse::isButtonPressed(sf::Mouse::Left); }));
    const float x = player->getPosition().x;
    for (int i = 0; i < kIdleFrames; ++i) {
        pollFrame();
    }
    EXPECT_EQ(player->getPosition().x, x);
    EXPECT_EQ(countOfType("Bullet"), 0);

    ASSERT_TRUE(xinput::focus(game_window));
    EXPECT_TRUE(pollFramesUntil([&] { return player->getPosition().x > x; }));
    EXPECT_TRUE(pollFramesUntil([] { return countOfType("Bullet") > 0; }));
}
