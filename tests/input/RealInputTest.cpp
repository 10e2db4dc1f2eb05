#include <gtest/gtest.h>
#include <SFML/Window/Event.hpp>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <vl/vl.h>
#include "Reticle.h"
#include "XInput.h"
#include "support/DisplayFixture.h"
#include "support/PixelChecks.h"
#include "support/Probe.h"

namespace {

using Records = std::vector<std::string>;

// Generous: the machine is shared and the X server may be slow to deliver.
constexpr auto kDeadline = std::chrono::seconds(10);
constexpr int kHeldPolls = 3;

bool contains(const Records& records, const std::string& record) {
    return std::find(records.begin(), records.end(), record) != records.end();
}

Records startingWith(const Records& records, const std::string& prefix) {
    Records matching;
    std::copy_if(records.begin(), records.end(), std::back_inserter(matching),
                 [&](const std::string& record) { return record.rfind(prefix, 0) == 0; });
    return matching;
}

Records keys(const Records& records) {
    return startingWith(records, "key ");
}

class RealInput : public DisplayFixture {
  protected:
    void SetUp() override {
        // The display's start-up probes the server with a connection it closes
        // again; were that the server's only client, the server would reset
        // and refuse the window's connection.
        ASSERT_TRUE(xinput::connect()) << "no X display can be opened; run under xvfb-run";
        DisplayFixture::SetUp();
        ASSERT_TRUE(xinput::available()) << "xdotool is not installed";
        ASSERT_EQ(input().startUp(), 0);
        window = vl::DisplayManager::getInstance().getWindow();
        xinput::releaseAll();
        ASSERT_TRUE(xinput::focus(window->getSystemHandle()));
        recorder = new Probe("", &received);
        ASSERT_TRUE(drain()) << "key events do not reach the window";
    }

    void TearDown() override {
        xinput::releaseAll();
        input().shutDown();
        DisplayFixture::TearDown();
    }

    static vl::InputManager& input() { return vl::InputManager::getInstance(); }
    std::string windowId() const { return std::to_string(window->getSystemHandle()); }

    Records pollOnce() {
        input().pollInput();
        return std::exchange(received, {});
    }

