#pragma once

#include <gtest/gtest.h>

#include <string>

#include <vl/vl.h>

#include "Snake.h"
#include "assets.h"
#include "round.h"

// A started game without a window: frames run through runFrame, and keys are
// pressed by broadcasting the events the input manager would. Every run draws
// the same random numbers, so the food falls where it fell when a test was
// written and a steering that passes once passes always.
class SnakeTestWorld : public ::testing::Test {
  protected:
    static constexpr std::uint64_t kSeed = 1;

    void SetUp() override {
        ASSERT_EQ(vl::GameManager::getInstance().startUpHeadless(), 0);
        vl::seedRandom(kSeed);
        static const int assets_loaded = loadAssets(SNAKE_RUN_DIR);
        ASSERT_EQ(assets_loaded, 0);
        startGame();
    }
    void TearDown() override { vl::GameManager::getInstance().shutDown(); }

    static void press(vl::Key key) {
        const vl::EventKeyboard keyboard(key, vl::KeyAction::Pressed);
        vl::Manager::broadcast(&keyboard);
    }
    static void runFrames(int count) {
        for (int i = 0; i < count; ++i) {
            vl::GameManager::getInstance().runFrame();
        }
    }
    // The objects of the type that are not queued for deletion.
    static std::vector<vl::Object*> live(const std::string& type) {
        vl::WorldManager& world = vl::WorldManager::getInstance();
        const vl::ObjectList objects = world.collectByType(type);
        std::vector<vl::Object*> alive;
        for (int i = 0; i < objects.count(); ++i) {
            if (!world.isQueuedForDeletion(objects[i])) {
                alive.push_back(objects[i]);
            }
        }
        return alive;
    }
    static Snake* snake() { return static_cast<Snake*>(live("Snake").at(0)); }
    static int score() {
        return static_cast<vl::ViewObject*>(live("ViewObject").at(0))->getValue();
    }
    // Replaces the round's snake by one of length pieces with its head on cell.
    static Snake* replaceSnake(vl::Vector cell, int length) {
        for (const char* type : {"Snake", "Segment"}) {
            for (vl::Object* piece : live(type)) {
                vl::WorldManager::getInstance().queueForDeletion(piece);
            }
        }
        return new Snake(cell, length);
    }
};
