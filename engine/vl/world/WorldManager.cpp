#include "vl/world/WorldManager.h"

#include <algorithm>
#include <iostream>

#include "vl/display/ViewObject.h"
#include "vl/world/EventCollision.h"
#include "vl/world/EventOut.h"
#include "vl/world/Object.h"

namespace vl {

WorldManager::WorldManager() {
    setType("WorldManager");
}

WorldManager& WorldManager::getInstance() {
    static WorldManager instance;
    return instance;
}

int WorldManager::startUp() {
    for (int i = 0; i < objects.count(); ++i) {
        objects[i]->world_entry = WorldEntry();
    }
    objects.clear();
    pending_deletion.clear();
    full_reported = false;
    grid.reset(world_bounds);
    repeated_entries = 0;
    setStarted(true);
    return 0;
}

void WorldManager::shutDown() {
    // Destructors may make objects (a dying player makes the game-over
    // screen); they are destroyed too, in further rounds, so none outlives the
    // world. The rounds are bounded so a destructor that always makes another
    // object cannot hang the shut-down.
    for (int round = 0; round < kObjectListCapacity && (objects.count() > 0 || !refused.empty());
         ++round) {
        const ObjectList snapshot = objects;
        for (Object* object : snapshot) {
            delete object;
        }
        // Each destructor takes its object out of the refused ones.
        const std::vector<Object*> refused_snapshot = refused;
        for (Object* object : refused_snapshot) {
            delete object;
        }
    }
    // Everything queued was in the world and is destroyed now; an update after
    // shut-down must not delete it a second time.
    pending_deletion.clear();
    setStarted(false);
}

namespace {

bool collides(Solidness solidness) {
    return solidness != Solidness::Intangible;
}

// The list's entries in a list of that capacity, which must hold them all.
ObjectList withCapacity(const ObjectList& list, int capacity) {
    ObjectList resized(capacity);
    for (Object* object : list) {
        resized.insert(object);
    }
    return resized;
}

}  // namespace

int WorldManager::setCapacity(int capacity) {
    if (capacity < 1 || capacity < objects.count()) {
        return -1;
    }
    objects = withCapacity(objects, capacity);
    pending_deletion = withCapacity(pending_deletion, capacity);
    return 0;
}

void WorldManager::addObject(Object* object) {
    if (!objects.insert(object)) {
        // A game that makes more objects than the world holds would
        // otherwise lose them without a sign.
        if (!full_reported) {
            std::cerr << "vl: the world is full (" << objects.getCapacity()
                      << " objects); objects made now are not in it\n";
            full_reported = true;
        }
        refused.push_back(object);
        return;
    }
    WorldEntry& entry = object->world_entry;
    if (entry.entries > 0) {
        ++repeated_entries;
    }
    ++entry.entries;
    entry.order = next_order++;
    refile(*object);
}

void WorldManager::removeObject(Object* object) {
    if (!objects.remove(object)) {
        const auto found = std::find(refused.begin(), refused.end(), object);
        if (found != refused.end()) {
            refused.erase(found);
        }
        return;
    }
    WorldEntry& entry = object->world_entry;
    --entry.entries;
    if (entry.entries > 0) {
        --repeated_entries;
    } else {
        grid.unfile(*object);
    }
}

void WorldManager::refile(Object& object) {
    if (collides(object.getSolidness())) {
        grid.file(object);
    } else {
        grid.unfile(object);
    }
}

void WorldManager::setWorldBounds(Box bounds) {
    world_bounds = bounds;
    refileAll();
}

void WorldManager::refileAll() {
    grid.reset(world_bounds);
    for (int i = 0; i < objects.count(); ++i) {
        WorldEntry& entry = objects[i]->world_entry;
        entry.filing = GridFiling::Unfiled;
        entry.slot = -1;
    }
    for (int i = 0; i < objects.count(); ++i) {
        refile(*objects[i]);
    }
}

ObjectList WorldManager::collectByType(const std::string& type) const {
    ObjectList matches(objects.getCapacity());
    for (int i = 0; i < objects.count(); ++i) {
        if (objects[i]->getType() == type) {
            matches.insert(objects[i]);
        }
    }
    return matches;
}

void WorldManager::queueForDeletion(Object* object) {
    if (object == nullptr || pending_deletion.contains(object)) {
        return;
    }
    pending_deletion.insert(object);
}

void WorldManager::collectColliders(const Object* mover, const Box& moved_box,
                                    ObjectList& colliders) {
    // The later entry of a repeated object is the one its order belongs to, so
    // only the scan sees repeats where they are.
    if (collision_search == CollisionSearch::Grid && repeated_entries == 0) {
        found.clear();
        if (grid.collect(moved_box, mover, found)) {
            std::sort(found.begin(), found.end(), [](const Object* a, const Object* b) {
                return a->world_entry.order < b->world_entry.order;
            });
            for (Object* other : found) {
                colliders.insert(other);
            }
            return;
        }
    }
    for (int i = 0; i < objects.count(); ++i) {
        Object* other = objects[i];
        if (other != mover && collides(other->getSolidness()) &&
            boxesOverlap(other->translatedBox(), moved_box)) {
            colliders.insert(other);
        }
    }
}

int WorldManager::moveObjectTo(Object* mover, Vector where) {
    if (collides(mover->getSolidness())) {
        Box moved_box = mover->getBox();
        moved_box.corner = moved_box.corner + where;
        ObjectList colliders(objects.getCapacity());
        collectColliders(mover, moved_box, colliders);
        bool refused = false;
        for (int i = 0; i < colliders.count(); ++i) {
            Object* other = colliders[i];
            const EventCollision collision(mover, other, where);
            mover->handleEvent(&collision);
            other->handleEvent(&collision);
            if (mover->getSolidness() == Solidness::Solid &&
                other->getSolidness() == Solidness::Solid) {
                refused = true;
            }
        }
        if (refused) {
            return -1;
        }
    }
    const Box old_box = mover->translatedBox();
    mover->setPosition(where);
    const Box new_box = mover->translatedBox();
    if (boxesOverlap(old_box, world_bounds) && !boxesOverlap(new_box, world_bounds)) {
        const EventOut out;
        mover->handleEvent(&out);
    }
    return 0;
}

void WorldManager::update() {
    // Destructors may queue more objects; they are reached in this same pass.
    // Entries stay in the list during the pass, so nothing is destroyed twice.
    for (int i = 0; i < pending_deletion.count(); ++i) {
        delete pending_deletion[i];
    }
    pending_deletion.clear();

    for (int i = 0; i < objects.count(); ++i) {
        Object* object = objects[i];
        const Vector position = object->getPosition();
        const Vector direction = object->getDirection();
        const float speed = object->getSpeed();
        const Vector where(position.x + direction.x * speed, position.y + direction.y * speed);
        if (where != position) {
            moveObjectTo(object, where);
        }
    }
}

void WorldManager::drawAll() {
    const ObjectList snapshot = objects;
    for (int altitude = 0; altitude <= kMaxAltitude; ++altitude) {
        for (int i = 0; i < snapshot.count(); ++i) {
            Object* object = snapshot[i];
            if (object->getAltitude() != altitude) {
                continue;
            }
            if (boxesOverlap(object->translatedBox(), view) ||
                dynamic_cast<ViewObject*>(object) != nullptr) {
                object->draw();
            }
        }
    }
}

}  // namespace vl
