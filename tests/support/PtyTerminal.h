#pragma once

#include <sys/types.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

struct VTerm;
struct VTermScreen;

// The terminal modes a program has set, as read from what it wrote.
struct TerminalModes {
    bool alternate_screen = false;  // 1049, 1047 or 47
    bool cursor_visible = true;     // 25
    bool mouse_any_motion = false;  // 1003
    bool mouse_sgr = false;         // 1006
    bool focus_reporting = false;   // 1004
    int keyboard_stack_depth = 0;   // progressive keyboard flags pushed and not popped
};

// A terminal for tests: runs a program in a pseudo-terminal and keeps its
// screen with libvterm, which answers the queries it knows (device attributes,
// cursor position). Output is read only while pump() or a wait runs.
class PtyTerminal {
  public:
    PtyTerminal() = default;
    PtyTerminal(const PtyTerminal&) = delete;
    PtyTerminal& operator=(const PtyTerminal&) = delete;
    ~PtyTerminal();  // kills the program's process group if it still runs

    // Runs argv[0] (a path) in a terminal of columns x rows, with
    // TERM=xterm-256color and extra_env's "NAME=VALUE" set ("NAME=" unsets).
    // A program that cannot be run says so on the screen and exits with 127.
    bool start(const std::vector<std::string>& argv, int columns, int rows,
               const std::vector<std::string>& extra_env = {});
    // Answers the progressive keyboard query ESC [ ? u with the flags pushed
    // last, as a terminal that speaks that protocol does; off, as most do not.
    void setAnswersKeyboardQuery(bool answers) { answers_keyboard_query = answers; }

    // Waits up to milliseconds for output, then takes in what has come.
    void pump(int milliseconds);
    bool waitFor(const std::function<bool()>& condition, int timeout_ms);
    // Pumps until the program has exited and all its output is read.
    bool waitForExit(int timeout_ms, int& status);

    // Types bytes; false when not all could be written.
    bool send(const std::string& bytes) { return writeAll(bytes.data(), bytes.size()); }
    void resize(int columns, int rows);
    void kill(int signal);
    pid_t pid() const { return child; }

    int columns() const { return width; }
    int rows() const { return height; }
    // Row y in UTF-8, a space for each empty cell, trailing ones included.
    std::string row(int y) const;
    // A space for an empty cell, 0 outside the screen.
    char32_t glyphAt(int x, int y) const;
    // The foreground colour as 0-7 when it is one of the eight basic colours
    // (SGR 30-37 or 38;5;0-7), -1 otherwise.
    int colorAt(int x, int y) const;
    bool contains(const std::string& text) const;

    TerminalModes modes() const;
    // The flags of the last ESC [ > flags u not yet popped by ESC [ < u; 0 if none.
    int keyboardFlags() const { return keyboard_flags.empty() ? 0 : keyboard_flags.back(); }
    int keyboardStackDepth() const { return static_cast<int>(keyboard_flags.size()); }
    // How many ESC [ ? 2026 h (synchronized updates) an l has ended.
    int synchronizedUpdates() const { return synchronized_updates; }
    const std::string& output() const { return written; }

  private:
    void take(const char* bytes, size_t count);
    bool follow(char byte);  // true at the end of a keyboard query to answer
    bool control(char final_byte);
    bool reap();  // whether the program has exited
    bool writeAll(const char* bytes, size_t count);

    pid_t child = -1;
    bool exited = false;
    int wait_status = 0;
    int master = -1;
    bool hung_up = false;
    int width = 0;
    int height = 0;
    VTerm* vterm = nullptr;
    VTermScreen* screen = nullptr;
    bool answers_keyboard_query = false;

    enum class Scan { Text, Escape, Csi } scan = Scan::Text;
    std::string sequence;  // the CSI under way: its parameter bytes
    std::map<int, bool> private_modes;
    std::vector<int> keyboard_flags;
    int synchronized_updates = 0;
    std::string written;
};
