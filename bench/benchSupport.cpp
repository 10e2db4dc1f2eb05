#include "benchSupport.h"

#include <ctime>
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
