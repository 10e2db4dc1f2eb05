#pragma once

#include <cstddef>
#include <string>

namespace vl {

/// The terminal on standard input and output, taken over for a game and
/// given back exactly as it was. While it is taken: input is raw (no echo, no
/// line editing, Ctrl+C a byte like any other), the alternate screen is
/// shown with the cursor hidden, the mouse (with motion, SGR) and the focus
/// are reported, and what the program writes to standard output or error is
/// kept and written out once the terminal is given back, so that it neither
/// spoils the picture nor is lost. Every way out gives the terminal back: a
/// normal end, exit, SIGTERM, SIGHUP, SIGINT, SIGQUIT, and a crash (SIGSEGV,
/// SIGABRT, SIGBUS, SIGFPE, SIGILL), after which the signal's default action
/// follows. One session at a time.
class TerminalSession {
  public:
    ~TerminalSession();

    /// Why no game can be played in this terminal, such as "standard output
    /// is not a terminal"; empty when one can.
    static std::string missingSupport();
    /// Takes the terminal over; -1, with nothing changed, when it cannot.
    int open();
    /// Asks the terminal for keys with their releases (the keyboard
    /// protocol's flags pushed); giving the terminal back pops them.
    void pushKeyboardFlags();
    /// Whether the terminal is taken.
    bool isOpen() const;
    /// Writes the bytes to the terminal; false when it is gone.
    bool write(const std::string& bytes);
    /// Reads what the terminal sent, waiting up to timeout_ms for it: the
    /// number of bytes, 0 for none, -1 when the terminal is gone.
    long read(char* buffer, std::size_t size, int timeout_ms);
    /// The terminal's size in cells; false when it cannot be asked.
    bool size(int& columns, int& rows) const;
    /// Whether the terminal was resized since the last call.
    bool takeResize();
    /// Gives the terminal back, then writes out what the program wrote
    /// meanwhile. Does nothing when it is not taken.
    void close();
};

}  // namespace vl
