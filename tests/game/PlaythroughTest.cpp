#include <gtest/gtest.h>

#include <vector>

#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

namespace {

constexpr int kFrameLimit = 30000;

int worldCount() {
    return vl::WorldManager::getInstance().allObjects().count();
}

// Of the game only its score and time displays stay with the end screen,
// stopped, the score reading score.
void expectOnlyFrozenDisplays(int score, const char* stage) {
    EXPECT_EQ(worldCount(), 3) << stage;
    ASSERT_EQ(countOfType("Timer"), 1) << stage;
    ASSERT_EQ(countOfType("Score"), 1) << stage;
    EXPECT_FALSE(lastOfType<Timer>("Timer")->isActive()) << stage;
    EXPECT_FALSE(lastOfType<Score>("Score")->isActive()) << stage;
    EXPECT_EQ(lastOfType<Score>("Score")->getValue(), score) << stage;
}

}  // namespace

// One whole session in one go, as a person plays it: the title, ten levels,
// the win, the title again, a death, the game-over screen and Escape. Run
// under valgrind by make memcheck.
class PlaythroughTest : public GameFixture {
  protected:
    void TearDown() override {
        vl::GameManager::getInstance().setFinished(false);
        GameFixture::TearDown();
    }
};

TEST_F(PlaythroughTest, WinThenDieThenQuit) {
    vl::GameManager& game = vl::GameManager::getInstance();
    game.setFinished(false);
    new GameStart;
    ASSERT_EQ(worldCount(), 1);

    ScriptedPlayer winner(ScriptedPlayer::Goal::Win);
    std::vector<int> levels;
    ASSERT_TRUE(winner.playUntil(
        [&] {
            const auto* level = firstOfType<Level>("Level");
            if (level != nullptr && (levels.empty() || levels.back() != level->getLevelNumber())) {
                levels.push_back(level->getLevelNumber());
            }
            return countOfType("GameWin") + countOfType("GameOver") > 0;
        },
        kFrameLimit));
    ASSERT_EQ(countOfType("GameWin"), 1) << "died on level " << levels.back();
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    expectOnlyFrozenDisplays(1995000, "on the win screen");

    ASSERT_TRUE(winner.playUntil([] { return countOfType("GameStart") == 1; }, 10));
    EXPECT_EQ(countOfType("GameWin"), 0);
    expectOnlyFrozenDisplays(1995000, "on the second title screen");

    ScriptedPlayer loser(ScriptedPlayer::Goal::Die);
    ASSERT_TRUE(loser.playUntil([] { return countOfType("GameOver") == 1; }, kFrameLimit));
    EXPECT_EQ(countOfType("GameStart"), 0);
    // The won game's displays left when the new game began.
    expectOnlyFrozenDisplays(0, "on the game-over screen");
    EXPECT_FALSE(game.isFinished());

    sendKey(vl::Key::Escape, vl::KeyAction::Pressed);
    game.runFrame();
    EXPECT_TRUE(game.isFinished());
    EXPECT_EQ(countOfType("GameOver"), 1);

    game.shutDown();
    EXPECT_EQ(worldCount(), 0);
    EXPECT_FALSE(vl::WorldManager::getInstance().isStarted());
}
