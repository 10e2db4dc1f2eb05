#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <vl/display/renderCells.h>
#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

namespace {

// Plays a game from the title or an end screen to its end, its timer stopped
// at the given seconds as if the game had lasted that long.
void playGame(ScriptedPlayer& player, int seconds) {
    ASSERT_TRUE(player.playUntil([] { return countOfType("Level") > 0; }, 20));
    Timer* timer = lastOfType<Timer>("Timer");
    timer->setActive(false);
    timer->setValue(seconds);
    ASSERT_TRUE(player.playUntil(
        [] { return countOfType("GameWin") + countOfType("GameOver") > 0; }, 30000));
}

// The top row of the screen as the world draws it now: the only row that the
// score and time displays reach.
std::string headUpRow() {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    display.setRecording(true);
    vl::WorldManager::getInstance().drawAll();
    const std::string row =
        vl::renderCells(display.getRecordedCells(), vl::kWindowHorizontalCells, 1);
    display.setRecording(false);
    return row;
}

}  // namespace

class SoakTest : public GameFixture {};

// Older displays peek out past shorter newer ones: the screens show every
// trace they showed when the world kept all displays of finished games. Games
// leave at most one frozen display of a kind per width (numbers take 1 to 11).
TEST_F(SoakTest, FinishedGamesLeaveOnlyTheFrozenDisplaysThatStillShow) {
    new GameStart;
    ScriptedPlayer winner(ScriptedPlayer::Goal::Win);
    ScriptedPlayer loser(ScriptedPlayer::Goal::Die);
    ASSERT_NO_FATAL_FAILURE(playGame(winner, 4321));
    ASSERT_NO_FATAL_FAILURE(playGame(loser, 55));
    ASSERT_NO_FATAL_FAILURE(playGame(winner, 7));
    std::string screens = headUpRow();
    ASSERT_TRUE(winner.playUntil([] { return countOfType("GameStart") == 1; }, 20));
    screens += headUpRow();
    ASSERT_TRUE(winner.playUntil([] { return countOfType("Level") == 1; }, 20));
    screens += headUpRow();
    ASSERT_NO_FATAL_FAILURE(playGame(loser, 3));
    EXPECT_EQ(screens + headUpRow(),
              R"(         TTime:  751                                         Score:  1995000      

.........wwwwwwwwwww.......ggggggggggggggggggggggggggggggggg.wwwwwwwwwwwwwww......
         TTime:  751                                         Score:  1995000      

.........wwwwwwwwwwwyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyywwwwwwwwwwwwwww......
         TTime:  051                  Level 1                ScoScore:  0000      

.........wwwwwwwwwww..................wwwwwww................wwwwwwwwwwwwwww......
         TTime:  351                                            Score:  0         

.........wwwwwwwwwwwrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrwwwwwwwww.........
)");
    for (int game = 1; game <= 15; ++game) {
        const int seconds[] = {7, 123456, 42, 5, 99999, 2000000000, 0, 31};
        ASSERT_NO_FATAL_FAILURE(playGame(game % 3 == 0 ? loser : winner, seconds[game % 8]));
        // Every enemy of the ten levels entered the world and was shot.
        EXPECT_EQ(lastOfType<Score>("Score")->getValue(), game % 3 == 0 ? 0 : 1995000);
        EXPECT_LE(std::max(countOfType("Timer"), countOfType("Score")), 11) << "game " << game;
        EXPECT_EQ(vl::WorldManager::getInstance().allObjects().count(),
                  1 + countOfType("Timer") + countOfType("Score"));
    }
}
