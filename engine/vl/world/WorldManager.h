#pragma once

#include <string>

#include "vl/core/Manager.h"
#include "vl/world/Box.h"
#include "vl/world/ObjectList.h"
#include "vl/world/Vector.h"

namespace vl {

class Object;

// Owns every game object: keeps them, destroys the ones queued for deletion,
// moves them with collision and out-of-world events, and draws them by layer.
class WorldManager : public Manager {
  public:
    static WorldManager& getInstance();

    // Empties both lists (dropping, not destroying, what they held).
    int startUp() override;
    // Destroys every object in the world.
    void shutDown() override;

    void addObject(Object* object) { objects.insert(object); }
    void removeObject(Object* object) { objects.remove(object); }
    const ObjectList& allObjects() const { return objects; }
    // Every object whose type name is exactly type, in list order.
    ObjectList collectByType(const std::string& type) const;

    // The object is destroyed at the next update (or at shut-down); until then
    // it stays fully alive. Null, repeated and over-capacity requests are ignored.
    void queueForDeletion(Object* object);
    bool isQueuedForDeletion(const Object* object) const {
        return pending_deletion.contains(object);
    }

    // Moves the object to where, raising collision events for both sides (the
    // mover first) and an out event for a mover that leaves the world. -1 when
    // a Solid object stopped a Solid mover; it then stays where it was.
    int moveObjectTo(Object* mover, Vector where);

    // The deletion pass, then the movement pass.
    void update();
    // Draws the objects in the view, altitude 0 to kMaxAltitude, list order within one.
    void drawAll();

    Box getWorldBounds() const { return world_bounds; }
    void setWorldBounds(Box bounds) { world_bounds = bounds; }
    Box getView() const { return view; }
    void setView(Box new_view) { view = new_view; }

  private:
    WorldManager();

    ObjectList objects;
    ObjectList pending_deletion;
    Box world_bounds;
    Box view;
};

}  // namespace vl
