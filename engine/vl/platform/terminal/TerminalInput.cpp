#include "vl/platform/terminal/TerminalInput.h"

#include <cstdlib>
#include <vector>

#include "vl/display/DisplayManager.h"

namespace vl {

namespace {

using SfKey = sf::Keyboard::Key;

// The key whose cap sends the character on a US layout, shifted or not.
SfKey characterKey(unsigned code) {
    if (code >= 'a' && code <= 'z') {
        return static_cast<SfKey>(sf::Keyboard::A + static_cast<int>(code - 'a'));
    }
    if (code >= 'A' && code <= 'Z') {
        return static_cast<SfKey>(sf::Keyboard::A + static_cast<int>(code - 'A'));
    }
    if (code >= '0' && code <= '9') {
        return static_cast<SfKey>(sf::Keyboard::Num0 + static_cast<int>(code - '0'));
    }
    static const struct {
        const char* characters;
        SfKey key;
    } kSymbols[] = {
        {" ", sf::Keyboard::Space},      {"\r\n", sf::Keyboard::Enter},
        {"\t", sf::Keyboard::Tab},       {"\x7f\b", sf::Keyboard::Backspace},
        {"\x1b", sf::Keyboard::Escape},  {"-_", sf::Keyboard::Hyphen},
        {"=+", sf::Keyboard::Equal},     {"`~", sf::Keyboard::Tilde},
        {".>", sf::Keyboard::Period},    {",<", sf::Keyboard::Comma},
        {"/?", sf::Keyboard::Slash},     {"\\|", sf::Keyboard::Backslash},
        {"*", sf::Keyboard::Multiply},   {"'\"", sf::Keyboard::Quote},
        {";:", sf::Keyboard::Semicolon}, {"!", sf::Keyboard::Num1},
        {"@", sf::Keyboard::Num2},       {"#", sf::Keyboard::Num3},
        {"$", sf::Keyboard::Num4},       {"%", sf::Keyboard::Num5},
        {"^", sf::Keyboard::Num6},       {"&", sf::Keyboard::Num7},
        {"(", sf::Keyboard::Num9},       {")", sf::Keyboard::Num0},
    };
    for (const auto& symbol : kSymbols) {
        for (const char* c = symbol.characters; *c != '\0'; ++c) {
            if (static_cast<unsigned char>(*c) == code) {
                return symbol.key;
            }
        }
    }
    return sf::Keyboard::Unknown;
}

// The keys the protocol reports by codes of their own, beyond characters.
SfKey protocolCodeKey(unsigned code) {
    static const struct {
        unsigned code;
        SfKey key;
    } kCodes[] = {
        {57441, sf::Keyboard::LShift},   {57442, sf::Keyboard::LControl},
        {57443, sf::Keyboard::LAlt},     {57447, sf::Keyboard::RShift},
        {57448, sf::Keyboard::RControl}, {57449, sf::Keyboard::RAlt},
        {57362, sf::Keyboard::Pause},    {57411, sf::Keyboard::Multiply},
        {57414, sf::Keyboard::Enter},
    };
    for (const auto& entry : kCodes) {
        if (entry.code == code) {
            return entry.key;
        }
    }
    if (code >= 57399 && code <= 57408) {
        return static_cast<SfKey>(sf::Keyboard::Numpad0 + static_cast<int>(code - 57399));
    }
    return characterKey(code);
}

// The key of a sequence ending in a letter (arrows, F1 to F4) or in "~".
SfKey sequenceKey(char final_byte, int number) {
    switch (final_byte) {
        case 'A':
            return sf::Keyboard::Up;
        case 'B':
            return sf::Keyboard::Down;
        case 'C':
            return sf::Keyboard::Right;
        case 'D':
            return sf::Keyboard::Left;
        case 'H':
            return sf::Keyboard::Home;
        case 'F':
            return sf::Keyboard::End;
        case 'P':
            return sf::Keyboard::F1;
        case 'Q':
            return sf::Keyboard::F2;
        case 'R':
            return sf::Keyboard::F3;
        case 'S':
            return sf::Keyboard::F4;
        case '~':
            break;
        default:
            return sf::Keyboard::Unknown;
    }
    static const struct {
        int number;
        SfKey key;
    } kTildeKeys[] = {
        {2, sf::Keyboard::Insert},   {3, sf::Keyboard::Delete}, {5, sf::Keyboard::PageUp},
        {6, sf::Keyboard::PageDown}, {11, sf::Keyboard::F1},    {12, sf::Keyboard::F2},
        {13, sf::Keyboard::F3},      {14, sf::Keyboard::F4},    {15, sf::Keyboard::F5},
        {17, sf::Keyboard::F6},      {18, sf::Keyboard::F7},    {19, sf::Keyboard::F8},
        {20, sf::Keyboard::F9},      {21, sf::Keyboard::F10},   {23, sf::Keyboard::F11},
        {24, sf::Keyboard::F12},
    };
    for (const auto& entry : kTildeKeys) {
        if (entry.number == number) {
            return entry.key;
        }
    }
    return sf::Keyboard::Unknown;
}

// The numbers of a parameter string such as "1;5:3": fields split at ';',
// each field's parts at ':'; a missing number is 0.
std::vector<std::vector<int>> numbers(const std::string& parameters) {
    std::vector<std::vector<int>> fields(1, std::vector<int>(1, 0));
    for (const char c : parameters) {
        if (c == ';') {
            fields.emplace_back(1, 0);
        } else if (c == ':') {
            fields.back().push_back(0);
        } else if (c >= '0' && c <= '9' && fields.back().back() < 10000000) {
            fields.back().back() = fields.back().back() * 10 + (c - '0');
        }
    }
    return fields;
}

int part(const std::vector<std::vector<int>>& fields, std::size_t field, std::size_t index,
         int otherwise) {
    return field < fields.size() && index < fields[field].size() && fields[field][index] != 0
               ? fields[field][index]
               : otherwise;
}

sf::Event keyEvent(sf::Event::EventType type, SfKey key) {
    sf::Event event{};
    event.type = type;
    event.key.code = key;
    return event;
}

bool isKnown(SfKey key) {
    return key > sf::Keyboard::Unknown && key < sf::Keyboard::KeyCount;
}

}  // namespace

void TerminalInput::feed(const char* bytes, std::size_t size, Clock::time_point now) {
    if (pending.empty()) {
        pending_since = now;
    }
    pending.append(bytes, size);
    parse(now);
}

void TerminalInput::setPictureCorner(int left, int top) {
    picture_left = left;
    picture_top = top;
}

void TerminalInput::parse(Clock::time_point now) {
    constexpr std::size_t kLongestSequence = 64;
    const bool waited = now - pending_since >= kEscapeWait;
    std::size_t i = 0;
    while (i < pending.size()) {
        const auto byte = static_cast<unsigned char>(pending[i]);
        if (byte == 0x03) {
            interrupted = true;
            ++i;
            continue;
        }
        if (byte != 0x1b) {
            if (!releases) {
                const SfKey key = characterKey(byte);
                if (isKnown(key)) {
                    plainKey(key, now);
                }
            }
            ++i;
            continue;
        }
        if (i + 1 == pending.size()) {
            if (!waited) {
                break;
            }
            plainKey(sf::Keyboard::Escape, now);
            ++i;
            continue;
        }
        const char introducer = pending[i + 1];
        if (introducer == '[' || introducer == 'O') {
            std::size_t end = i + 2;
            while (end < pending.size() && (pending[end] < 0x40 || pending[end] > 0x7e)) {
                ++end;
            }
            if (end == pending.size()) {
                if (!waited && end - i < kLongestSequence) {
                    break;
                }
                i = end;  // an unfinished sequence that will not be finished
                continue;
            }
            const std::string parameters = pending.substr(i + 2, end - i - 2);
            if (introducer == '[') {
                controlSequence(parameters, pending[end], now);
            } else {
                plainKey(sequenceKey(pending[end], 0), now);
            }
            i = end + 1;
            continue;
        }
        // Escape before a character is Alt with it, or Escape typed twice.
        if (introducer == 0x1b) {
            plainKey(sf::Keyboard::Escape, now);
        }
        ++i;
    }
    // What is left waits from when it was first left.
    if (i > 0) {
        pending.erase(0, i);
        pending_since = now;
    }
}

void TerminalInput::controlSequence(const std::string& parameters, char final_byte,
                                    Clock::time_point now) {
    const char marker = parameters.empty() ? '\0' : parameters[0];
    if (marker == '?') {
        keyboard_reply = keyboard_reply || final_byte == 'u';
        attributes_reply = attributes_reply || final_byte == 'c';
        return;
    }
    if (marker == '<' && (final_byte == 'M' || final_byte == 'm')) {
        mouse(parameters.substr(1), final_byte == 'M');
        return;
    }
    if (parameters.empty() && (final_byte == 'I' || final_byte == 'O')) {
        const bool in = final_byte == 'I';
        // Keys let go in another window send no release here.
        for (std::size_t key = 0; key < queued_down.size() && !in; ++key) {
            if (queued_down[key]) {
                queued_down[key] = false;
                push(keyEvent(sf::Event::KeyReleased, static_cast<SfKey>(key)));
            }
        }
        sf::Event event{};
        event.type = in ? sf::Event::GainedFocus : sf::Event::LostFocus;
        push(event);
        return;
    }
    const std::vector<std::vector<int>> fields = numbers(parameters);
    const int modifiers = part(fields, 1, 0, 1) - 1;
    const int event_type = part(fields, 1, 1, 1);
    SfKey key = sf::Keyboard::Unknown;
    if (final_byte == 'u') {
        const int code = part(fields, 0, 0, 0);
        if (code == 'c' && (modifiers & 4) != 0) {
            interrupted = interrupted || event_type == 1;
            return;
        }
        key = protocolCodeKey(static_cast<unsigned>(code));
    } else {
        key = sequenceKey(final_byte, part(fields, 0, 0, 0));
    }
    if (!isKnown(key)) {
        return;
    }
    if (releases) {
        protocolKey(key, event_type, now);
    } else {
        plainKey(key, now);
    }
}

void TerminalInput::protocolKey(SfKey key, int event_type, Clock::time_point) {
    const auto index = static_cast<std::size_t>(key);
    if (event_type == 3) {
        if (queued_down[index]) {
            queued_down[index] = false;
            push(keyEvent(sf::Event::KeyReleased, key));
        }
        return;
    }
    // A repeat of a key whose press was missed counts as its press.
    if (!queued_down[index]) {
        queued_down[index] = true;
        push(keyEvent(sf::Event::KeyPressed, key));
    }
}

void TerminalInput::plainKey(SfKey key, Clock::time_point now) {
    if (!isKnown(key)) {
        return;
    }
    const auto index = static_cast<std::size_t>(key);
    if (releases) {
        // A key outside the protocol's reports, such as Escape typed alone.
        push(keyEvent(sf::Event::KeyPressed, key));
        push(keyEvent(sf::Event::KeyReleased, key));
        return;
    }
    if (queued_down[index]) {
        release_due[index] = now + kLaterRepeat;
        return;
    }
    queued_down[index] = true;
    release_due[index] = now + kFirstRepeat;
    push(keyEvent(sf::Event::KeyPressed, key));
}

void TerminalInput::mouse(const std::string& parameters, bool press) {
    const std::vector<std::vector<int>> fields = numbers(parameters);
    if (fields.size() != 3) {
        return;
    }
    const int code = fields[0][0];
    // Wheel reports are not the game's.
    if ((code & 64) != 0) {
        return;
    }
    constexpr int kCellWidth = kWindowHorizontalPixels / kWindowHorizontalCells;
    constexpr int kCellHeight = kWindowVerticalPixels / kWindowVerticalCells;
    const int x = (fields[1][0] - 1 - picture_left) * kCellWidth + kCellWidth / 2;
    const int y = (fields[2][0] - 1 - picture_top) * kCellHeight + kCellHeight / 2;
    if (x != pointer_x || y != pointer_y) {
        pointer_x = x;
        pointer_y = y;
        sf::Event moved{};
        moved.type = sf::Event::MouseMoved;
        moved.mouseMove.x = x;
        moved.mouseMove.y = y;
        push(moved);
    }
    if ((code & 32) != 0 || (code & 3) == 3) {
        return;
    }
    static const sf::Mouse::Button kButtons[] = {sf::Mouse::Left, sf::Mouse::Middle,
                                                 sf::Mouse::Right};
    sf::Event event{};
    event.type = press ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased;
    event.mouseButton.button = kButtons[code & 3];
    event.mouseButton.x = x;
    event.mouseButton.y = y;
    push(event);
}

bool TerminalInput::next(sf::Event& event, Clock::time_point now) {
    if (!pending.empty()) {
        parse(now);
    }
    if (!releases) {
        for (std::size_t key = 0; key < queued_down.size(); ++key) {
            if (queued_down[key] && release_due[key] <= now) {
                queued_down[key] = false;
                push(keyEvent(sf::Event::KeyReleased, static_cast<SfKey>(key)));
            }
        }
    }
    if (events.empty()) {
        return false;
    }
    event = events.front();
    events.pop_front();
    switch (event.type) {
        case sf::Event::KeyPressed:
        case sf::Event::KeyReleased:
            keys_down[static_cast<std::size_t>(event.key.code)] =
                event.type == sf::Event::KeyPressed;
            break;
        case sf::Event::MouseButtonPressed:
        case sf::Event::MouseButtonReleased:
            buttons_down[static_cast<std::size_t>(event.mouseButton.button)] =
                event.type == sf::Event::MouseButtonPressed;
            break;
        case sf::Event::GainedFocus:
        case sf::Event::LostFocus:
            focus_moved = focus_moved || focused != (event.type == sf::Event::GainedFocus);
            focused = event.type == sf::Event::GainedFocus;
            break;
        default:
            break;
    }
    return true;
}

bool TerminalInput::isKeyDown(SfKey key) const {
    return isKnown(key) && keys_down[static_cast<std::size_t>(key)];
}

bool TerminalInput::isButtonDown(sf::Mouse::Button button) const {
    return button >= 0 && button < sf::Mouse::ButtonCount &&
           buttons_down[static_cast<std::size_t>(button)];
}

bool TerminalInput::takeInterrupt() {
    const bool was = interrupted;
    interrupted = false;
    return was;
}

bool TerminalInput::takeFocusMove() {
    const bool moved = focus_moved;
    focus_moved = false;
    return moved;
}

}  // namespace vl
