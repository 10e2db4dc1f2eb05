#include <gtest/gtest.h>

#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

namespace {

constexpr int kFrameLimit = 30000;

}  // namespace

class FullGameTest : public GameFixture {};

TEST_F(FullGameTest, AScriptedPlayerClearsAllTenLevels) {
    new GameStart;
    ScriptedPlayer player(ScriptedPlayer::Goal::Win);
    int highest_level = 0;
    const bool won = player.playUntil(
        [&] {
            if (auto* level = firstOfType<Level>("Level")) {
                highest_level = std::max(highest_level, level->getLevelNumber());
            }
            return countOfType("GameWin") == 1 || countOfType("GameOver") == 1;
        },
        kFrameLimit);
    ASSERT_TRUE(won) << "still playing after " << player.framesPlayed() << " frames";
    ASSERT_EQ(countOfType("GameOver"), 0) << "died on level " << highest_level;
    EXPECT_EQ(highest_level, kLastLevel);
    EXPECT_EQ(lastOfType<Score>("Score")->getValue(), 1995000);
    for (const char* gone : {"Player", "Reticle", "Zombie", "Turret", "Level", "Bullet"}) {
        EXPECT_EQ(countOfType(gone), 0) << gone;
    }
    std::cout << "won in " << player.framesPlayed() << " frames\n";
}

TEST_F(FullGameTest, APlayerWhoDiesReturnsToTheTitle) {
    new GameStart;
    ScriptedPlayer player(ScriptedPlayer::Goal::Die);
    ASSERT_TRUE(player.playUntil([] { return countOfType("GameOver") == 1; }, kFrameLimit));
    EXPECT_EQ(lastOfType<Score>("Score")->getValue(), 0);
    ASSERT_TRUE(player.playUntil([] { return countOfType("GameStart") == 1; }, 10));
    EXPECT_EQ(countOfType("GameOver"), 0);
    EXPECT_EQ(countOfType("Level"), 0);
}
