#include <gtest/gtest.h>

#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

namespace {

constexpr int kFrameLimit = 30000;
constexpr int kWinningScore = 1995000;
constexpr int kGames = 15;
// Finished games keep at most one display of each kind per text width, and a
// number takes 1 to 11 characters.
constexpr int kMostKeptOfAKind = 11;
// How long each game lasted: widths that grow, shrink and repeat.
constexpr int kSeconds[] = {7, 123456, 42, 5, 99999, 2000000000, 0, 31};

bool ended() {
    return countOfType("GameWin") + countOfType("GameOver") > 0;
}

// Plays one game from the title screen to its end screen, checks the end and
// goes back to the title screen. Every third game is lost.
void playGame(int game) {
    const bool win = game % 3 != 0;
    ScriptedPlayer player(win ? ScriptedPlayer::Goal::Win : ScriptedPlayer::Goal::Die);
    ASSERT_TRUE(player.playUntil([] { return countOfType("Level") > 0; }, 20));
    Timer* timer = lastOfType<Timer>("Timer");
    timer->setActive(false);
    timer->setValue(kSeconds[game % 8]);
    ASSERT_TRUE(player.playUntil(ended, kFrameLimit)) << "game " << game << " never ended";
    ASSERT_EQ(countOfType(win ? "GameWin" : "GameOver"), 1) << "game " << game;
    // Every enemy of the ten levels entered the world and was shot.
    EXPECT_EQ(lastOfType<Score>("Score")->getValue(), win ? kWinningScore : 0) << "game " << game;
    ASSERT_TRUE(player.playUntil([] { return countOfType("GameStart") == 1; }, 10))
        << "no title screen after game " << game;
}

}  // namespace

class SoakTest : public GameFixture {};

// However many games are played, the title screen's world holds the screen and
// a bounded number of frozen displays, nothing else.
TEST_F(SoakTest, FinishedGamesLeaveOnlyABoundedSetOfFrozenDisplays) {
    new GameStart;
    for (int game = 1; game <= kGames; ++game) {
        ASSERT_NO_FATAL_FAILURE(playGame(game));
        const int timers = countOfType("Timer");
        const int scores = countOfType("Score");
        EXPECT_LE(timers, kMostKeptOfAKind) << "after game " << game;
        EXPECT_LE(scores, kMostKeptOfAKind) << "after game " << game;
        EXPECT_EQ(vl::WorldManager::getInstance().allObjects().count(), 1 + timers + scores)
            << "after game " << game;
        EXPECT_FALSE(lastOfType<Timer>("Timer")->isActive() ||
                     lastOfType<Score>("Score")->isActive());
    }
}
