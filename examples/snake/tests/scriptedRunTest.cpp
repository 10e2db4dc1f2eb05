#include "snakeTestWorld.h"

namespace {

using ScriptedRun = SnakeTestWorld;

// The key that steers the head towards the food, turning before it would have
// to turn back.
vl::Key towardsFood(vl::Vector head, vl::Vector food, vl::Key last) {
    if (food.x > head.x && last != vl::Key::A)
        return vl::Key::D;
    if (food.x < head.x && last != vl::Key::D)
        return vl::Key::A;
    if (food.y > head.y && last != vl::Key::W)
        return vl::Key::S;
    if (food.y < head.y && last != vl::Key::S)
        return vl::Key::W;
    return food.y >= head.y ? vl::Key::S : vl::Key::W;
}

// One whole game as a player plays it: eat three pieces, crash into the top
// edge, play again, and quit.
TEST_F(ScriptedRun, EatCrashRestartQuit) {
    vl::Key last = vl::Key::D;
    for (int frame = 0; frame < 1000 && score() < 30; ++frame) {
        ASSERT_TRUE(snake()->isAlive()) << "crashed at frame " << frame;
        last = towardsFood(snake()->getPosition(), live("Food").at(0)->getPosition(), last);
        press(last);
        runFrames(1);
    }
    ASSERT_EQ(score(), 30);
    EXPECT_EQ(snake()->getLength(), 4 + 2 * Snake::kGrowthPerFood)
        << "the third piece makes the snake longer only from its next move on";

    Snake* crashed = snake();
    for (int frame = 0; frame < 200 && crashed->isAlive(); ++frame) {
        press(last == vl::Key::S ? vl::Key::A : vl::Key::W);
        last = vl::Key::W;
        runFrames(1);
    }
    ASSERT_FALSE(crashed->isAlive());
    const vl::Vector crash_cell = crashed->getPosition();
    runFrames(10);
    EXPECT_EQ(crashed->getPosition(), crash_cell) << "a crashed snake lies still";
    EXPECT_EQ(live("GameOver").size(), 1u);
    EXPECT_EQ(score(), 30) << "the score stays on show after a crash";

    press(vl::Key::R);
    runFrames(1);
    EXPECT_EQ(score(), 0);
    EXPECT_EQ(live("GameOver").size(), 0u);
    EXPECT_EQ(live("Snake").size(), 1u);
    EXPECT_EQ(live("Segment").size(), 3u);
    EXPECT_EQ(live("Food").size(), 1u);
    EXPECT_TRUE(snake()->isAlive());

    press(vl::Key::Escape);
    EXPECT_TRUE(vl::GameManager::getInstance().isFinished());
}

}  // namespace
