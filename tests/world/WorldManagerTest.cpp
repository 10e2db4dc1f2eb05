#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "support/Probe.h"
#include "support/WorldFixture.h"

using vl::Solidness;
using vl::Vector;
using Log = std::vector<std::string>;

class WorldManagerTest : public WorldFixture {
  protected:
    vl::WorldManager& world = vl::WorldManager::getInstance();
    Log log;

    Probe* probe(const std::string& name, Vector position, Solidness solidness = Solidness::Solid) {
        auto* p = new Probe(name, &log);
        p->setPosition(position);
        p->setSolidness(solidness);
        return p;
    }

    long countOf(const std::string& entry) const {
        return std::count(log.begin(), log.end(), entry);
    }
};

TEST_F(WorldManagerTest, DeletionPassDestroysChainedQueuesOnce) {
    Probe* a = probe("a", Vector(5, 5));
    Probe* b = probe("b", Vector(6, 6));
    Probe* c = probe("c", Vector(7, 7));
    // a's destruction queues b and queues a again; b's queues c: all in one pass.
    struct Chain : Probe {
        using Probe::Probe;
        Object* next = nullptr;
        ~Chain() override {
            vl::WorldManager::getInstance().queueForDeletion(next);
            vl::WorldManager::getInstance().queueForDeletion(this);
        }
    };
    auto* head = new Chain("head", &log);
    head->next = a;
    world.queueForDeletion(head);
    world.queueForDeletion(head);
    world.queueForDeletion(b);
    world.update();
    EXPECT_EQ(countOf("head:destroyed"), 1);
    EXPECT_EQ(countOf("a:destroyed"), 1);
    EXPECT_EQ(countOf("b:destroyed"), 1);
    EXPECT_EQ(countOf("c:destroyed"), 0);
    EXPECT_EQ(world.allObjects().count(), 1);
    EXPECT_EQ(world.allObjects()[0], c);
    world.update();
    EXPECT_EQ(countOf("a:destroyed"), 1);
}

TEST_F(WorldManagerTest, WhenAQueuedObjectIsLastDrawn) {
    // Queued during the step: destroyed before drawing. Queued during the
    // movement pass: drawn once more, destroyed at the next update.
    Probe* stepper = probe("stepper", Vector(5, 5));
    stepper->on_event = [&](Probe& self, const vl::Event& event) {
        if (event.getType() == vl::kStepEvent) {
            world.queueForDeletion(&self);
        }
    };
    Probe* target = probe("target", Vector(20, 5), Solidness::Permeable);
    Probe* mover = probe("mover", Vector(18, 5), Solidness::Permeable);
    mover->setVelocity(Vector(1, 0));
    target->on_event = [&](Probe& self, const vl::Event& event) {
        if (event.getType() == vl::kCollisionEvent) {
            world.queueForDeletion(&self);
        }
    };
    stepFrame();
    EXPECT_EQ(countOf("stepper:draw"), 0);
    EXPECT_EQ(countOf("stepper:destroyed"), 1);
    EXPECT_EQ(countOf("target:vl::collision"), 1);
    EXPECT_EQ(countOf("target:draw"), 1);
    EXPECT_EQ(countOf("target:destroyed"), 0);
    stepFrame();
    EXPECT_EQ(countOf("target:draw"), 1);
    EXPECT_EQ(countOf("target:destroyed"), 1);
}

TEST_F(WorldManagerTest, BroadcastWorksOnASnapshot) {
    Probe* creator = probe("creator", Vector(1, 1));
    Probe* doomed = probe("doomed", Vector(2, 2));
    Probe* child = nullptr;
    creator->on_event = [&](Probe&, const vl::Event& event) {
        if (event.getType() == vl::kStepEvent && child == nullptr) {
            child = probe("child", Vector(3, 3));
            child->setVelocity(Vector(0, 1));
            world.queueForDeletion(doomed);
        }
    };
    const vl::EventStep step;
    vl::Manager::broadcast(&step);
    EXPECT_EQ(countOf("child:vl::step"), 0);   // created during the broadcast
    EXPECT_EQ(countOf("doomed:vl::step"), 1);  // queued, still alive
    EXPECT_EQ(world.allObjects().count(), 3);
    world.update();
    EXPECT_EQ(countOf("doomed:destroyed"), 1);
    // Though it missed the step, the child moves and is drawn in that frame.
    EXPECT_EQ(child->getPosition(), Vector(3, 4));
    world.drawAll();
    EXPECT_EQ(countOf("child:draw"), 1);
    world.shutDown();
    world.startUp();
    log.clear();
    vl::Manager::broadcast(&step);  // an empty world
    EXPECT_TRUE(log.empty());
}

