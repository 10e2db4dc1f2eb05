#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "support/GameFixture.h"
#include "support/RecordedScreen.h"

using vl::Key;
using vl::KeyAction;

namespace {

constexpr char kTitle[] = R"(

                  __     __ _____  _      _       ___    ____
                  \ \   / /| ____|| |    | |     / _ \  / ___|
                   \ \ / / |  _|  | |    | |    | | | || |
                    \ V /  | |___ | |___ | |___ | |_| || |___
                     \_/   |_____||_____||_____| \___/  \____|

                  ---------------------------------------------
                       ten levels of zombies and turrets


                    O       *   *       @      o  o    =[#]
                   /|=                 =|\             =[*]
                   / \                 / \             =[#]
                                                       /___\

                            +-----------------------+
                            |   P      to play      |
                            |   Esc    to quit      |
                            +-----------------------+

                    W A S D  walk    mouse  aim    button  fire

y
)";
constexpr char kLevelOne[] =
    R"(          Time:  0                    Level 1                   Score:  0

                                                                      @
                                                                     =|\
                                                                     / \






     O
    /|=
    / \


                                                                      @
                                                                     =|\
                                                                     / \

w


                                                                      g
                                                                     ggg
                                                                     g g






     c
    ccc
    c c


                                                                      g
                                                                     ggg
                                                                     g g
)";
constexpr char kGameOver[] =
    R"(          Time:  0                                              Score:  0

                              ____    _    __  __ _____
                             / ___|  / \  |  \/  | ____|
                            | |  _  / _ \ | |\/| |  _|
                            | |_| |/ ___ \| |  | | |___
                             \____/_/   \_\_|  |_|_____|

                               _____     _______ ____
                              / _ \ \   / / ____|  _ \
                             | | | \ \ / /|  _| | |_) |
                             | |_| |\ V / | |___|  _ <
                              \___/  \_/  |_____|_| \_\

                                      .-------.          _|_
                                      |  RIP  |           |
                                      |       |           |
                               _______|_______|___________|___

                               +-------------------------+
                               |   P      to the title   |
                               |   Esc    to quit        |
                               +-------------------------+

r
          wwwww  w                                              wwwwww  w
)";
constexpr char kWin[] =
    R"(                                                             Score:  250000
                                 __   _____  _   _
                                 \ \ / / _ \| | | |
                                  \ V / | | | | | |
                                   | || |_| | |_| |
                                   |_| \___/ \___/

                               __        _____ _   _
                               \ \      / /_ _| \ | |
                                \ \ /\ / / | ||  \| |
                                 \ V  V /  | || |\  |
                                  \_/\_/  |___|_| \_|

                                     ___________
                                   (|    #1     |)
                                    \           /
                                     `-._   _.-`
                                         | |
                                      ___|_|___

                                all ten levels cleared
                              +-------------------------+
                              |  P  title     Esc  quit |
                              +-------------------------+

g
                                                             wwwwww  wwwwww
)";

}  // namespace

class ScreensTest : public GameFixture {
  protected:
    void TearDown() override {
        vl::GameManager::getInstance().setFinished(false);
        GameFixture::TearDown();
    }
};

TEST_F(ScreensTest, TitleStartsLevelOneOnAPressOfP) {
    new GameStart;
    EXPECT_EQ(shownWorld(), kTitle);
    sendKey(Key::Q, KeyAction::Pressed);
    for (KeyAction action : {KeyAction::Held, KeyAction::Released}) {
        sendKey(Key::P, action);
        sendKey(Key::Escape, action);
    }
    EXPECT_EQ(stepAndShow(), kTitle);
    EXPECT_FALSE(vl::GameManager::getInstance().isFinished());

    sendKey(Key::P, KeyAction::Pressed);
    EXPECT_EQ(stepAndShow(), kLevelOne);
    EXPECT_EQ(countOfType("GameStart"), 0);
}

