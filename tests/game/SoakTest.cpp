#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

namespace {

constexpr int kFrameLimit = 30000;
constexpr int kWinningScore = 1995000;

// Every third game is lost, the others are won.
ScriptedPlayer::Goal goalOfGame(int game) {
    return game % 3 == 0 ? ScriptedPlayer::Goal::Die : ScriptedPlayer::Goal::Win;
}

// Plays one game from the title screen to its end screen, checks the end and
// goes back to the title screen.
void playGame(int game) {
    const ScriptedPlayer::Goal goal = goalOfGame(game);
    ScriptedPlayer player(goal);
    ASSERT_TRUE(player.playUntil(
        [] { return countOfType("GameWin") + countOfType("GameOver") > 0; }, kFrameLimit))
        << "game " << game << " never ended";
    if (goal == ScriptedPlayer::Goal::Win) {
        ASSERT_EQ(countOfType("GameWin"), 1) << "game " << game << " was lost";
        // Every enemy of the ten levels entered the world and was shot.
        EXPECT_EQ(lastOfType<Score>("Score")->getValue(), kWinningScore) << "game " << game;
    } else {
        ASSERT_EQ(countOfType("GameOver"), 1) << "game " << game << " was won";
    }
    ASSERT_TRUE(player.playUntil([] { return countOfType("GameStart") == 1; }, 10))
        << "no title screen after game " << game;
}

// The world at the title screen holds that screen and frozen display pairs,
// nothing else.
void expectOnlyTitleAndFrozenDisplays(int pairs, int game) {
    for (const char* gone :
         {"Player", "Reticle", "Bullet", "Zombie", "Turret", "Level", "GameOver", "GameWin"}) {
        EXPECT_EQ(countOfType(gone), 0) << gone << " after game " << game;
    }
    const vl::ObjectList timers = vl::WorldManager::getInstance().collectByType("Timer");
    const vl::ObjectList scores = vl::WorldManager::getInstance().collectByType("Score");
    ASSERT_EQ(timers.count(), pairs) << "after game " << game;
    ASSERT_EQ(scores.count(), pairs) << "after game " << game;
    for (int i = 0; i < pairs; ++i) {
        EXPECT_FALSE(static_cast<Timer*>(timers[i])->isActive()) << "after game " << game;
        EXPECT_FALSE(static_cast<Score*>(scores[i])->isActive()) << "after game " << game;
    }
    EXPECT_EQ(vl::WorldManager::getInstance().allObjects().count(), 1 + 2 * pairs);
}

std::vector<int> idsOf(const char* type) {
    const vl::ObjectList matches = vl::WorldManager::getInstance().collectByType(type);
    std::vector<int> ids;
    for (int i = 0; i < matches.count(); ++i) {
        ids.push_back(matches[i]->getId());
    }
    return ids;
}

}  // namespace

class SoakTest : public GameFixture {};

TEST_F(SoakTest, ThreeHundredGamesLeaveOnlyTheirFrozenDisplays) {
    new GameStart;
    for (int game = 1; game <= 300; ++game) {
        ASSERT_NO_FATAL_FAILURE(playGame(game));
        ASSERT_NO_FATAL_FAILURE(expectOnlyTitleAndFrozenDisplays(game, game));
    }
}

// Past the kept number of finished games, each new game retires the oldest
// pair; the newest ones stay, and every game still gets all its enemies.
TEST_F(SoakTest, PastTheBoundTheOldestDisplaysMakeRoom) {
    std::deque<int> timer_ids;
    std::deque<int> score_ids;
    for (int i = 0; i < kKeptFinishedGames - 2; ++i) {
        auto* timer = new Timer;
        timer->setActive(false);
        auto* score = new Score;
        score->setActive(false);
        timer_ids.push_back(timer->getId());
        score_ids.push_back(score->getId());
    }
    new GameStart;
    for (int game = 1; game <= 6; ++game) {
        ASSERT_NO_FATAL_FAILURE(playGame(game));
        timer_ids.push_back(lastOfType<Timer>("Timer")->getId());
        score_ids.push_back(lastOfType<Score>("Score")->getId());
        while (static_cast<int>(timer_ids.size()) > kKeptFinishedGames) {
            timer_ids.pop_front();
            score_ids.pop_front();
        }
        const int pairs = static_cast<int>(timer_ids.size());
        ASSERT_NO_FATAL_FAILURE(expectOnlyTitleAndFrozenDisplays(pairs, game));
        EXPECT_EQ(idsOf("Timer"), std::vector<int>(timer_ids.begin(), timer_ids.end()));
        EXPECT_EQ(idsOf("Score"), std::vector<int>(score_ids.begin(), score_ids.end()));
    }
    EXPECT_EQ(countOfType("Timer"), kKeptFinishedGames);
}
