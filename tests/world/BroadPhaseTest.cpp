#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "support/WorldFixture.h"

namespace {

std::ostringstream journal;
std::mt19937 chance;
int actors_made = 0;

float pick(float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(chance);
}
bool oneIn(unsigned n) {
    return chance() % n == 0;
}

// Writes down every event it gets and, now and then, changes the world from
// its handlers: it resizes, moves, turns Intangible, makes and queues objects.
class Actor : public vl::Object {
  public:
    Actor() : serial(actors_made++) {
        setPosition(
            vl::Vector(pick(-2, 84) * (oneIn(20) ? 1e7f : 1), oneIn(50) ? NAN : pick(-2, 26)));
        reshape();
        setSolidness(static_cast<vl::Solidness>(chance() % 3));
        setVelocity(oneIn(5) ? vl::Vector() : vl::Vector(pick(-1.5, 1.5), pick(-1, 1)));
    }
    ~Actor() override {
        journal << "gone " << serial << '\n';
        if (oneIn(4)) {
            new Actor;
        }
    }
    int handleEvent(const vl::Event* event) override {
        if (event->getType() == vl::kCollisionEvent) {
            const auto* hit = static_cast<const vl::EventCollision*>(event);
            journal << serial << " hit " << static_cast<Actor*>(hit->getMover())->serial << '>'
                    << static_cast<Actor*>(hit->getOther())->serial << '\n';
        } else if (event->getType() == vl::kOutEvent) {
            journal << serial << " out\n";
        } else {
            return 0;
        }
        react();
        return 1;
    }

  private:
    void reshape() {
        const float odd = oneIn(30) ? (oneIn(2) ? NAN : -1.0f) : 1.0f;
        setBox(vl::Box(vl::Vector(-pick(0, 1), -pick(0, 1)), odd * pick(0, 3), pick(0, 3)));
    }
    void react() {
        if (oneIn(10)) {
            reshape();
        } else if (oneIn(10)) {
            setSolidness(static_cast<vl::Solidness>(chance() % 3));
        } else if (oneIn(15)) {
            vl::WorldManager::getInstance().queueForDeletion(this);
        } else if (oneIn(15)) {
            new Actor;
        } else if (oneIn(20)) {
            setPosition(vl::Vector(pick(-100, 180), pick(-100, 120)));
        } else if (oneIn(20)) {
            vl::WorldManager::getInstance().moveObjectTo(this, getPosition() + vl::Vector(1, 0));
        }
    }

    int serial;
};

// Every event of some frames of a random world, and where each object stood.
std::string playWorld(unsigned seed, vl::CollisionSearch search) {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    world.shutDown();
    world.startUp();
    world.setWorldBounds(vl::Box(vl::Vector(), 82, 24));
    world.setCollisionSearch(search);
    journal.str("");
    chance.seed(seed);
    for (actors_made = 0; actors_made < 50 + static_cast<int>(seed % 10) * 60;) {
        new Actor;
    }
    for (int frame = 0; frame < 20; ++frame) {
        if (frame == 10) {
            world.setWorldBounds(vl::Box(vl::Vector(-5, 3), 60, 30));
        }
        world.update();
        const vl::ObjectList all = world.allObjects();
        for (int i = 0; i < all.count(); ++i) {
            journal << all[i]->getPosition().x << ',' << all[i]->getPosition().y << ' ';
        }
    }
    return journal.str();
}

}  // namespace

class BroadPhaseTest : public WorldFixture {};

TEST_F(BroadPhaseTest, GridAndScanGiveTheSameEventsInTheSameOrder) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        const std::string scanned = playWorld(seed, vl::CollisionSearch::Scan);
        ASSERT_NE(scanned.find(" hit "), std::string::npos) << "seed " << seed;
        ASSERT_EQ(playWorld(seed, vl::CollisionSearch::Grid), scanned) << "seed " << seed;
    }
}