TEST_F(WorldManagerTest, CollisionsAreDeliveredMoverFirstAndOnlySolidPairsRefuse) {
    Probe* mover = probe("mover", Vector(10, 10));
    probe("permeable", Vector(12, 10), Solidness::Permeable);
    probe("ghost", Vector(12, 10), Solidness::Intangible);
    Probe* solid = probe("solid", Vector(12, 10));
    solid->on_event = [mover](Probe&, const vl::Event& event) {
        const auto& collision = static_cast<const vl::EventCollision&>(event);
        EXPECT_EQ(collision.getPosition(), Vector(12, 10));  // where the mover was going
        EXPECT_EQ(collision.getMover(), mover);
    };
    EXPECT_EQ(world.moveObjectTo(mover, Vector(12, 10)), -1);
    EXPECT_EQ(mover->getPosition(), Vector(10, 10));
    const Log expected = {"mover:vl::collision", "permeable:vl::collision", "mover:vl::collision",
                          "solid:vl::collision"};
    EXPECT_EQ(log, expected);

    log.clear();
    mover->setSolidness(Solidness::Permeable);
    EXPECT_EQ(world.moveObjectTo(mover, Vector(12, 10)), 0);
    EXPECT_EQ(mover->getPosition(), Vector(12, 10));
    EXPECT_EQ(countOf("solid:vl::collision"), 1);

    log.clear();
    mover->setSolidness(Solidness::Intangible);
    EXPECT_EQ(world.moveObjectTo(mover, Vector(12.5f, 10)), 0);
    EXPECT_TRUE(log.empty());

    // A handler that makes the other side permeable lets the move through.
    log.clear();
    mover->setSolidness(Solidness::Solid);
    mover->setPosition(Vector(30, 10));
    Probe* yielding = probe("yielding", Vector(32, 10));
    yielding->on_event = [](Probe& self, const vl::Event&) {
        self.setSolidness(Solidness::Permeable);
    };
    EXPECT_EQ(world.moveObjectTo(mover, Vector(31, 10)), 0);
}

TEST_F(WorldManagerTest, OutEventOnlyOnTheMoveThatLeaves) {
    // The world is 82 x 24; a 1 x 1 box at x = 82 still touches its edge.
    Probe* p = probe("p", Vector(80, 5), Solidness::Intangible);
    world.moveObjectTo(p, Vector(82, 5));
    EXPECT_EQ(countOf("p:vl::out"), 0);
    world.moveObjectTo(p, Vector(82.5f, 5));
    EXPECT_EQ(countOf("p:vl::out"), 1);
    world.moveObjectTo(p, Vector(90, 5));
    world.moveObjectTo(p, Vector(40, 5));
    EXPECT_EQ(countOf("p:vl::out"), 1);
    world.moveObjectTo(p, Vector(40, -1.5f));
    EXPECT_EQ(countOf("p:vl::out"), 2);

    // A refused move tests nothing.
    probe("blocker", Vector(83, 12));
    Probe* solid = probe("solid", Vector(79, 12));
    EXPECT_EQ(world.moveObjectTo(solid, Vector(83, 12)), -1);
    EXPECT_EQ(countOf("solid:vl::out"), 0);
    EXPECT_EQ(solid->getPosition(), Vector(79, 12));
}

// The collision grid's last cells end on the world's far edges: a box that
// ends there, or starts there and lies outside, is met like any other.
TEST_F(WorldManagerTest, BoxesOnTheWorldsFarEdgesAreMet) {
    const struct {
        const char* edge;
        Vector target;
        Vector mover_to;
    } cases[] = {
        {"ends on the right edge", Vector(81, 3), Vector(80.5f, 3)},
        {"starts on the right edge", Vector(82, 9), Vector(81.5f, 9)},
        {"ends on the bottom edge", Vector(20, 23), Vector(20.5f, 22.5f)},
        {"starts on the bottom edge", Vector(40, 24), Vector(40.5f, 23.5f)},
    };
    for (const auto& [edge, target, mover_to] : cases) {
        SCOPED_TRACE(edge);
        log.clear();
        probe("target", target, Solidness::Permeable);
        world.moveObjectTo(probe("mover", Vector(50, 12)), mover_to);
        EXPECT_EQ(countOf("target:vl::collision"), 1);
    }
}