// The time display counts whole seconds of play: 0 in the first, 1 after it.
TEST_F(ScreensTest, TheTimeDisplayCountsWholeSeconds) {
    const auto start = std::chrono::steady_clock::now();
    new Timer;
    EXPECT_EQ(stepAndShow(), "          Time:  0\n\nw\n");
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(1250)) {
        stepFrame();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(stepAndShow(), "          Time:  1\n\nw\n");
}

TEST_F(ScreensTest, DeathFreezesAndZeroesTheScoreAndPReturnsToTitle) {
    new GameStart;
    tapKey(Key::P);
    auto* score = lastOfType<Score>("Score");
    const vl::EventView points("Zombie", 15000);
    vl::Manager::broadcast(&points);
    EXPECT_EQ(score->getValue(), 15000);

    sendKey(Key::Escape, KeyAction::Pressed);
    EXPECT_EQ(stepAndShow(), kGameOver);
    sendKey(Key::Escape, KeyAction::Released);  // the end screen ignores the key's release
    EXPECT_FALSE(vl::GameManager::getInstance().isFinished());
    vl::Manager::broadcast(&points);  // a frozen score counts nothing
    EXPECT_EQ(score->getValue(), 0);

    sendKey(Key::P, KeyAction::Pressed);
    EXPECT_NE(stepAndShow().find("P      to play"), std::string::npos);
    EXPECT_EQ(countOfType("GameOver"), 0);
}

TEST_F(ScreensTest, WinningKeepsTheScoreAndEscapeQuits) {
    new Score;
    const vl::EventView points("Turret", 250000);
    vl::Manager::broadcast(&points);
    new GameWin;
    EXPECT_EQ(stepAndShow(), kWin);
    sendKey(Key::Escape, KeyAction::Pressed);
    EXPECT_TRUE(vl::GameManager::getInstance().isFinished());
}

// The won game's time and score stay through the win and title screens; the
// next game's screen shows only its own.
TEST_F(ScreensTest, ANewGameAfterAWinShowsOnlyItsOwnTimeAndScore) {
    (new Timer)->setValue(4321);
    new Score;
    const vl::EventView points("Turret", 1995000);
    vl::Manager::broadcast(&points);
    new GameWin;
    tapKey(Key::P);
    const std::string title = shownWorld();
    EXPECT_EQ(title.substr(0, title.find('\n')),
              "         Time:  4321                                         Score:  1995000");
    sendKey(Key::P, KeyAction::Pressed);
    EXPECT_EQ(stepAndShow(), kLevelOne);
}

// A fast double tap, or keys queued while a frame stalls: a screen answers the
// first press of P or Escape of a frame and is deaf to the next.
TEST_F(ScreensTest, AScreenAnswersOnlyTheFirstKeyOfAFrame) {
    struct Case {
        const char* screen;
        std::function<void()> make;
        Key first;
        Key second;
        bool starts_game;
    };
    const Case cases[] = {
        {"title", [] { new GameStart; }, Key::P, Key::P, true},
        {"title", [] { new GameStart; }, Key::Escape, Key::P, false},
        {"win", [] { new GameWin; }, Key::P, Key::P, false},
        {"game over", [] { new GameOver; }, Key::P, Key::Escape, false},
    };
    vl::GameManager& game = vl::GameManager::getInstance();
    for (const Case& c : cases) {
        vl::WorldManager::getInstance().shutDown();
        vl::WorldManager::getInstance().startUp();
        game.setFinished(false);
        c.make();
        sendKey(c.first, KeyAction::Pressed);
        sendKey(c.second, KeyAction::Pressed);
        stepFrame();
        EXPECT_EQ(game.isFinished(), c.first == Key::Escape) << c.screen;
        EXPECT_EQ(countOfType("GameStart"), c.starts_game ? 0 : 1) << c.screen;
        for (const char* type : {"Level", "Player", "Timer", "Score"}) {
            EXPECT_EQ(countOfType(type), c.starts_game ? 1 : 0) << c.screen << ": " << type;
        }
    }
}
