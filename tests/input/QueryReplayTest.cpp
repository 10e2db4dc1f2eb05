#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "WindowInputFixture.h"
#include "support/TestFolder.h"

namespace {

// Steers only by asking which keys and buttons are down, as the guide
// recommends for keys that report no Held: the arrows move it sideways, the
// left button down.
class Steerer : public vl::Object {
  public:
    Steerer() {
        setType("Steerer");
        setPosition(vl::Vector(40, 5));
    }
    int handleEvent(const vl::Event* event) override {
        if (event->getType() != vl::kStepEvent) {
            return 0;
        }
        const vl::InputManager& input = vl::InputManager::getInstance();
        const float sideways = (input.isKeyDown(vl::Key::ArrowRight) ? 1.0f : 0.0f) -
                               (input.isKeyDown(vl::Key::ArrowLeft) ? 1.0f : 0.0f);
        const float down = input.isButtonDown(vl::MouseButton::Left) ? 0.5f : 0.0f;
        setPosition(getPosition() + vl::Vector(sideways, down));
        return 1;
    }
};

vl::Vector steererPosition() {
    const vl::ObjectList steerers = vl::WorldManager::getInstance().collectByType("Steerer");
    return steerers.count() == 1 ? steerers[0]->getPosition() : vl::Vector(-1, -1);
}

// Replays the recording unpaced from a fresh world; the replay's problem,
// empty when it held, and where the steerer ended.
std::string replay(const std::string& file, vl::Vector& end) {
    vl::GameManager& game = vl::GameManager::getInstance();
    EXPECT_EQ(game.startUpHeadless(), 0);
    EXPECT_EQ(game.startReplay(file, "Steer", false), 0) << game.getReplayProblem();
    new Steerer;
    int frames = 0;
    while (!game.isFinished() && ++frames < 100000) {
        game.runFrame();
    }
    end = steererPosition();
    const std::string problem = game.getReplayProblem();
    game.shutDown();
    return problem;
}

class QueryReplay : public WindowInputFixture {
  protected:
    void SetUp() override {
        WindowInputFixture::SetUp();
        ASSERT_TRUE(xinput::focus(gameWindow()));
    }
};

// A game steered only by isKeyDown and isButtonDown, played with real keys and
// buttons through its window, replays to the same place: in its window while
// other keys and buttons are down there, which the replay must not read, and
// without reading a window.
TEST_F(QueryReplay, AGameSteeredByQueriesReplaysWhateverTheWindowHolds) {
    vl::GameManager& game = vl::GameManager::getInstance();
    const std::string file = testFolder() + "/steered";
    ASSERT_EQ(game.startRecording(file, "Steer"), 0);
    new Steerer;
    ASSERT_TRUE(xinput::run("keydown Right"));
    ASSERT_TRUE(framesUntil([] { return steererPosition().x >= 46; }));
    ASSERT_TRUE(xinput::run("keyup Right mousedown 1"));
    ASSERT_TRUE(framesUntil([] { return steererPosition().y >= 8; }));
    ASSERT_TRUE(xinput::run("mouseup 1"));
    ASSERT_TRUE(framesUntil(
        [] { return !vl::InputManager::getInstance().isButtonDown(vl::MouseButton::Left); }));
    int frames = 0;
    ASSERT_TRUE(framesUntil([&] { return ++frames > 5; }));
    const vl::Vector recorded_end = steererPosition();
    game.shutDown();

    ASSERT_TRUE(xinput::run("keydown Left p mousedown 1 mousemove_relative 30 20"));
    vl::Vector end;
    EXPECT_EQ(replay(file, end), "");
    EXPECT_EQ(end, recorded_end);
    xinput::releaseAll();

    // The window's input, and its held keys, are the game's only while input
    // is started.
    vl::InputManager::getInstance().shutDown();
    EXPECT_EQ(replay(file, end), "");
    EXPECT_EQ(end, recorded_end);
    ASSERT_EQ(game.startUpHeadless(), 0);
}

}  // namespace
