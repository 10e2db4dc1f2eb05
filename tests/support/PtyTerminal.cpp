#include "support/PtyTerminal.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vterm.h>

#include <algorithm>
#include <chrono>

namespace {

// What is left to write is dropped once none of it goes for this long (the
// program reads no input and the terminal's input buffer is full).
constexpr int kWriteStallMs = 2000;
// How often a wait looks at its condition when no output comes.
constexpr int kWaitSliceMs = 50;
// Taken in by one pump at most, so that a program that never stops writing
// does not hold up a wait past its deadline.
constexpr size_t kPumpBytes = 1 << 16;

// The numbers of a CSI's parameters, each -1 when left out.
std::vector<int> parameters(const char* text) {
    std::vector<int> numbers;
    char* end = nullptr;
    do {
        const long number = strtol(text, &end, 10);
        numbers.push_back(end == text ? -1 : static_cast<int>(number));
        text = end + 1;
    } while (*end == ';');
    return numbers;
}

bool readCell(const VTermScreen* screen, int columns, int rows, int x, int y,
              VTermScreenCell& cell) {
    return screen != nullptr && x >= 0 && y >= 0 && x < columns && y < rows &&
           vterm_screen_get_cell(screen, VTermPos{y, x}, &cell) != 0;
}

}  // namespace

