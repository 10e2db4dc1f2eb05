#include <gtest/gtest.h>

#include <algorithm>

#include "support/Probe.h"
#include "support/WorldFixture.h"

TEST(FramePacing, SleepsWhatIsLeftOfTheFrame) {
    EXPECT_EQ(vl::sleepMillisecondsAfter(10'000, 33), 23);
    EXPECT_EQ(vl::sleepMillisecondsAfter(33'900, 33), 0);
    EXPECT_EQ(vl::sleepMillisecondsAfter(40'000, 33), 0);
    EXPECT_EQ(vl::sleepMillisecondsAfter(0, 33), 33);
    EXPECT_EQ(vl::sleepMillisecondsAfter(-1, 33), 33);
    EXPECT_EQ(vl::sleepMillisecondsAfter(-694'967'296, 33), 33);
}

TEST(Manager, StartAndShutDownAreIdempotent) {
    struct Plain : vl::Manager {};
    Plain manager;
    EXPECT_FALSE(manager.isStarted());
    EXPECT_EQ(manager.startUp(), 0);
    EXPECT_EQ(manager.startUp(), 0);
    EXPECT_TRUE(manager.isStarted());
    manager.shutDown();
    manager.shutDown();
    EXPECT_FALSE(manager.isStarted());
}

class GameLoopTest : public WorldFixture {
  protected:
    std::vector<std::string> log;
    long countOf(const std::string& entry) const {
        return std::count(log.begin(), log.end(), entry);
    }
};

TEST_F(GameLoopTest, FinishingDuringAFrameCompletesThatFrame) {
    Probe* p = new Probe("p", &log);
    p->setPosition(vl::Vector(5, 5));
    p->setVelocity(vl::Vector(1, 0));
    p->on_event = [](Probe&, const vl::Event& event) {
        if (event.getType() == vl::kStepEvent) {
            vl::GameManager::getInstance().setFinished(true);
        }
    };
    vl::GameManager& game = vl::GameManager::getInstance();
    game.setFinished(true);
    game.run();
    EXPECT_TRUE(log.empty()) << "a finished game runs no frame";
    game.setFinished(false);
    game.run();
    EXPECT_EQ(countOf("p:vl::step"), 1);
    EXPECT_EQ(countOf("p:draw"), 1);
    EXPECT_EQ(p->getPosition(), vl::Vector(6, 5));
}