TEST_F(WorldManagerTest, DrawsByAltitudeThenListOrderSkippingWhatIsOutOfView) {
    probe("top", Vector(5, 5))->setAltitude(5);
    probe("first", Vector(5, 5))->setAltitude(0);
    probe("away", Vector(200, 5))->setAltitude(0);
    probe("second", Vector(6, 5))->setAltitude(0);
    probe("middle", Vector(7, 5))->setAltitude(3);
    probe("too-high", Vector(7, 5))->setAltitude(6);
    probe("negative", Vector(7, 5))->setAltitude(-1);
    world.drawAll();
    const Log expected = {"first:draw", "second:draw", "middle:draw", "top:draw"};
    EXPECT_EQ(log, expected);
}

// Makes objects in a world of the capacity, queues them all and shuts down.
// Returns the exit status of the process it runs in: 0 when the world held
// in_world of them, the update destroyed those and every one was destroyed
// exactly once.
int fillWorld(int capacity, int made, int in_world) {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    vl::GameManager::getInstance().startUpHeadless();
    const bool capacity_set = world.setCapacity(0) == -1 && world.setCapacity(capacity) == 0;
    Log log;
    std::vector<vl::Object*> objects;
    for (int i = 0; i < made; ++i) {
        objects.push_back(new Probe("", &log));
    }
    int listed = 0;
    for (vl::Object* object : world.collectByType("Probe")) {
        listed += object == objects[static_cast<size_t>(listed)] ? 1 : 0;
    }
    const bool held = world.allObjects().count() == in_world && listed == in_world &&
                      world.setCapacity(in_world - 1) == -1;
    for (vl::Object* object : objects) {
        world.queueForDeletion(object);  // the refused ones are not queued
    }
    world.update();
    const bool deleted = std::count(log.begin(), log.end(), "destroyed") == in_world;
    vl::GameManager::getInstance().shutDown();
    const bool destroyed = std::count(log.begin(), log.end(), "destroyed") == made;
    return capacity_set && held && deleted && destroyed ? 0 : 1;
}

// A full world says so once and refuses further objects, which are still
// destroyed, once, at shut-down; a world given a larger capacity takes them
// and deletes every one queued.
TEST(WorldCapacity, AFullWorldSaysSoOnceAndOwnsWhatItRefused) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        int capacity;
        int in_world;
        const char* said;
    };
    const Case cases[] = {
        {1000, 1000,
         "^vl: the world is full \\(1000 objects\\); objects made now are not in it\n$"},
        {1500, 1002, "^$"},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(std::exit(fillWorld(c.capacity, 1002, c.in_world)),
                    ::testing::ExitedWithCode(0), c.said)
            << "capacity " << c.capacity;
    }
}

TEST_F(WorldManagerTest, CollectByTypeMatchesWholeNamesInListOrder) {
    Probe* a = probe("a", Vector(1, 1));
    probe("b", Vector(1, 1))->setType("Player ");
    Probe* c = probe("c", Vector(1, 1));
    a->setType("Player");
    c->setType("Player");
    const vl::ObjectList players = world.collectByType("Player");
    ASSERT_EQ(players.count(), 2);
    EXPECT_EQ(players[0], a);
    EXPECT_EQ(players[1], c);
    EXPECT_EQ(world.collectByType("player").count(), 0);
}

TEST_F(WorldManagerTest, ShutDownDestroysEverythingOnceEvenWhatWasQueued) {
    Probe* a = probe("a", Vector(1, 1));
    probe("b", Vector(1, 1));
    world.queueForDeletion(a);
    world.shutDown();
    EXPECT_EQ(countOf("a:destroyed"), 1);
    EXPECT_EQ(countOf("b:destroyed"), 1);
    world.update();  // nothing left to destroy a second time
    EXPECT_EQ(countOf("a:destroyed"), 1);
    world.startUp();
}

TEST_F(WorldManagerTest, MovementPassMovesByVelocityAndSkipsStillObjects) {
    Probe* moving = probe("moving", Vector(10, 10), Solidness::Intangible);
    moving->setVelocity(Vector(0.5f, -1));
    Probe* still = probe("still", Vector(10, 10), Solidness::Solid);
    probe("other", Vector(10, 10), Solidness::Solid);
    world.update();
    EXPECT_EQ(moving->getPosition(), Vector(10.5f, 9));
    EXPECT_EQ(still->getPosition(), Vector(10, 10));
    EXPECT_EQ(countOf("other:vl::collision"), 0);
}
