#include "benchSupport.h"

#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "velloc.h"

double millisecondsBetween(BenchClock::time_point from, BenchClock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double soundThreadsCpuSeconds() {
    // Each thread's time on a CPU in nanoseconds, finer than its tick counts.
    double seconds = 0;
    const std::string main_thread = std::to_string(getpid());
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        const bool drawing =
            name.find("llvmpipe") != std::string::npos || name.find(":disk$") != std::string::npos;
        double nanoseconds = 0;
        if (task.path().filename() != main_thread && !drawing &&
            std::ifstream(task.path() / "schedstat") >> nanoseconds) {
            seconds += nanoseconds * 1e-9;
        }
    }
    return seconds;
}

bool startRealGame() {
    std::string reason;
    if (startGame(reason) != 0) {
        std::cerr << "velloc-bench: " << reason << '\n';
        return false;
    }
    return true;
}

void stopRealGame() {
    vl::stopMusic("music");
    vl::GameManager::getInstance().shutDown();
}

int countOf(const std::string& type) {
    return vl::WorldManager::getInstance().collectByType(type).count();
}

int currentLevel() {
    const vl::ObjectList levels = vl::WorldManager::getInstance().collectByType("Level");
    return levels.count() > 0 ? static_cast<Level*>(levels[0])->getLevelNumber() : 0;
}

void startScreenWorld() {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    world.startUp();
    const vl::Box screen(vl::Vector(0, 0), vl::kWindowHorizontalCells, vl::kWindowVerticalCells);
    world.setWorldBounds(screen);
    world.setView(screen);
}