PtyTerminal::~PtyTerminal() {
    if (child > 0 && !exited) {
        // The whole group: what the program started would keep the terminal open.
        ::kill(-child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    if (master >= 0) {
        close(master);
    }
    if (vterm != nullptr) {
        vterm_free(vterm);
    }
}

bool PtyTerminal::start(const std::vector<std::string>& argv, int columns, int rows,
                        const std::vector<std::string>& extra_env) {
    if (child > 0 || argv.empty()) {
        return false;
    }
    std::vector<char*> arguments;
    for (const std::string& argument : argv) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
    child = forkpty(&master, nullptr, nullptr, &size);
    if (child < 0) {
        master = -1;
        return false;
    }
    if (child == 0) {
        setenv("TERM", "xterm-256color", 1);
        for (const std::string& entry : extra_env) {
            if (!entry.empty() && entry.back() == '=') {
                unsetenv(entry.substr(0, entry.size() - 1).c_str());
            } else {
                putenv(const_cast<char*>(entry.c_str()));
            }
        }
        execv(arguments[0], arguments.data());
        dprintf(STDOUT_FILENO, "cannot run %s: %s\n", arguments[0], strerror(errno));
        _exit(127);
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    width = columns;
    height = rows;
    vterm = vterm_new(rows, columns);
    vterm_set_utf8(vterm, 1);
    vterm_output_set_callback(
        vterm,
        [](const char* bytes, size_t count, void* terminal) {
            static_cast<PtyTerminal*>(terminal)->writeAll(bytes, count);
        },
        this);
    screen = vterm_obtain_screen(vterm);
    vterm_screen_enable_altscreen(screen, 1);
    vterm_screen_reset(screen, 1);
    return true;
}

void PtyTerminal::pump(int milliseconds) {
    // Once nothing more can come, waiting is all there is to do.
    pollfd ready{master, POLLIN, 0};
    if (poll(&ready, master < 0 || hung_up ? 0 : 1, milliseconds) <= 0) {
        return;
    }
    char buffer[4096];
    for (size_t total = 0; total < kPumpBytes;) {
        const ssize_t count = read(master, buffer, sizeof buffer);
        if (count > 0) {
            take(buffer, static_cast<size_t>(count));
            total += static_cast<size_t>(count);
        } else if (count == 0 || errno != EINTR) {
            // EIO once no process has the terminal open, after all it wrote.
            hung_up = count == 0 || errno != EAGAIN;
            return;
        }
    }
}

bool PtyTerminal::waitFor(const std::function<bool()>& condition, int timeout_ms) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        pump(kWaitSliceMs);
    }
    return true;
}

bool PtyTerminal::waitForExit(int timeout_ms, int& status) {
    // All the output is read only once the terminal hangs up, which a process
    // the program left running can put off past the deadline.
    waitFor([this] { return reap() && hung_up; }, timeout_ms);
    status = wait_status;
    return reap();
}

bool PtyTerminal::reap() {
    exited = exited || (child > 0 && waitpid(child, &wait_status, WNOHANG) == child);
    return exited;
}

void PtyTerminal::resize(int columns, int rows) {
    if (master < 0) {
        return;
    }
    width = columns;
    height = rows;
    vterm_set_size(vterm, rows, columns);
    winsize size{static_cast<unsigned short>(rows), static_cast<unsigned short>(columns), 0, 0};
    ioctl(master, TIOCSWINSZ, &size);
}

void PtyTerminal::kill(int signal) {
    if (child > 0 && !exited) {
        ::kill(child, signal);
    }
}

std::string PtyTerminal::row(int y) const {
    if (screen == nullptr || y < 0 || y >= height) {
        return "";
    }
    std::string text(static_cast<size_t>(width) * VTERM_MAX_CHARS_PER_CELL * 4, '\0');
    text.resize(
        vterm_screen_get_text(screen, &text[0], text.size(), VTermRect{y, y + 1, 0, width}));
    // libvterm's text leaves out the empty cells at the end.
    VTermScreenCell cell;
    for (int x = width - 1; readCell(screen, width, height, x, y, cell) && cell.chars[0] == 0;
         --x) {
        text += ' ';
    }
    return text;
}

char32_t PtyTerminal::glyphAt(int x, int y) const {
    VTermScreenCell cell;
    const bool inside = readCell(screen, width, height, x, y, cell);
    return !inside ? 0 : cell.chars[0] == 0 ? U' ' : cell.chars[0];
}

int PtyTerminal::colorAt(int x, int y) const {
    VTermScreenCell cell;
    // libvterm keeps palette colours as indices (SGR 31 and 38;5;1 both as
    // 1), direct ones as RGB, and the default as RGB flagged as the default.
    const bool basic = readCell(screen, width, height, x, y, cell) &&
                       VTERM_COLOR_IS_INDEXED(&cell.fg) && cell.fg.indexed.idx < 8;
    return basic ? cell.fg.indexed.idx : -1;
}

bool PtyTerminal::contains(const std::string& text) const {
    int y = 0;
    while (y < height && row(y).find(text) == std::string::npos) {
        ++y;
    }
    return y < height;
}

TerminalModes PtyTerminal::modes() const {
    auto mode = [this](int number, bool otherwise) {
        const auto found = private_modes.find(number);
        return found == private_modes.end() ? otherwise : found->second;
    };
    return {mode(1049, false), mode(25, true),    mode(1003, false),
            mode(1006, false), mode(1004, false), keyboardStackDepth()};
}

void PtyTerminal::take(const char* bytes, size_t count) {
    written.append(bytes, count);
    // libvterm gets the output up to each query before the query is answered,
    // so that the program reads the answers to its queries in their order.
    size_t fed = 0;
    for (size_t i = 0; i < count; ++i) {
        if (follow(bytes[i])) {
            vterm_input_write(vterm, bytes + fed, i + 1 - fed);
            fed = i + 1;
            const std::string reply = "\033[?" + std::to_string(keyboardFlags()) + "u";
            writeAll(reply.data(), reply.size());
        }
    }
    vterm_input_write(vterm, bytes + fed, count - fed);
}

bool PtyTerminal::follow(char byte) {
    // Anything longer is no sequence of the kinds followed here.
    constexpr size_t kLongestSequence = 64;
    const unsigned char code = static_cast<unsigned char>(byte);
    if (scan == Scan::Csi && code >= 0x40 && code <= 0x7e) {
        scan = Scan::Text;
        return control(byte);
    }
    if (scan == Scan::Csi && code >= 0x20 && code <= 0x3f && sequence.size() < kLongestSequence) {
        sequence += byte;
    } else if (code == 0x1b) {
        scan = Scan::Escape;
    } else if (scan == Scan::Escape) {
        scan = code == '[' ? Scan::Csi : Scan::Text;
        sequence.clear();
    } else if (code >= 0x20 || code == 0x18 || code == 0x1a) {
        // Text, or a sequence malformed, too long or cancelled (CAN, SUB);
        // other control characters take effect inside one without ending it.
        scan = Scan::Text;
    }
    return false;
}

// The modes are followed here, not taken from libvterm: it tells nothing of
// SGR mouse reports, focus reports, synchronized updates or keyboard flags,
// and shows the cursor again on leaving the alternate screen if it was shown
// on entering, which would hide a program that leaves it hidden.
bool PtyTerminal::control(char final_byte) {
    const char marker = sequence.empty() ? '\0' : sequence[0];
    const std::vector<int> numbers = parameters(sequence.c_str() + (sequence.empty() ? 0 : 1));
    if (marker == '?' && (final_byte == 'h' || final_byte == 'l')) {
        const bool on = final_byte == 'h';
        for (int number : numbers) {
            const int mode = number == 47 || number == 1047 ? 1049 : number;
            if (mode == 2026 && !on && private_modes[mode]) {
                ++synchronized_updates;
            }
            private_modes[mode] = on;
        }
    } else if (marker == '>' && final_byte == 'u') {
        keyboard_flags.push_back(std::max(0, numbers[0]));
    } else if (marker == '<' && final_byte == 'u') {
        const size_t pops = static_cast<size_t>(numbers[0] < 0 ? 1 : numbers[0]);
        keyboard_flags.resize(keyboard_flags.size() - std::min(pops, keyboard_flags.size()));
    }
    return marker == '?' && final_byte == 'u' && sequence.size() == 1 && answers_keyboard_query;
}

bool PtyTerminal::writeAll(const char* bytes, size_t count) {
    pollfd ready{master, POLLOUT, 0};
    while (count > 0 && master >= 0) {
        const ssize_t done = write(master, bytes, count);
        if (done > 0) {
            bytes += done;
            count -= static_cast<size_t>(done);
        } else if ((errno != EAGAIN && errno != EINTR) || poll(&ready, 1, kWriteStallMs) == 0) {
            return false;
        }
    }
    return count == 0;
}