    // Polls until the records so far satisfy done or the deadline passes.
    Records pollUntil(const std::function<bool(const Records&)>& done) {
        Records records;
        const auto deadline = std::chrono::steady_clock::now() + kDeadline;
        while (!done(records) && std::chrono::steady_clock::now() < deadline) {
            const Records polled = pollOnce();
            records.insert(records.end(), polled.begin(), polled.end());
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return records;
    }

    Records pollUntilRecorded(const std::string& record) {
        return pollUntil([&](const Records& records) { return contains(records, record); });
    }

    // Types F12 and polls until its release arrives: whatever the window had
    // queued before it has then been read.
    bool drain() {
        xinput::run("key F12");
        return contains(pollUntilRecorded("key 34 Released"), "key 34 Released");
    }

    sf::RenderWindow* window = nullptr;
    // What the probe in the world and a latecomer made during a test received.
    Records received;
    Records late_received;
    Probe* recorder = nullptr;
};

TEST_F(RealInput, KeyPressAndReleaseArriveInOrder) {
    ASSERT_TRUE(xinput::run("key p"));
    EXPECT_EQ(keys(pollUntilRecorded("key 50 Released")),
              (Records{"key 50 Pressed", "key 50 Released"}));

    // The game's other keys; on the digit row 1 is Num1, 0 is Num0 after Num9.
    ASSERT_TRUE(xinput::run("key a s Escape 1 0"));
    Records expected;
    for (const char* key : {"35", "53", "2", "61", "70"}) {
        expected.push_back(std::string("key ") + key + " Pressed");
        expected.push_back(std::string("key ") + key + " Released");
    }
    EXPECT_EQ(keys(pollUntilRecorded("key 70 Released")), expected);

    // Keys the engine lacks still arrive, as Undefined.
    ASSERT_TRUE(xinput::run("key Alt_L"));
    EXPECT_EQ(keys(pollUntilRecorded("key -1 Released")),
              (Records{"key -1 Pressed", "key -1 Released"}));
}

// Every engine key held down is down for isKeyDown, and up again once let go.
// Which engine key a cap is, the window's own press event says.
TEST_F(RealInput, EveryEngineKeyIsDownWhileHeld) {
    std::vector<std::string> caps = {
        "space",     "Return",    "Escape",    "Tab",       "Left",        "Right",
        "Up",        "Down",      "Pause",     "minus",     "equal",       "grave",
        "period",    "comma",     "slash",     "backslash", "KP_Multiply", "apostrophe",
        "semicolon", "Control_L", "Control_R", "Shift_L",   "Shift_R",     "BackSpace"};
    for (char cap = 'a'; cap <= 'z'; ++cap) {
        caps.emplace_back(1, cap);
    }
    for (char cap = '0'; cap <= '9'; ++cap) {
        caps.emplace_back(1, cap);
    }
    for (int f = 1; f <= 12; ++f) {
        caps.push_back("F" + std::to_string(f));
    }
    const auto pressed = [](const std::string& record) {
        return record.rfind("key ", 0) == 0 && record.find(" Pressed") != std::string::npos;
    };
    std::set<int> keys_down;
    for (const std::string& cap : caps) {
        SCOPED_TRACE(cap);
        ASSERT_TRUE(xinput::run("keydown " + cap));
        const Records records = pollUntil([&](const Records& polled) {
            return std::any_of(polled.begin(), polled.end(), pressed);
        });
        // xdotool holds Control_L with Control_R, and Shift_L with Shift_R.
        const auto press = std::find_if(records.rbegin(), records.rend(), pressed);
        ASSERT_NE(press, records.rend());
        const int key = std::stoi(press->substr(4));
        EXPECT_TRUE(input().isKeyDown(static_cast<vl::Key>(key)));
        ASSERT_TRUE(xinput::run("keyup " + cap));
        pollUntilRecorded("key " + std::to_string(key) + " Released");
        EXPECT_FALSE(input().isKeyDown(static_cast<vl::Key>(key)));
        keys_down.insert(key);
    }
    EXPECT_EQ(keys_down.size(), caps.size());
    EXPECT_EQ(keys_down.count(-1), 0u);
}

// A request to close the window, as from a window manager's close button,
// finishes the game only when the game asked for that; the window stays open.
TEST_F(RealInput, CloseRequestFinishesTheGameOnlyWhenAskedTo) {
    vl::GameManager& game = vl::GameManager::getInstance();
    for (const bool finish_on_close : {false, true}) {
        SCOPED_TRACE(finish_on_close);
        game.setFinished(false);
        game.setFinishOnClose(finish_on_close);
        ASSERT_TRUE(xinput::requestClose(window->getSystemHandle()));
        ASSERT_TRUE(drain());  // the request was queued before the key drain types
        EXPECT_EQ(game.isFinished(), finish_on_close);
        EXPECT_TRUE(window->isOpen());
    }
    game.setFinishOnClose(false);
    game.setFinished(false);
}

// One press, a Held every poll (W before D; arrows are never Held), one release.
TEST_F(RealInput, HeldKeysGiveOnePressAHeldEveryPollAndOneRelease) {
    ASSERT_TRUE(xinput::run("keydown w"));
    Records records = keys(pollUntilRecorded("key 57 Pressed"));
    EXPECT_EQ(std::count(records.begin(), records.end(), "key 57 Pressed"), 1);
    EXPECT_EQ(keys(pollOnce()), Records{"key 57 Held"});
    ASSERT_TRUE(xinput::run("keydown d Left"));
    pollUntil([](const Records& records) {
        return contains(records, "key 38 Pressed") && contains(records, "key 4 Pressed");
    });
    // An object made during a poll gets the rest of that poll's events.
    Probe* latecomer = nullptr;
    recorder->on_event = [&](Probe&, const vl::Event&) {
        if (latecomer == nullptr && received.back() == "key 57 Held") {
            latecomer = new Probe("", &late_received);
        }
    };
    for (int poll = 0; poll < kHeldPolls; ++poll) {
        EXPECT_EQ(keys(pollOnce()), (Records{"key 57 Held", "key 38 Held"})) << "poll " << poll;
    }
    recorder->on_event = nullptr;
    ASSERT_NE(latecomer, nullptr);
    EXPECT_EQ(keys(late_received),
              (Records{"key 38 Held", "key 57 Held", "key 38 Held", "key 57 Held", "key 38 Held"}));
    // Stopped, input reads nothing; started again, it finds the keys still held.
    input().shutDown();
    for (int poll = 0; poll < kHeldPolls; ++poll) {
        EXPECT_EQ(pollOnce(), Records{}) << "poll " << poll;
    }
    ASSERT_EQ(input().startUp(), 0);
    EXPECT_TRUE(contains(pollOnce(), "key 57 Held"));

    ASSERT_TRUE(xinput::run("keyup d w"));
    records = keys(pollUntilRecorded("key 57 Released"));
    EXPECT_EQ(std::count(records.begin(), records.end(), "key 57 Released"), 1);
    EXPECT_FALSE(contains(records, "key 57 Pressed"));
    EXPECT_EQ(keys(pollOnce()), Records{});
    ASSERT_TRUE(xinput::run("keyup Left"));
    EXPECT_EQ(keys(pollUntilRecorded("key 4 Released")), Records{"key 4 Released"});

    // Input needs the world to send its events to.
    input().shutDown();
    vl::WorldManager::getInstance().shutDown();
    EXPECT_EQ(input().startUp(), -1);
    EXPECT_FALSE(input().isStarted());
    vl::WorldManager::getInstance().startUp();
}

// Held past the server's repeat delay, a key gives one press while input runs.
TEST_F(RealInput, KeyRepeatIsOffWhileStartedAndBackOnAfterShutDown) {
    const xinput::QuickKeyRepeat quick_repeat;
    ASSERT_TRUE(xinput::run("keydown w"));
    const auto hold_end = std::chrono::steady_clock::now() + xinput::kRepeatingHold;
    Records records =
        pollUntil([&](const Records&) { return std::chrono::steady_clock::now() > hold_end; });
    ASSERT_TRUE(xinput::run("keyup w"));
    const Records release = pollUntilRecorded("key 57 Released");
    records.insert(records.end(), release.begin(), release.end());
    EXPECT_EQ(std::count(records.begin(), records.end(), "key 57 Pressed"), 1);

    // Stopped, the window repeats the key again: held until it does, then let go.
    input().shutDown();
    ASSERT_TRUE(xinput::run("keydown w"));
    int presses = 0;
    bool let_go = false;
    bool released = false;
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (!released && std::chrono::steady_clock::now() < deadline) {
        sf::Event event;
        while (window->pollEvent(event)) {
            const bool pressed = event.type == sf::Event::KeyPressed;
            const bool w = (pressed || event.type == sf::Event::KeyReleased) &&
                           event.key.code == sf::Keyboard::W;
            presses += pressed && w ? 1 : 0;
            released = released || (let_go && !pressed && w);
        }
        if (presses > 1 && !let_go) {
            let_go = xinput::run("keyup w");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    EXPECT_TRUE(released);
    EXPECT_GT(presses, 1);
}

TEST_F(RealInput, HeldMouseButtonsComeLeftRightMiddleWithoutPosition) {
    ASSERT_TRUE(xinput::run("mousedown 3"));
    ASSERT_TRUE(xinput::run("mousedown 1"));
    pollUntilRecorded("mouse Held Right 0,0");
    for (int poll = 0; poll < kHeldPolls; ++poll) {
        EXPECT_EQ(startingWith(pollOnce(), "mouse Held"),
                  (Records{"mouse Held Left 0,0", "mouse Held Right 0,0"}))
            << "poll " << poll;
    }

    ASSERT_TRUE(xinput::run("mousedown 2"));
    pollUntilRecorded("mouse Held Middle 0,0");
    EXPECT_EQ(startingWith(pollOnce(), "mouse Held"),
              (Records{"mouse Held Left 0,0", "mouse Held Right 0,0", "mouse Held Middle 0,0"}));
}

// A click within one poll is not lost: the press and the release arrive in
// order, where the pointer is; a button beyond the three comes as Undefined.
TEST_F(RealInput, QuickClicksArriveAsPressThenReleaseWhereThePointerIs) {
    ASSERT_TRUE(xinput::run("click 1 click 3 click 8"));
    Records clicks = pollUntilRecorded("mouse Released Undefined 512,384");
    clicks.erase(std::remove_if(clicks.begin(), clicks.end(),
                                [](const std::string& record) {
                                    return record.rfind("mouse Pressed", 0) != 0 &&
                                           record.rfind("mouse Released", 0) != 0;
                                }),
                 clicks.end());
    Records expected;
    for (const char* button : {"Left", "Right", "Undefined"}) {
        expected.push_back(std::string("mouse Pressed ") + button + " 512,384");
        expected.push_back(std::string("mouse Released ") + button + " 512,384");
    }
    EXPECT_EQ(clicks, expected);
}

// Whatever size the window is given, pointer positions arrive in the picture's
// 1024 x 768 pixels and the reticle's + lands in the cell under the pointer.
TEST_F(RealInput, PointerMovesArriveInPicturePixelsAtAnyWindowSize) {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    new Reticle;
    struct Case {
        sf::Vector2u window_size;
        sf::Vector2i pointer;
        std::string record;
    };
    const Case cases[] = {
        {{1280, 960}, {1000, 900}, "mouse Moved Undefined 800,720"},
        {{640, 600}, {100, 160}, "mouse Moved Undefined 160,160"},
        {{1024, 768}, {600, 320}, "mouse Moved Undefined 600,320"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        window->setPosition(sf::Vector2i(0, 0));
        window->setSize(c.window_size);
        pollUntil([&](const Records&) { return window->getSize() == c.window_size; });
        ASSERT_TRUE(xinput::run("mousemove --window " + windowId() + " " +
                                std::to_string(c.pointer.x) + " " + std::to_string(c.pointer.y)));
        const Records records = pollUntilRecorded(c.record);
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.back(), c.record);
        EXPECT_EQ(keys(records), Records{});

        // The window system hands GL the new size at the first present.
        vl::WorldManager::getInstance().drawAll();
        display.presentFrame();
        vl::WorldManager::getInstance().drawAll();
        const sf::Image image = display.captureFrame();
        display.presentFrame();
        const float scale = display.getLayout().scale;
        const sf::IntRect pointed_cell(c.pointer.x - 1, c.pointer.y,
                                       static_cast<int>(12 * scale) + 2,
                                       static_cast<int>(32 * scale));
        const sf::IntRect whole(0, 0, static_cast<int>(c.window_size.x),
                                static_cast<int>(c.window_size.y));
        savePicture(image, std::to_string(c.window_size.x) + ".png");
        EXPECT_GT(countLitPixels(image, pointed_cell), 10);
        EXPECT_EQ(countLitPixels(image, pointed_cell), countLitPixels(image, whole));
    }
}

}  // namespace
