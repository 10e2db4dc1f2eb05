#include "support/WorldFixture.h"

void WorldFixture::SetUp() {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    world.startUp();
    const vl::Box screen(vl::Vector(0, 0), vl::kWindowHorizontalCells, vl::kWindowVerticalCells);
    world.setWorldBounds(screen);
    world.setView(screen);
}

void WorldFixture::TearDown() {
    vl::WorldManager::getInstance().shutDown();
}

void stepFrame() {
    const vl::EventStep step;
    vl::Manager::broadcast(&step);
    vl::WorldManager::getInstance().update();
    vl::WorldManager::getInstance().drawAll();
}

void stepFrames(int count) {
    for (int i = 0; i < count; ++i) {
        stepFrame();
    }
}
