#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

// With no X server at all: a start-up that fails for want of a window still
// sizes the world and view to 82 x 24, and a headless one runs whole frames
// (input, step, movement, drawing into the cell record) in the same world.
// Returns the exit status of the process it runs in: 0 when all that held.
int runFramesWithoutDisplay() {
    unsetenv("DISPLAY");
    vl::GameManager& game = vl::GameManager::getInstance();
    vl::WorldManager& world = vl::WorldManager::getInstance();
    const auto isScreen = [](vl::Box box) {
        return box.corner == vl::Vector(0, 0) && box.horizontal == 82 && box.vertical == 24;
    };
    const bool failed_but_sized =
        game.startUp() == -1 && isScreen(world.getWorldBounds()) && isScreen(world.getView());
    world.setWorldBounds(vl::Box());
    const bool started = game.startUpHeadless() == 0 && isScreen(world.getWorldBounds()) &&
                         isScreen(world.getView());
    std::vector<std::string> log;
    Probe* p = new Probe("p", &log);
    p->setVelocity(vl::Vector(1, 0));
    auto* score = new vl::ViewObject;
    score->setViewString("Score");
    vl::DisplayManager::getInstance().setRecording(true);
    game.runFrame();
    game.runFrame();
    world.drawAll();
    const std::vector<std::string> expected = {"p:vl::step", "p:draw", "p:vl::step", "p:draw",
                                               "p:draw"};
    const bool ran = log == expected && p->getPosition() == vl::Vector(2, 0) &&
                     !vl::DisplayManager::getInstance().getRecordedCells().empty();
    game.shutDown();
    return failed_but_sized && started && ran ? 0 : 1;
}

TEST(Headless, RunsWholeFramesWhereNoDisplayExists) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(runFramesWithoutDisplay()), ::testing::ExitedWithCode(0), "");
}
