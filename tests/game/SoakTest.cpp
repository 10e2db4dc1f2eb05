#include <gtest/gtest.h>

#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

class SoakTest : public GameFixture {};

// Won and lost games in turn: each ends with the same world, the end screen
// and the game's two frozen displays, however many games came before it.
TEST_F(SoakTest, GamesInARowDoNotGrowTheWorld) {
    new GameStart;
    ScriptedPlayer winner(ScriptedPlayer::Goal::Win);
    ScriptedPlayer loser(ScriptedPlayer::Goal::Die);
    for (int game = 1; game <= 18; ++game) {
        const bool wins = game % 3 != 0;
        ScriptedPlayer& player = wins ? winner : loser;
        ASSERT_TRUE(player.playUntil([] { return countOfType("Level") > 0; }, 20));
        ASSERT_TRUE(player.playUntil(
            [] { return countOfType("GameWin") + countOfType("GameOver") > 0; }, 30000));
        // Every enemy of the ten levels entered the world and was shot.
        EXPECT_EQ(lastOfType<Score>("Score")->getValue(), wins ? 1995000 : 0) << "game " << game;
        EXPECT_EQ(vl::WorldManager::getInstance().allObjects().count(), 3) << "game " << game;
    }
}
