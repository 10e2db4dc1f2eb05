#include <iomanip>
#include <random>
#include <sstream>
#include <string>

#include "Mover.h"
#include "Samples.h"
#include "benchSupport.h"
#include "figures.h"

namespace {

constexpr int kWarmUpUpdates = 20;
constexpr int kUpdates = 500;

struct WorldTiming {
    Samples updates;
    long collisions_per_update = 0;
};

// Times the updates of a world of movers the size of the game's bullets to its
// zombies on the screen's 1968 cells, half of them Solid. The same seed gives
// the same world to both collision searches.
bool timeWorld(int objects, vl::CollisionSearch search, WorldTiming& timing) {
    startScreenWorld();
    vl::WorldManager& world = vl::WorldManager::getInstance();
    world.setCollisionSearch(search);
    std::mt19937 random(1);
    std::uniform_real_distribution<float> across(0, vl::kWindowHorizontalCells);
    std::uniform_real_distribution<float> down(0, vl::kWindowVerticalCells);
    std::uniform_real_distribution<float> pace(-1, 1);
    std::uniform_int_distribution<int> side(1, 3);
    for (int i = 0; i < objects; ++i) {
        const vl::Solidness solidness =
            i % 2 == 0 ? vl::Solidness::Solid : vl::Solidness::Permeable;
        new Mover(vl::Vector(across(random), down(random)), vl::Vector(pace(random), pace(random)),
                  vl::Vector(static_cast<float>(side(random)), static_cast<float>(side(random))),
                  solidness);
    }
    const bool filled = world.allObjects().count() == objects;
    long collisions_timed = 0;
    for (int i = -kWarmUpUpdates; filled && i < kUpdates; ++i) {
        const long collisions_before = Mover::collisionCount();
        const BenchClock::time_point start = BenchClock::now();
        world.update();
        const BenchClock::time_point end = BenchClock::now();
        if (i >= 0) {
            timing.updates.add(millisecondsBetween(start, end));
            collisions_timed += Mover::collisionCount() - collisions_before;
        }
    }
    world.shutDown();
    world.setCollisionSearch(vl::CollisionSearch::Grid);
    timing.collisions_per_update = collisions_timed / kUpdates;
    return filled;
}

std::string ratioOf(const Samples& over, const Samples& under) {
    std::ostringstream ratio;
    ratio << std::fixed << std::setprecision(2) << over.median() / under.median();
    return ratio.str();
}

std::string collisionNote(const WorldTiming& timing) {
    return std::to_string(timing.collisions_per_update) + " collision events an update";
}

}  // namespace

bool benchWorldUpdate() {
    WorldTiming small;
    WorldTiming large;
    WorldTiming scanned;
    if (!timeWorld(100, vl::CollisionSearch::Grid, small) ||
        !timeWorld(1000, vl::CollisionSearch::Grid, large) ||
        !timeWorld(1000, vl::CollisionSearch::Scan, scanned)) {
        return false;
    }
    printFigure("world_update_100_ms", small.updates, "ms", collisionNote(small));
    printFigure("world_update_1000_ms", large.updates, "ms",
                collisionNote(large) + ", " + ratioOf(large.updates, small.updates) +
                    " x the 100-object update");
    printFigure("world_update_1000_scan_ms", scanned.updates, "ms",
                collisionNote(scanned) + ", " + ratioOf(large.updates, scanned.updates) +
                    " x it with the grid");
    return true;
}
