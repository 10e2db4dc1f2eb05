#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include <vl/platform/terminal/TerminalPlatform.h>
#include "LoopProbe.h"
#include "Samples.h"
#include "ScriptedPlayer.h"
#include "benchSupport.h"
#include "figures.h"
#include "sendInput.h"

namespace {

constexpr int kTitleFrames = 300;
constexpr double kMeasuredSeconds = 10;
constexpr int kFrameLimit = 5000;

// A pseudo-terminal on this process's standard input and output, read on a
// thread of its own as a terminal reads it, answering the device attributes
// query as a terminal without the keyboard protocol does. Standard output is
// back where it was once it ends.
class BenchTerminal {
  public:
    BenchTerminal() {
        winsize size{30, 100, 0, 0};
        if (openpty(&master, &slave, nullptr, nullptr, &size) != 0) {
            return;
        }
        saved_output = dup(STDOUT_FILENO);
        dup2(slave, STDIN_FILENO);
        dup2(slave, STDOUT_FILENO);
        reader = std::thread([this] { read(); });
    }
    ~BenchTerminal() {
        if (saved_output >= 0) {
            dup2(saved_output, STDOUT_FILENO);
            close(saved_output);
        }
        running = false;
        if (reader.joinable()) {
            reader.join();
        }
    }
    bool isOpen() const { return saved_output >= 0; }

  private:
    void read() {
        char buffer[4096];
        while (running) {
            pollfd ready{master, POLLIN, 0};
            if (poll(&ready, 1, 20) <= 0) {
                continue;
            }
            const ssize_t got = ::read(master, buffer, sizeof buffer);
            if (got > 0 && std::string(buffer, static_cast<std::size_t>(got)).find("\x1b[c") !=
                               std::string::npos) {
                const char answer[] = "\x1b[?62c";
                (void)::write(master, answer, sizeof answer - 1);
            }
        }
    }

    int master = -1;
    int slave = -1;
    int saved_output = -1;
    std::atomic<bool> running{true};
    std::thread reader;
};

std::size_t bytesWritten() {
    const auto* terminal =
        dynamic_cast<const vl::TerminalPlatform*>(vl::DisplayManager::getInstance().getPlatform());
    return terminal != nullptr ? terminal->getBytesWritten() : 0;
}

}  // namespace

bool benchTerminal() {
    Samples title_bytes;
    Samples level_bytes;
    Samples level_cpu;
    double counted_wall = 0;
    double counted_cpu = 0;
    std::size_t first_frame = 0;
    {
        BenchTerminal terminal;
        vl::DisplayManager::getInstance().setTerminal(true);
        if (!terminal.isOpen() || !startRealGame()) {
            return false;
        }
        ScriptedPlayer player(ScriptedPlayer::Goal::Win);
        int frames = 0;
        std::size_t bytes_mark = 0;
        bool counting = false;
        BenchClock::time_point wall_mark;
        double cpu_mark = 0;
        // At each step, the frame before has been written: it counts when it
        // drew the title, or level 1 (whose CPU share is taken step to step).
        new LoopProbe([&] {
            const std::size_t bytes = bytesWritten();
            const double cpu = processCpuSeconds();
            const BenchClock::time_point wall = BenchClock::now();
            if (frames == 1) {
                first_frame = bytes;
            } else if (frames > 1 && frames <= kTitleFrames) {
                title_bytes.add(static_cast<double>(bytes - bytes_mark));
            } else if (counting) {
                level_bytes.add(static_cast<double>(bytes - bytes_mark));
                const double wall_ms = millisecondsBetween(wall_mark, wall);
                level_cpu.add(100 * (cpu - cpu_mark) * 1000 / wall_ms);
                counted_wall += wall_ms;
                counted_cpu += (cpu - cpu_mark) * 1000;
            }
            bytes_mark = bytes;
            counting = frames > kTitleFrames && currentLevel() == 1;
            if (frames >= kTitleFrames) {
                player.sendInput();
                if (currentLevel() >= 2 && countOf("Player") > 0) {
                    sendKey(vl::Key::Escape, vl::KeyAction::Pressed);
                }
            }
            wall_mark = BenchClock::now();
            cpu_mark = processCpuSeconds();
            return counted_wall < kMeasuredSeconds * 1000 && ++frames < kFrameLimit;
        });
        vl::GameManager::getInstance().run();
        stopRealGame();
    }
    char note[160];
    std::snprintf(note, sizeof note, "still title after its first frame, which wrote %zu bytes",
                  first_frame);
    printFigure("terminal_bytes_title", title_bytes, "bytes", note);
    printFigure("terminal_bytes_level", level_bytes, "bytes", "level 1, frame by frame");
    std::snprintf(note, sizeof note,
                  "level 1 in a 100 x 30 pseudo-terminal: %.2f s of CPU in %.2f s = %.2f %% "
                  "of one core",
                  counted_cpu / 1000, counted_wall / 1000, 100 * counted_cpu / counted_wall);
    printFigure("cpu_pct_level_terminal", level_cpu, "%", note);
    return counted_wall >= kMeasuredSeconds * 1000;
}
