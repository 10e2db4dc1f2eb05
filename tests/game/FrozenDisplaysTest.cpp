#include <gtest/gtest.h>

#include <string>

#include <vl/display/renderCells.h>
#include "ScriptedPlayer.h"
#include "support/GameFixture.h"

namespace {

constexpr int kFrameLimit = 30000;

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

bool ended() {
    return countOfType("GameWin") + countOfType("GameOver") > 0;
}

// Plays a game from the title screen (or an end screen) to its end, its timer
// stopped at the given seconds as if the game had lasted that long.
void playGame(ScriptedPlayer& player, int seconds) {
    ASSERT_TRUE(player.playUntil([] { return countOfType("Level") > 0; }, 20));
    Timer* timer = lastOfType<Timer>("Timer");
    timer->setActive(false);
    timer->setValue(seconds);
    ASSERT_TRUE(player.playUntil(ended, kFrameLimit));
}

}  // namespace

class FrozenDisplaysTest : public GameFixture {};

// Older displays peek out past shorter newer ones at the same place; whatever
// the world keeps of finished games, the screens show just that.
TEST_F(FrozenDisplaysTest, ScreensShowEveryVisibleTraceOfEarlierGames) {
    new GameStart;
    ScriptedPlayer winner(ScriptedPlayer::Goal::Win);
    ScriptedPlayer loser(ScriptedPlayer::Goal::Die);
    ASSERT_NO_FATAL_FAILURE(playGame(winner, 4321));
    ASSERT_NO_FATAL_FAILURE(playGame(loser, 55));
    ASSERT_NO_FATAL_FAILURE(playGame(winner, 7));
    EXPECT_EQ(
        headUpRow(),
        "         TTime:  751                                         Score:  1995000      \n"
        "\n"
        ".........wwwwwwwwwww.......ggggggggggggggggggggggggggggggggg.wwwwwwwwwwwwwww......\n");
    ASSERT_TRUE(winner.playUntil([] { return countOfType("GameStart") == 1; }, 20));
    EXPECT_EQ(
        headUpRow(),
        "         TTime:  751                                         Score:  1995000      \n"
        "\n"
        ".........wwwwwwwwwwwyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyywwwwwwwwwwwwwww......\n");
    ASSERT_TRUE(winner.playUntil([] { return countOfType("Level") == 1; }, 20));
    EXPECT_EQ(
        headUpRow(),
        "         TTime:  051                  Level 1                ScoScore:  0000      \n"
        "\n"
        ".........wwwwwwwwwww..................wwwwwww................wwwwwwwwwwwwwww......\n");
    ASSERT_NO_FATAL_FAILURE(playGame(loser, 3));
    EXPECT_EQ(
        headUpRow(),
        "         TTime:  351                                            Score:  0         \n"
        "\n"
        ".........wwwwwwwwwwwrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrrwwwwwwwww.........\n");
}
