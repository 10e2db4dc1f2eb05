#include "vl/core/GameManager.h"

#include <chrono>
#include <thread>

#include "vl/core/Clock.h"
#include "vl/core/framePacing.h"
#include "vl/display/DisplayManager.h"
#include "vl/input/InputManager.h"
#include "vl/resources/ResourceManager.h"
#include "vl/resources/findAudioDevice.h"
#include "vl/world/EventStep.h"
#include "vl/world/WorldManager.h"

namespace vl {

GameManager::GameManager() {
    setType("GameManager");
    // The managers this one uses at exit are built first so that they are
    // destroyed after it: static objects die in reverse order of construction.
    DisplayManager::getInstance();
    WorldManager::getInstance();
    InputManager::getInstance();
    ResourceManager::getInstance();
}

GameManager::~GameManager() {
    if (isStarted()) {
        shutDown();
    }
}

GameManager& GameManager::getInstance() {
    static GameManager instance;
    return instance;
}

int GameManager::startUp() {
    finished = false;
    const int display = DisplayManager::getInstance().startUp();
    const int world = WorldManager::getInstance().startUp();
    const int input = InputManager::getInstance().startUp();
    const int resources = ResourceManager::getInstance().startUp();
    setStarted(true);
    fitWorldToDisplay();
    return display != 0 || world != 0 || input != 0 || resources != 0 ? -1 : 0;
}

int GameManager::startUpHeadless() {
    finished = false;
    chooseSilentAudio();
    const int world = WorldManager::getInstance().startUp();
    const int resources = ResourceManager::getInstance().startUp();
    setStarted(true);
    fitWorldToDisplay();
    return world != 0 || resources != 0 ? -1 : 0;
}

void GameManager::fitWorldToDisplay() {
    // The display's size in cells is fixed, so it is known with or without a window.
    const DisplayManager& display = DisplayManager::getInstance();
    const Box bounds(Vector(0, 0), static_cast<float>(display.getHorizontalCells()),
                     static_cast<float>(display.getVerticalCells()));
    WorldManager::getInstance().setWorldBounds(bounds);
    WorldManager::getInstance().setView(bounds);
}

void GameManager::shutDown() {
    WorldManager::getInstance().shutDown();
    finished = true;
    setStarted(false);
}

void GameManager::runFrame() {
    InputManager::getInstance().pollInput();
    const EventStep step;
    broadcast(&step);
    WorldManager::getInstance().update();
    WorldManager::getInstance().drawAll();
    DisplayManager::getInstance().presentFrame();
}

void GameManager::run() {
    Clock clock;
    if (finished) {
        return;
    }
    do {
        clock.restart();
        runFrame();
        const int sleep_ms = sleepMillisecondsAfter(clock.elapsed(), frame_ms);
        if (sleep_ms > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(sleep_ms));
        }
    } while (!finished);
}

}  // namespace vl
