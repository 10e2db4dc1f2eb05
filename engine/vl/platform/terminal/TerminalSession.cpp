#include "vl/platform/terminal/TerminalSession.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace vl {

namespace {

// Shown on the way in: the alternate screen, the cursor hidden, any-motion
// mouse reports in SGR form, focus reports.
constexpr char kTakeOver[] = "\x1b[?1049h\x1b[?25l\x1b[?1003h\x1b[?1006h\x1b[?1004h";
// Undone on the way out, in the reverse order; a synchronized update cut off
// by a signal is ended too.
constexpr char kGiveBack[] =
    "\x1b[?2026l\x1b[?1004l\x1b[?1006l\x1b[?1003l\x1b[0m\x1b[?25h\x1b[?1049l";
constexpr char kPushFlags[] = "\x1b[>11u";
constexpr char kPopFlags[] = "\x1b[<u";

constexpr int kTakenSignals[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGSEGV,
                                 SIGABRT, SIGBUS, SIGFPE, SIGILL};

// What a signal handler needs to give the terminal back: plain data, set up
// before any handler can run.
struct Taken {
    volatile sig_atomic_t open = 0;
    volatile sig_atomic_t flags_pushed = 0;
    volatile sig_atomic_t resized = 0;
    termios saved{};
    // The terminal, and the standard output and error the program had.
    int terminal = -1;
    int saved_output = -1;
    int saved_error = -1;
    // Where standard output and error go meanwhile: memory files, or -1
    // for a stream left where it was.
    int kept_output = -1;
    int kept_error = -1;
    struct sigaction previous[sizeof kTakenSignals / sizeof kTakenSignals[0]];
    struct sigaction previous_resize;
};

Taken taken;

// False when not every byte could be written.
bool writeAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Puts the stream back and writes out what was kept of it.
void giveBackStream(int stream, int saved, int kept) {
    if (kept < 0) {
        return;
    }
    dup2(saved, stream);
    char buffer[4096];
    lseek(kept, 0, SEEK_SET);
    ssize_t got = 0;
    while ((got = ::read(kept, buffer, sizeof buffer)) > 0) {
        writeAll(stream, buffer, static_cast<std::size_t>(got));
    }
    ::close(kept);
    ::close(saved);
}

// Only async-signal-safe calls: it runs in signal handlers too.
void giveBack() {
    if (taken.open == 0) {
        return;
    }
    taken.open = 0;
    if (taken.flags_pushed != 0) {
        writeAll(taken.terminal, kPopFlags, sizeof kPopFlags - 1);
    }
    writeAll(taken.terminal, kGiveBack, sizeof kGiveBack - 1);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &taken.saved);
    giveBackStream(STDOUT_FILENO, taken.saved_output, taken.kept_output);
    giveBackStream(STDERR_FILENO, taken.saved_error, taken.kept_error);
    ::close(taken.terminal);
    taken.terminal = -1;
}

void onFatalSignal(int signal_number) {
    giveBack();
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

void onResize(int) {
    taken.resized = 1;
}

// Sends the stream into a memory file while the terminal is taken, when it
// goes to the terminal; leaves it alone otherwise (a log file, a pipe).
void keepStream(int stream, int& saved, int& kept) {
    struct stat terminal_status {};
    struct stat stream_status {};
    saved = -1;
    kept = -1;
    if (isatty(stream) == 0 || fstat(STDOUT_FILENO, &terminal_status) != 0 ||
        fstat(stream, &stream_status) != 0 || terminal_status.st_rdev != stream_status.st_rdev) {
        return;
    }
    kept = memfd_create("vl-kept-output", MFD_CLOEXEC);
    saved = kept >= 0 ? dup(stream) : -1;
    if (saved < 0 || dup2(kept, stream) < 0) {
        if (kept >= 0) {
            ::close(kept);
        }
        if (saved >= 0) {
            ::close(saved);
        }
        saved = -1;
        kept = -1;
    }
}

}  // namespace

TerminalSession::~TerminalSession() {
    close();
}

std::string TerminalSession::missingSupport() {
    if (isatty(STDIN_FILENO) == 0) {
        return "standard input is not a terminal";
    }
    if (isatty(STDOUT_FILENO) == 0) {
        return "standard output is not a terminal";
    }
    return std::string();
}

int TerminalSession::open() {
    if (taken.open != 0 || !missingSupport().empty() ||
        tcgetattr(STDIN_FILENO, &taken.saved) != 0) {
        return -1;
    }
    taken.terminal = dup(STDOUT_FILENO);
    if (taken.terminal < 0) {
        return -1;
    }
    termios raw = taken.saved;
    raw.c_iflag &=
        ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    raw.c_cflag |= CS8;
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 0;
    taken.flags_pushed = 0;
    taken.resized = 0;
    std::cout.flush();
    std::fflush(stdout);
    keepStream(STDOUT_FILENO, taken.saved_output, taken.kept_output);
    keepStream(STDERR_FILENO, taken.saved_error, taken.kept_error);
    struct sigaction fatal {};
    fatal.sa_handler = onFatalSignal;
    sigemptyset(&fatal.sa_mask);
    for (std::size_t i = 0; i < sizeof kTakenSignals / sizeof kTakenSignals[0]; ++i) {
        sigaction(kTakenSignals[i], &fatal, &taken.previous[i]);
    }
    struct sigaction resize {};
    resize.sa_handler = onResize;
    sigemptyset(&resize.sa_mask);
    resize.sa_flags = SA_RESTART;
    sigaction(SIGWINCH, &resize, &taken.previous_resize);
    taken.open = 1;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &raw);
    return write(kTakeOver) ? 0 : -1;
}

void TerminalSession::pushKeyboardFlags() {
    if (taken.open != 0 && taken.flags_pushed == 0) {
        taken.flags_pushed = 1;
        write(kPushFlags);
    }
}

bool TerminalSession::isOpen() const {
    return taken.open != 0;
}

bool TerminalSession::write(const std::string& bytes) {
    return taken.open != 0 && writeAll(taken.terminal, bytes.data(), bytes.size());
}

long TerminalSession::read(char* buffer, std::size_t size, int timeout_ms) {
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const int ready = poll(&input, 1, timeout_ms);
    if (ready < 0) {
        return errno == EINTR ? 0 : -1;
    }
    if (ready == 0) {
        return 0;
    }
    const ssize_t got = ::read(STDIN_FILENO, buffer, size);
    if (got < 0) {
        return errno == EINTR || errno == EAGAIN ? 0 : -1;
    }
    // Readable with nothing to read: the terminal hung up.
    return got == 0 ? -1 : static_cast<long>(got);
}

bool TerminalSession::size(int& columns, int& rows) const {
    winsize window_size{};
    if (taken.terminal < 0 || ioctl(taken.terminal, TIOCGWINSZ, &window_size) != 0) {
        return false;
    }
    columns = window_size.ws_col;
    rows = window_size.ws_row;
    return true;
}

bool TerminalSession::takeResize() {
    const bool resized = taken.resized != 0;
    taken.resized = 0;
    return resized;
}

void TerminalSession::close() {
    if (taken.open == 0) {
        return;
    }
    std::cout.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    giveBack();
    for (std::size_t i = 0; i < sizeof kTakenSignals / sizeof kTakenSignals[0]; ++i) {
        sigaction(kTakenSignals[i], &taken.previous[i], nullptr);
    }
    sigaction(SIGWINCH, &taken.previous_resize, nullptr);
}

}  // namespace vl
