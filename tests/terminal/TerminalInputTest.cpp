#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <vl/platform/terminal/TerminalInput.h>

namespace {

using Clock = vl::TerminalInput::Clock;

std::string describe(const sf::Event& event) {
    switch (event.type) {
        case sf::Event::KeyPressed:
            return "press " + std::to_string(event.key.code);
        case sf::Event::KeyReleased:
            return "release " + std::to_string(event.key.code);
        case sf::Event::MouseMoved:
            return "move " + std::to_string(event.mouseMove.x) + "," +
                   std::to_string(event.mouseMove.y);
        case sf::Event::MouseButtonPressed:
        case sf::Event::MouseButtonReleased:
            return std::string(event.type == sf::Event::MouseButtonPressed ? "down " : "up ") +
                   std::to_string(event.mouseButton.button) + " " +
                   std::to_string(event.mouseButton.x) + "," + std::to_string(event.mouseButton.y);
        case sf::Event::LostFocus:
            return "focus out";
        case sf::Event::GainedFocus:
            return "focus in";
        default:
            return "other";
    }
}

struct Feed {
    int at_ms;
    std::string bytes;
};

// Feeds the bytes at their times, taking the events due after each and at
// the end; Ctrl+C shows as "interrupt".
std::string read(bool releases, const std::vector<Feed>& feeds, int end_ms) {
    vl::TerminalInput input;
    input.setReleases(releases);
    input.setPictureCorner(9, 2);
    const Clock::time_point start = Clock::now();
    std::string events;
    const auto take = [&](int at_ms) {
        sf::Event event;
        while (input.next(event, start + std::chrono::milliseconds(at_ms))) {
            events += (events.empty() ? "" : ", ") + describe(event);
        }
        if (input.takeInterrupt()) {
            events += (events.empty() ? "" : ", ") + std::string("interrupt");
        }
    };
    for (const Feed& feed : feeds) {
        input.feed(feed.bytes.data(), feed.bytes.size(),
                   start + std::chrono::milliseconds(feed.at_ms));
        take(feed.at_ms);
    }
    take(end_ms);
    return events;
}

constexpr int D = sf::Keyboard::D;
constexpr int W = sf::Keyboard::W;
constexpr int Up = sf::Keyboard::Up;
constexpr int Escape = sf::Keyboard::Escape;

std::string key(const char* action, int code) {
    return std::string(action) + " " + std::to_string(code);
}

// What a terminal sends becomes the events a window would give, whether the
// terminal reports releases or only repeats.
TEST(TerminalInput, BytesBecomeTheEventsAWindowGives) {
    const struct {
        const char* what;
        bool releases;
        std::vector<Feed> feeds;
        int end_ms;
        std::string events;
    } cases[] = {
        {"a key pressed, repeated, released",
         true,
         {{0, "\x1b[100;1:1u"}, {5, "\x1b[100;1:2u"}, {9, "\x1b[100;1:3u"}},
         10,
         key("press", D) + ", " + key("release", D)},
        {"a key held for ever with releases", true, {{0, "\x1b[119u"}}, 60000, key("press", W)},
        {"an arrow, in two reads",
         true,
         {{0, "\x1b[1;1"}, {1, ":1A"}, {2, "\x1b[1;1:3A"}},
         3,
         key("press", Up) + ", " + key("release", Up)},
        {"Ctrl+C with the protocol", true, {{0, "\x1b[99;5u"}}, 1, "interrupt"},
        {"Ctrl+C without", false, {{0, "\x03"}}, 1, "interrupt"},
        {"a tap without releases lasts until its repeat is overdue",
         false,
         {{0, "w"}},
         699,
         key("press", W)},
        {"... and ends then", false, {{0, "w"}}, 700, key("press", W) + ", " + key("release", W)},
        {"repeats keep it down", false, {{0, "w"}, {660, "w"}, {700, "w"}}, 849, key("press", W)},
        {"until they stop",
         false,
         {{0, "w"}, {660, "w"}, {700, "w"}},
         850,
         key("press", W) + ", " + key("release", W)},
        {"a lone Escape, however often asked",
         false,
         {{0, "\x1b"}, {20, ""}, {39, ""}},
         40,
         key("press", Escape)},
        {"not before the rest of a sequence could come", false, {{0, "\x1b"}}, 39, ""},
        {"the start of a sequence", false, {{0, "\x1b"}, {5, "[A"}}, 6, key("press", Up)},
        {"the pointer over a cell is its centre's pixel",
         true,
         {{0, "\x1b[<35;11;4M"}, {1, "\x1b[<0;12;4M"}, {2, "\x1b[<0;12;4m"}},
         3,
         "move 18,48, move 30,48, down 0 30,48, up 0 30,48"},
        {"the wheel is not the game's", true, {{0, "\x1b[<64;11;4M"}}, 1, ""},
        {"keys let go while the focus is away",
         true,
         {{0, "\x1b[100;1:1u"}, {1, "\x1b[O"}, {2, "\x1b[I"}},
         3,
         key("press", D) + ", " + key("release", D) + ", focus out, focus in"},
        {"answers to queries are no input", true, {{0, "\x1b[?1u\x1b[?62;22c"}}, 1, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(read(c.releases, c.feeds, c.end_ms), c.events) << c.what;
    }
}

}  // namespace
