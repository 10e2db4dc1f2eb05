// Measures the engine and the game, one figure a line:
// "name: median=… p99=… mean=… min=… unit (n=…, note)".
//
// Usage: velloc-bench [--run-folder DIR] [FIGURE]
// FIGURE is one of draw, world, level, loop, cpu-level, cpu-title,
// cpu-title-full, startup, sprite, games. Without one, every figure runs, each in a process of its
// own (a process has one game and one window). The run folder defaults to the build's.

#include <X11/Xlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "figures.h"

namespace {

struct Figure {
    const char* name;
    bool (*run)();
};

constexpr Figure kFigures[] = {
    {"sprite", benchSpriteLoad},   {"world", benchWorldUpdate},
    {"draw", benchDrawFullScreen}, {"level", benchLevelFrames},
    {"loop", benchLoopPeriod},     {"cpu-level", benchCpuLevel},
    {"cpu-title", benchCpuTitle},  {"cpu-title-full", benchCpuTitleFull},
    {"startup", benchStartup},     {"games", benchGameFrames},
    {"terminal", benchTerminal},
};

const Figure* figureNamed(const std::string& name) {
    for (const Figure& figure : kFigures) {
        if (name == figure.name) {
            return &figure;
        }
    }
    return nullptr;
}

void printLoad(const char* when) {
    std::ifstream load_file("/proc/loadavg");
    std::string one;
    std::string five;
    std::string fifteen;
    load_file >> one >> five >> fifteen;
    std::printf("# load average %s: %s %s %s\n", when, one.c_str(), five.c_str(), fifteen.c_str());
    std::fflush(stdout);
}

// Busy and total time of all the machine's cores so far, in seconds.
struct MachineTime {
    double busy = 0;
    double total = 0;
};

MachineTime machineTime() {
    std::ifstream stat("/proc/stat");
    std::string cpu;
    stat >> cpu;
    MachineTime time;
    const double tick = static_cast<double>(sysconf(_SC_CLK_TCK));
    // user nice system idle iowait irq softirq steal: idle and iowait are not busy.
    for (int field = 0; field < 8; ++field) {
        double ticks = 0;
        stat >> ticks;
        time.total += ticks / tick;
        time.busy += field == 3 || field == 4 ? 0 : ticks / tick;
    }
    return time;
}

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

// How busy the machine's cores were while a figure ran, and how much of that
// was other processes' work (the X server's drawing for the figure included).
void printMachineShare(const char* name, const MachineTime& before, const MachineTime& after,
                       const rusage& usage) {
    const double total = after.total - before.total;
    const double own = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    const double busy = after.busy - before.busy;
    // The machine's times count in clock ticks: a short figure can read a
    // little more of its own time than the cores were busy.
    const double others = std::max(0.0, busy - own);
    std::printf("# %s: cores %.0f %% busy, %.0f %% by other processes\n", name,
                total > 0 ? 100 * busy / total : 0, total > 0 ? 100 * others / total : 0);
    std::fflush(stdout);
}

bool runInChild(const Figure& figure, const std::string& run_folder) {
    const MachineTime before = machineTime();
    const pid_t pid = fork();
    if (pid == 0) {
        execl("/proc/self/exe", "velloc-bench", "--run-folder", run_folder.c_str(), figure.name,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) {
        return false;
    }
    printMachineShare(figure.name, before, machineTime(), usage);
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ok) {
        std::printf("# %s: not measured\n", figure.name);
        std::fflush(stdout);
    }
    return ok;
}

int usage() {
    std::cerr << "usage: velloc-bench [--run-folder DIR] [FIGURE]\nfigures:";
    for (const Figure& figure : kFigures) {
        std::cerr << ' ' << figure.name;
    }
    std::cerr << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string run_folder = VL_RUN_DIR;
    const Figure* only = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--run-folder" && i + 1 < argc) {
            run_folder = argv[++i];
        } else if (only == nullptr && figureNamed(argument) != nullptr) {
            only = figureNamed(argument);
        } else {
            return usage();
        }
    }
    // The game's sounds play into nothing unless an output was chosen.
    setenv("ALSOFT_DRIVERS", "null", 0);
    if (chdir(run_folder.c_str()) != 0) {
        std::cerr << "velloc-bench: no run folder at " << run_folder << '\n';
        return 1;
    }
    if (only != nullptr) {
        return only->run() ? 0 : 1;
    }
    // A virtual X server resets when its last client leaves; holding a
    // connection keeps one server state across all the figures' windows.
    Display* keep_alive = XOpenDisplay(nullptr);
    printLoad("before");
    bool all = true;
    for (const Figure& figure : kFigures) {
        all = runInChild(figure, run_folder) && all;
    }
    printLoad("after");
    if (keep_alive != nullptr) {
        XCloseDisplay(keep_alive);
    }
    return all ? 0 : 1;
}
