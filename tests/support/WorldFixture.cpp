#include "support/WorldFixture.h"

void WorldFixture::SetUp() {
    ASSERT_EQ(vl::GameManager::getInstance().startUpHeadless(), 0);
}

void WorldFixture::TearDown() {
    vl::GameManager::getInstance().shutDown();
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
