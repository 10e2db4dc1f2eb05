#include "vl/platform/terminal/TerminalPlatform.h"

#include "vl/input/KeyName.h"

namespace vl {

namespace {

// The keyboard protocol's query, then the device attributes query, which
// every terminal answers: an answer to the first before the second's means
// the protocol is spoken.
constexpr char kQueries[] = "\x1b[?u\x1b[c";

}  // namespace

int TerminalPlatform::openCells() {
    if (session.open() != 0) {
        return -1;
    }
    session.write(kQueries);
    const auto deadline =
        TerminalInput::Clock::now() + std::chrono::milliseconds(kAnswerMilliseconds);
    while (!input.sawAttributesReply() && !lost && TerminalInput::Clock::now() < deadline) {
        readTerminal(10);
    }
    if (input.sawKeyboardReply()) {
        session.pushKeyboardFlags();
        input.setReleases(true);
    }
    followSize();
    return 0;
}

void TerminalPlatform::followSize() {
    int columns = 0;
    int rows = 0;
    if (session.size(columns, rows)) {
        screen.resize(columns, rows);
        input.setPictureCorner(screen.getLeft(), screen.getTop());
    }
}

void TerminalPlatform::readTerminal(int timeout_ms) {
    char buffer[512];
    long got = session.read(buffer, sizeof buffer, timeout_ms);
    while (got > 0) {
        input.feed(buffer, static_cast<std::size_t>(got), TerminalInput::Clock::now());
        got = session.read(buffer, sizeof buffer, 0);
    }
    lost = lost || got < 0;
}

void TerminalPlatform::presentCells(const std::vector<FrameCell>& cells) {
    if (session.takeResize()) {
        followSize();
    }
    const std::string bytes = screen.frame(cells);
    bytes_written += bytes.size();
    if (!bytes.empty() && !session.write(bytes)) {
        lost = true;
    }
}

bool TerminalPlatform::pollEvent(sf::Event& event) {
    readTerminal(0);
    return input.next(event, TerminalInput::Clock::now());
}

bool TerminalPlatform::takeCloseRequest() {
    readTerminal(0);
    return input.takeInterrupt();
}

bool TerminalPlatform::wasKeyDown(Key key) const {
    const KeyName* name = findKeyName(key);
    return name != nullptr && input.isKeyDown(name->sf_key);
}

bool TerminalPlatform::wasButtonDown(MouseButton button) const {
    switch (button) {
        case MouseButton::Left:
            return input.isButtonDown(sf::Mouse::Left);
        case MouseButton::Right:
            return input.isButtonDown(sf::Mouse::Right);
        case MouseButton::Middle:
            return input.isButtonDown(sf::Mouse::Middle);
        default:
            return false;
    }
}

std::unique_ptr<Platform> makeTerminalPlatform() {
    return std::make_unique<TerminalPlatform>();
}

}  // namespace vl
