#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/TestFolder.h"
#include "support/WorldFixture.h"

namespace {

// What the game does differently when it is replayed, from a frame on.
struct Change {
    int from = 0;
    float query_step = 1;         // cells a step moves while D is down
    bool extra_draw = false;      // one more random number drawn per step
    char glyph = '@';             // what the rig draws itself with
    vl::Color color = vl::Green;  // and in which colour
    std::string ignored;          // an input kind the rig does not react to
    int altitude = 1;             // a field no input touches
    bool spawn = false;           // one more object in the world
    bool leak = false;            // input that is not the recording's
};

// An object steered by every kind of input: by queries in its step, and by
// every event, each moving it a little.
class Rig : public vl::Object {
  public:
    explicit Rig(const Change& change) : change(change) {
        setType("Rig");
        setPosition(vl::Vector(10, 3));
        setAltitude(1);
    }

    int handleEvent(const vl::Event* event) override {
        const vl::InputManager& input = vl::InputManager::getInstance();
        std::string kind;
        if (event->getType() == vl::kStepEvent) {
            const float step = input.isKeyDown(vl::Key::D) ? change.query_step : 0;
            setPosition(getPosition() + vl::Vector(step, 0));
            setAltitude(change.altitude);
            return 1;
        }
        if (event->getType() == vl::kKeyboardEvent) {
            static const char* kActions[] = {"Pressed", "Released", "Held"};
            kind = std::string("key ") +
                   kActions[static_cast<int>(
                       static_cast<const vl::EventKeyboard*>(event)->getAction())];
        } else if (event->getType() == vl::kMouseEvent) {
            static const char* kActions[] = {"", "Held", "Moved", "Pressed", "Released"};
            kind =
                std::string("mouse ") +
                kActions[static_cast<int>(static_cast<const vl::EventMouse*>(event)->getAction())];
        }
        if (kind.empty() || kind == change.ignored) {
            return 0;
        }
        setPosition(getPosition() + vl::Vector(0.25f, 0));
        return 1;
    }

    int draw() override {
        return vl::DisplayManager::getInstance().drawCell(getPosition(), change.glyph,
                                                          change.color);
    }

  private:
    const Change& change;
};

// Draws a number every step, from the engine's random source.
class Dice : public vl::ViewObject {
  public:
    explicit Dice(const Change& change) : change(change) {}
    int handleEvent(const vl::Event* event) override {
        if (event->getType() == vl::kStepEvent) {
            if (change.extra_draw) {
                vl::randomInt(1, 1000000);
            }
            setValue(vl::randomInt(1, 1000000));
        }
        return vl::ViewObject::handleEvent(event);
    }

