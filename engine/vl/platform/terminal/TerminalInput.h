#pragma once

#include <SFML/Window/Event.hpp>
#include <array>
#include <chrono>
#include <cstddef>
#include <deque>
#include <string>

namespace vl {

/// Turns the bytes a terminal sends into the window library's events: keys,
/// the mouse (SGR reports, with motion) and the focus (focus reports), and
/// keeps which keys and buttons are down. Keys come in one of two ways:
/// - with releases, where the terminal speaks the keyboard protocol of
///   CSI u with event types: a key is down from its press to its release;
/// - without, from the plain bytes a terminal sends (xterm, tmux): a key is
///   down from its press until its repeats stop, that is kFirstRepeat after
///   the press without a repeat, or kLaterRepeat after the last repeat.
class TerminalInput {
  public:
    /// The clock the times given to feed and next are read from.
    using Clock = std::chrono::steady_clock;
    /// How long a key without releases stays down after its press: longer
    /// than the usual delay before a held key repeats (660 ms on X, 500 ms on
    /// most desktops).
    static constexpr std::chrono::milliseconds kFirstRepeat{700};
    /// How long it stays down after each repeat: longer than the time
    /// between repeats.
    static constexpr std::chrono::milliseconds kLaterRepeat{150};
    /// How long a lone Escape waits for the rest of a sequence.
    static constexpr std::chrono::milliseconds kEscapeWait{40};

    /// Takes bytes read from the terminal at now.
    void feed(const char* bytes, std::size_t size, Clock::time_point now);
    /// The next event due by now, in the order the terminal sent them; a key
    /// without releases is released by its timing. False when none is due.
    bool next(sf::Event& event, Clock::time_point now);
    /// Whether keys come with their releases (the terminal speaks the protocol).
    void setReleases(bool on) { releases = on; }
    /// Where the picture's top-left cell lies in the terminal: a pointer over
    /// picture cell (x, y) is reported at that cell's centre in picture pixels.
    void setPictureCorner(int left, int top);

    /// Whether the key is down, as of the events handed out.
    bool isKeyDown(sf::Keyboard::Key key) const;
    /// Whether the button is down, as of the events handed out.
    bool isButtonDown(sf::Mouse::Button button) const;
    /// Whether Ctrl+C came since the last call.
    bool takeInterrupt();
    /// Whether the terminal has the focus: true until it reports otherwise.
    bool hasFocus() const { return focused; }
    /// Whether the focus moved since the last call.
    bool takeFocusMove();
    /// Whether the terminal answered the keyboard protocol's query.
    bool sawKeyboardReply() const { return keyboard_reply; }
    /// Whether it answered the device attributes query, which follows it.
    bool sawAttributesReply() const { return attributes_reply; }

  private:
    /// Parses what pending holds, as far as it goes; a lone Escape or an
    /// unfinished sequence waits for more until kEscapeWait has passed.
    void parse(Clock::time_point now);
    /// Parses the control sequence whose parameters and final byte are given.
    void controlSequence(const std::string& parameters, char final_byte, Clock::time_point now);
    /// A key the protocol reports, by its code and event type (1 press,
    /// 2 repeat, 3 release) and modifiers (1 + the sum of shift 1, alt 2, ctrl 4).
    void protocolKey(sf::Keyboard::Key key, int event_type, Clock::time_point now);
    /// A key read from plain bytes: a press, or a repeat while it is down.
    void plainKey(sf::Keyboard::Key key, Clock::time_point now);
    void mouse(const std::string& parameters, bool press);
    void push(const sf::Event& event) { events.push_back(event); }

    std::string pending;
    Clock::time_point pending_since;
    std::deque<sf::Event> events;
    bool releases = false;
    int picture_left = 0;
    int picture_top = 0;
    /// Keys down as of the events queued, and, without releases, when each
    /// counts as released.
    std::array<bool, sf::Keyboard::KeyCount> queued_down{};
    std::array<Clock::time_point, sf::Keyboard::KeyCount> release_due{};
    /// Keys and buttons down as of the events handed out.
    std::array<bool, sf::Keyboard::KeyCount> keys_down{};
    std::array<bool, sf::Mouse::ButtonCount> buttons_down{};
    int pointer_x = -1;
    int pointer_y = -1;
    bool interrupted = false;
    bool focused = true;
    bool focus_moved = false;
    bool keyboard_reply = false;
    bool attributes_reply = false;
};

}  // namespace vl
