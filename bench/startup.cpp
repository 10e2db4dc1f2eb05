#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "Samples.h"
#include "WindowWatcher.h"
#include "benchSupport.h"
#include "figures.h"

namespace {

constexpr int kWarmUpLaunches = 1;
constexpr int kLaunches = 30;
constexpr std::chrono::milliseconds kPollEvery(1);
constexpr std::chrono::seconds kGiveUpAfter(10);
constexpr char kTitle[] = "Velloc";
// A strip across the big letters of the title sprite, in window pixels: lit
// on the title screen, black until the first frame is presented. It is kept
// small so that watching takes little from the program and the X server.
constexpr int kTitleLeft = 200;
constexpr int kTitleTop = 140;
constexpr unsigned kTitleWidth = 560;
constexpr unsigned kTitleHeight = 8;

struct Launch {
    double window_ms = -1;
    double first_frame_ms = -1;
};

// Starts the program in the working directory and watches for its window and
// then for the title in it; the program is killed once it shows.
Launch launchOnce(WindowWatcher& watcher) {
    Launch launch;
    const BenchClock::time_point start = BenchClock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl("./velloc", "velloc", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) {
        return launch;
    }
    Window window = 0;
    while (BenchClock::now() - start < kGiveUpAfter && waitpid(pid, nullptr, WNOHANG) == 0) {
        if (window == 0) {
            window = watcher.find(kTitle);
            if (window != 0) {
                launch.window_ms = millisecondsBetween(start, BenchClock::now());
            }
        }
        if (window != 0 &&
            watcher.showsLight(window, kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight)) {
            launch.first_frame_ms = millisecondsBetween(start, BenchClock::now());
            break;
        }
        std::this_thread::sleep_for(kPollEvery);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return launch;
}

// A killed program's window goes when the server has seen its connection
// close; the next launch must not find it.
bool waitForNoWindow(WindowWatcher& watcher) {
    const BenchClock::time_point start = BenchClock::now();
    while (watcher.find(kTitle) != 0) {
        if (BenchClock::now() - start > kGiveUpAfter) {
            return false;
        }
        std::this_thread::sleep_for(kPollEvery);
    }
    return true;
}

}  // namespace

bool benchStartup() {
    WindowWatcher watcher;
    if (!watcher.connected()) {
        std::cerr << "velloc-bench: no X display to watch the program start on\n";
        return false;
    }
    Samples first_frame;
    Samples window;
    for (int i = -kWarmUpLaunches; i < kLaunches; ++i) {
        if (!waitForNoWindow(watcher)) {
            std::cerr << "velloc-bench: a window titled " << kTitle << " stays open\n";
            return false;
        }
        const Launch launch = launchOnce(watcher);
        if (launch.first_frame_ms < 0) {
            std::cerr << "velloc-bench: ./velloc showed no title within " << kGiveUpAfter.count()
                      << " s\n";
            return false;
        }
        if (i >= 0) {
            first_frame.add(launch.first_frame_ms);
            window.add(launch.window_ms);
        }
    }
    printFigure("startup_ms", first_frame, "ms", "fork+exec to the title lit in the window");
    printFigure("startup_window_ms", window, "ms", "fork+exec to the window found");
    return true;
}
