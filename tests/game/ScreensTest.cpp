#include <gtest/gtest.h>

#include "support/GameFixture.h"

using vl::Key;
using vl::KeyAction;

class ScreensTest : public GameFixture {
  protected:
    void TearDown() override {
        vl::GameManager::getInstance().setFinished(false);
        GameFixture::TearDown();
    }
};

TEST_F(ScreensTest, TitleStartsOnAPressOfP) {
    auto* title = new GameStart;
    const vl::EventKeyboard other(Key::Q, KeyAction::Pressed);
    EXPECT_EQ(title->handleEvent(&other), 1);
    for (KeyAction action : {KeyAction::Held, KeyAction::Released}) {
        sendKey(Key::P, action);
        sendKey(Key::Escape, action);
    }
    stepFrame();
    EXPECT_EQ(countOfType("GameStart"), 1);
    EXPECT_FALSE(vl::GameManager::getInstance().isFinished());

    sendKey(Key::P, KeyAction::Pressed);
    stepFrame();
    EXPECT_EQ(countOfType("GameStart"), 0);
    const vl::ObjectList objects = vl::WorldManager::getInstance().allObjects();
    ASSERT_GE(objects.count(), 3);
    EXPECT_EQ(objects[0]->getType(), "Timer");
    EXPECT_EQ(objects[1]->getType(), "Score");
    EXPECT_EQ(objects[2]->getType(), "Level");
}

TEST_F(ScreensTest, EscapeQuitsFromEveryScreen) {
    for (int screen = 0; screen < 3; ++screen) {
        vl::GameManager::getInstance().setFinished(false);
        vl::Object* object = screen == 0   ? static_cast<vl::Object*>(new GameStart)
                             : screen == 1 ? static_cast<vl::Object*>(new GameOver)
                                           : static_cast<vl::Object*>(new GameWin);
        sendKey(Key::Escape, KeyAction::Pressed);
        EXPECT_TRUE(vl::GameManager::getInstance().isFinished()) << object->getType();
        vl::WorldManager::getInstance().queueForDeletion(object);
        stepFrame();
    }
}

TEST_F(ScreensTest, DeathFreezesAndZeroesEveryScoreAndPReturnsToTitle) {
    // The displays of an earlier, won game stay frozen on screen.
    auto* old_score = new Score;
    const vl::EventView points("Zombie", 15000);
    vl::Manager::broadcast(&points);
    new GameWin;
    EXPECT_EQ(old_score->getValue(), 15000);
    tapKey(Key::P);
    tapKey(Key::P);  // the title screen needs a press of its own
    auto* timer = lastOfType<Timer>("Timer");
    auto* score = lastOfType<Score>("Score");
    ASSERT_NE(score, old_score);
    vl::Manager::broadcast(&points);
    EXPECT_EQ(score->getValue(), 15000);
    EXPECT_EQ(old_score->getValue(), 15000);

    sendKey(Key::Escape, KeyAction::Pressed);
    stepFrame();
    EXPECT_EQ(countOfType("GameOver"), 1);
    EXPECT_EQ(score->getValue(), 0);
    EXPECT_EQ(old_score->getValue(), 0);
    EXPECT_FALSE(timer->isActive());
    for (const char* gone : {"Player", "Reticle", "Zombie", "Level", "Bullet"}) {
        EXPECT_EQ(countOfType(gone), 0) << gone;
    }
    vl::Manager::broadcast(&points);  // a frozen score counts nothing
    EXPECT_EQ(score->getValue(), 0);

    sendKey(Key::P, KeyAction::Pressed);
    stepFrame();
    EXPECT_EQ(countOfType("GameOver"), 0);
    EXPECT_EQ(countOfType("GameStart"), 1);
    EXPECT_EQ(countOfType("Level"), 0);
}
