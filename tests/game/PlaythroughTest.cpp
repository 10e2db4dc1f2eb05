#include <gtest/gtest.h>

#include <vector>

#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

namespace {

constexpr int kFrameLimit = 30000;

void expectFieldClear(const char* stage) {
    for (const char* gone : {"Player", "Reticle", "Bullet", "Zombie", "Turret", "Level"}) {
        EXPECT_EQ(countOfType(gone), 0) << gone << " left " << stage;
    }
}

// Every score and time display in the world is frozen; the score displays
// read score.
void expectDisplaysFrozen(int pairs, int score, const char* stage) {
    const vl::ObjectList timers = vl::WorldManager::getInstance().collectByType("Timer");
    const vl::ObjectList scores = vl::WorldManager::getInstance().collectByType("Score");
    ASSERT_EQ(timers.count(), pairs) << stage;
    ASSERT_EQ(scores.count(), pairs) << stage;
    for (int i = 0; i < pairs; ++i) {
        EXPECT_FALSE(static_cast<Timer*>(timers[i])->isActive()) << stage;
        EXPECT_FALSE(static_cast<Score*>(scores[i])->isActive()) << stage;
        EXPECT_EQ(static_cast<Score*>(scores[i])->getValue(), score) << stage;
    }
}

int worldCount() {
    return vl::WorldManager::getInstance().allObjects().count();
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
    expectFieldClear("on the win screen");
    expectDisplaysFrozen(1, 1995000, "on the win screen");
    EXPECT_EQ(worldCount(), 3);

    ASSERT_TRUE(winner.playUntil([] { return countOfType("GameStart") == 1; }, 10));
    EXPECT_EQ(countOfType("GameWin"), 0);
    expectDisplaysFrozen(1, 1995000, "on the second title screen");
    EXPECT_EQ(worldCount(), 3);

    ScriptedPlayer loser(ScriptedPlayer::Goal::Die);
    ASSERT_TRUE(loser.playUntil([] { return countOfType("GameOver") == 1; }, kFrameLimit));
    EXPECT_EQ(countOfType("GameStart"), 0);
    expectFieldClear("on the game-over screen");
    // The won game's displays, wholly under the new ones, are gone.
    expectDisplaysFrozen(1, 0, "on the game-over screen");
    EXPECT_EQ(worldCount(), 3);
    EXPECT_FALSE(game.isFinished());

    sendKey(vl::Key::Escape, vl::KeyAction::Pressed);
    game.runFrame();
    EXPECT_TRUE(game.isFinished());
    EXPECT_EQ(countOfType("GameOver"), 1);

    game.shutDown();
    EXPECT_EQ(worldCount(), 0);
    EXPECT_FALSE(vl::WorldManager::getInstance().isStarted());
}
