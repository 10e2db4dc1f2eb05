#include <gtest/gtest.h>

#include <algorithm>

#include "support/GameFixture.h"

using vl::Key;
using vl::KeyAction;
using vl::Vector;

class PlayerTest : public GameFixture {
  protected:
    // A player with nothing else around; the world removes it (and the
    // game-over screen its death makes) at the end of the test.
    Player* player = nullptr;

    void SetUp() override {
        GameFixture::SetUp();
        player = new Player;
    }

    // Frames in which the key is held; returns the player's x after each.
    std::vector<float> holdFor(Key key, int frames) {
        std::vector<float> xs;
        for (int i = 0; i < frames; ++i) {
            sendKey(key, KeyAction::Held);
            stepFrame();
            xs.push_back(player->getPosition().x);
        }
        return xs;
    }
};

TEST_F(PlayerTest, WalksEverySecondFrameAndHalfACellVertically) {
    stepFrames(2);  // the move countdown runs down from 2
    const std::vector<float> xs = holdFor(Key::D, 5);
    EXPECT_EQ(xs, (std::vector<float>{6, 6, 7, 7, 8}));
    stepFrame();
    sendKey(Key::W, KeyAction::Held);
    stepFrame();
    EXPECT_EQ(player->getPosition(), Vector(8, 11.5f));
    // Pressed and Released do not walk.
    stepFrames(2);
    sendKey(Key::D, KeyAction::Pressed);
    sendKey(Key::D, KeyAction::Released);
    stepFrame();
    EXPECT_EQ(player->getPosition(), Vector(8, 11.5f));
}

TEST_F(PlayerTest, StaysInsideTheField) {
    player->setPosition(Vector(2, 20.5f));
    stepFrames(2);
    holdFor(Key::A, 4);
    EXPECT_EQ(player->getPosition().x, 2);
    stepFrames(2);
    sendKey(Key::S, KeyAction::Held);
    stepFrame();
    EXPECT_EQ(player->getPosition().y, 20.5f);
    player->setPosition(Vector(81.5f, 1.5f));
    stepFrame();
    holdFor(Key::D, 1);
    EXPECT_EQ(player->getPosition().x, 81.5f);
    stepFrame();
    sendKey(Key::W, KeyAction::Held);
    stepFrame();
    EXPECT_EQ(player->getPosition().y, 1.5f);
}

// Held, a button fires when the countdown has run down and then every 18
// frames, whether or not its press came too; a click fires when allowed.
TEST_F(PlayerTest, FiresEveryEighteenFramesTowardTheReticle) {
    sendPointer(Vector(20 * 12 + 6, 5 * 32 + 8));  // the reticle to (20.5, 5.25)
    struct Case {
        const char* name;
        std::vector<int> press_frames;
        bool held;
        std::vector<int> shots;
    };
    const Case cases[] = {
        {"held", {}, true, {19, 37, 55}},
        {"pressed and held", {1, 19}, true, {1, 19, 37, 55}},
        {"clicks", {1, 10, 19, 20, 40}, false, {1, 19, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> shots;
        for (int frame = 1; frame <= 60; ++frame) {
            const int before = countOfType("Bullet");
            if (std::count(c.press_frames.begin(), c.press_frames.end(), frame) > 0) {
                sendButton(vl::MouseButton::Left, vl::MouseAction::Pressed);
                sendButton(vl::MouseButton::Left, vl::MouseAction::Released);
            }
            if (c.held) {
                sendButton(vl::MouseButton::Left, vl::MouseAction::Held);
                sendButton(vl::MouseButton::Right, vl::MouseAction::Held);  // no faster
            }
            if (countOfType("Bullet") > before) {
                shots.push_back(frame);
            }
            stepFrame();
        }
        EXPECT_EQ(shots, c.shots);
        stepFrames(18);  // the next case starts with the countdown run down
    }
    sendButton(vl::MouseButton::Left, vl::MouseAction::Pressed);
    auto* bullet = lastOfType<Bullet>("Bullet");
    ASSERT_NE(bullet, nullptr);
    EXPECT_EQ(bullet->getOwner(), "Player");
    // Aimed at two cells right of and one below the reticle: along (17.5, -5.75).
    Vector expected(17.5f, -5.75f);
    expected.normalize();
    EXPECT_FLOAT_EQ(bullet->getDirection().x, expected.x);
    EXPECT_FLOAT_EQ(bullet->getDirection().y, expected.y);
    EXPECT_FLOAT_EQ(bullet->getSpeed(), 2);
}

TEST_F(PlayerTest, OwnBulletsAreHarmlessTurretBulletsKill) {
    auto* mine = new Bullet(Vector(3, 13), "bullet", "Player");
    mine->setPosition(player->getPosition());
    stepFrames(4);
    EXPECT_EQ(countOfType("Player"), 1);
    auto* theirs = new Bullet(Vector(0, 0), "enemybullet", "Turret");
    theirs->setPosition(player->getPosition());
    stepFrames(4);  // found by the player's in-place test
    EXPECT_EQ(countOfType("Player"), 0);
    EXPECT_EQ(countOfType("GameOver"), 1);
}