  private:
    const Change& change;
};

class Extra : public vl::Object {
  public:
    Extra() { setType("Extra"); }
};

constexpr int kFrames = 14;

// The session: a key pressed and released, D held (Held, and asked for), the
// pointer moved, a button pressed, W and the button held, the button released.
void sendFrameInput(int frame) {
    vl::InputManager& input = vl::InputManager::getInstance();
    vl::HeldInput held;
    switch (frame) {
        case 2:
            input.broadcastInput(vl::EventKeyboard(vl::Key::P, vl::KeyAction::Pressed));
            break;
        case 3:
            input.broadcastInput(vl::EventKeyboard(vl::Key::P, vl::KeyAction::Released));
            break;
        case 4:
            held.setKey(vl::Key::D);
            input.setHeld(held);
            break;
        case 7:
            input.setHeld(held);
            input.broadcastInput(
                vl::EventMouse(vl::MouseAction::Moved, vl::MouseButton::Undefined, {100, 200}));
            break;
        case 8:
            input.broadcastInput(
                vl::EventMouse(vl::MouseAction::Pressed, vl::MouseButton::Left, {100, 200}));
            break;
        case 9:
            held.setKey(vl::Key::W);
            held.setButton(vl::MouseButton::Left);
            input.setHeld(held);
            break;
        case 10:
            input.setHeld(held);
            input.broadcastInput(
                vl::EventMouse(vl::MouseAction::Released, vl::MouseButton::Left, {100, 200}));
            break;
        default:
            break;
    }
}

class ReplayTest : public WorldFixture {
  protected:
    // Runs the session, replayed when replaying, else played by the script,
    // with the change made from its frame on.
    static void play(const Change& change, bool replaying) {
        vl::GameManager& game = vl::GameManager::getInstance();
        Change now;
        new Rig(now);
        new Dice(now);
        for (int frame = 1; frame <= kFrames && !game.isFinished(); ++frame) {
            if (frame == change.from) {
                now = change;
                if (change.spawn) {
                    new Extra;
                }
                if (change.leak) {
                    vl::InputManager::getInstance().broadcastInput(
                        vl::EventKeyboard(vl::Key::A, vl::KeyAction::Pressed));
                }
            }
            if (!replaying) {
                sendFrameInput(frame);
            }
            game.runFrame();
        }
    }
};

// Whatever the recording holds that the replay does differently is reported
// at the frame it first differs, naming what differs.
TEST_F(ReplayTest, CatchesEachDifferenceAtItsFrame) {
    vl::GameManager& game = vl::GameManager::getInstance();
    const std::string file = testFolder() + "/session";
    ASSERT_EQ(game.startRecording(file, "Rig"), 0);
    play(Change(), false);
    game.shutDown();

    const auto change = [](int from, const std::function<void(Change&)>& make) {
        Change made;
        made.from = from;
        make(made);
        return made;
    };
    const std::string moved = "object 1 (Rig) differs in its position";
    const struct {
        const char* what;
        Change change;
        int frame;
        std::string words;
    } cases[] = {
        {"nothing", Change(), 0, ""},
        {"a movement steered by a query", change(4, [](Change& c) { c.query_step = 2; }), 4, moved},
        {"a random draw", change(6, [](Change& c) { c.extra_draw = true; }), 6,
         "object 2 (ViewObject) differs in its value"},
        {"a colour", change(5, [](Change& c) { c.color = vl::Red; }), 5,
         "the picture differs in row 3, which now shows '@' red at 13,3"},
        {"a glyph", change(5, [](Change& c) { c.glyph = '#'; }), 5,
         "the picture differs in row 3, which now shows '#' green at 13,3"},
        {"a key press", change(1, [](Change& c) { c.ignored = "key Pressed"; }), 2, moved},
        {"a key release", change(1, [](Change& c) { c.ignored = "key Released"; }), 3, moved},
        {"a key held", change(1, [](Change& c) { c.ignored = "key Held"; }), 4, moved},
        {"a pointer move", change(1, [](Change& c) { c.ignored = "mouse Moved"; }), 7, moved},
        {"a button press", change(1, [](Change& c) { c.ignored = "mouse Pressed"; }), 8, moved},
        {"a button held", change(1, [](Change& c) { c.ignored = "mouse Held"; }), 9, moved},
        {"a button release", change(1, [](Change& c) { c.ignored = "mouse Released"; }), 10, moved},
        {"a field no input touches", change(11, [](Change& c) { c.altitude = 4; }), 11,
         "object 1 (Rig) differs in its altitude"},
        {"one more object", change(12, [](Change& c) { c.spawn = true; }), 12,
         "the world holds 3 objects, the recording 2; the first that differs is object 3 "
         "(Extra)"},
        {"input of its own", change(13, [](Change& c) { c.leak = true; }), 13,
         "its input event 1, key 35 Pressed, is not in the recording"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(game.startUpHeadless(), 0);
        ASSERT_EQ(game.startReplay(file, "Rig", false), 0) << game.getReplayProblem();
        play(c.change, true);
        const std::string expected = c.words.empty() ? ""
                                                     : file + ": replay diverges at frame " +
                                                           std::to_string(c.frame) + ": " + c.words;
        EXPECT_EQ(game.getReplayProblem().substr(0, expected.size()), expected);
        EXPECT_EQ(game.getReplayProblem().empty(), c.words.empty());
        game.shutDown();
    }
    ASSERT_EQ(game.startUpHeadless(), 0);
}

}  // namespace
