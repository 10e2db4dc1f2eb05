#include <random>
#include <string>

#include "Mover.h"
#include "Samples.h"
#include "benchSupport.h"
#include "figures.h"

namespace {

constexpr int kObjects = 1000;
constexpr int kWarmUpUpdates = 20;
constexpr int kUpdates = 500;

}  // namespace

bool benchWorldUpdate() {
    startScreenWorld();
    vl::WorldManager& world = vl::WorldManager::getInstance();

    // A thousand boxes the size of the game's bullets to its zombies on a
    // screen of 1968 cells: each overlaps a few others at any time.
    std::mt19937 random(1);
    std::uniform_real_distribution<float> across(0, vl::kWindowHorizontalCells);
    std::uniform_real_distribution<float> down(0, vl::kWindowVerticalCells);
    std::uniform_real_distribution<float> pace(-1, 1);
    std::uniform_int_distribution<int> side(1, 3);
    for (int i = 0; i < kObjects; ++i) {
        const vl::Solidness solidness =
            i % 2 == 0 ? vl::Solidness::Solid : vl::Solidness::Permeable;
        new Mover(vl::Vector(across(random), down(random)), vl::Vector(pace(random), pace(random)),
                  vl::Vector(static_cast<float>(side(random)), static_cast<float>(side(random))),
                  solidness);
    }
    if (world.allObjects().count() != kObjects) {
        return false;
    }

    Samples updates;
    long collisions_timed = 0;
    for (int i = -kWarmUpUpdates; i < kUpdates; ++i) {
        const long collisions_before = Mover::collisionCount();
        const BenchClock::time_point start = BenchClock::now();
        world.update();
        const BenchClock::time_point end = BenchClock::now();
        if (i >= 0) {
            updates.add(millisecondsBetween(start, end));
            collisions_timed += Mover::collisionCount() - collisions_before;
        }
    }
    world.shutDown();
    printFigure("world_update_1000_ms", updates, "ms",
                std::to_string(collisions_timed / kUpdates) + " collision events an update");
    return true;
}
