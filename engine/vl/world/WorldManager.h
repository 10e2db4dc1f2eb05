#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vl/core/Manager.h"
#include "vl/world/Box.h"
#include "vl/world/CollisionGrid.h"
#include "vl/world/ObjectList.h"
#include "vl/world/Vector.h"

namespace vl {

class Object;

/// How moveObjectTo finds the objects a mover would overlap. Both find the same
/// objects in the same order; the scan is kept as the reference.
enum class CollisionSearch {
    Grid,  ///< only the objects filed near the mover's box
    Scan,  ///< every object in the world's list
};

/// Owns every game object: keeps them, destroys the ones queued for deletion,
/// moves them with collision and out-of-world events, and draws them by layer.
class WorldManager : public Manager {
  public:
    /// The one world, built on first use.
    static WorldManager& getInstance();

    /// Empties both lists (dropping, not destroying, what they held).
    int startUp() override;
    /// Destroys every object in the world.
    void shutDown() override;

    /// Appends the object to the list and files it for the collision search.
    /// A full world refuses it: the object is then in no list and receives
    /// nothing, but is still destroyed at shut-down; the first refusal since
    /// startUp prints one line on stderr.
    void addObject(Object* object);
    /// Removes the object's first entry from the list.
    void removeObject(Object* object);
    /// Every object in the world, in the order they entered it. Take a copy to iterate while
    /// objects may come or go.
    const ObjectList& allObjects() const { return objects; }
    /// Every object whose type name is exactly type, in list order.
    ObjectList collectByType(const std::string& type) const;

    /// Sets the most objects the world holds, kObjectListCapacity unless set,
    /// for a game that needs more; call it before making the objects. -1, and
    /// no change, below 1 or below the number of objects in the world.
    int setCapacity(int capacity);
    /// The most objects the world holds.
    int getCapacity() const { return objects.getCapacity(); }

    /// The object is destroyed at the next update (or at shut-down); until then
    /// it stays fully alive. Null, repeated and over-capacity requests are ignored.
    void queueForDeletion(Object* object);
    /// Whether the object will be destroyed at the next update.
    bool isQueuedForDeletion(const Object* object) const {
        return pending_deletion.contains(object);
    }

    /// Moves the object to where, raising collision events for both sides (the
    /// mover first) and an out event for a mover that leaves the world. -1 when
    /// a Solid object stopped a Solid mover; it then stays where it was.
    int moveObjectTo(Object* mover, Vector where);
    /// Grid unless set otherwise; the choice changes no result.
    void setCollisionSearch(CollisionSearch search) { collision_search = search; }
    /// The search moveObjectTo uses.
    CollisionSearch getCollisionSearch() const { return collision_search; }

    /// The deletion pass, then the movement pass.
    void update();
    /// Draws the objects in the view, altitude 0 to kMaxAltitude, list order within one.
    void drawAll();

    /// The box a mover leaving it is told of with an out event.
    Box getWorldBounds() const { return world_bounds; }
    /// Also lays the collision grid over the new bounds.
    void setWorldBounds(Box bounds);
    /// The part of the world the window shows; its corner is drawn at the window's top-left.
    Box getView() const { return view; }
    /// Sets the part of the world the window shows.
    void setView(Box new_view) { view = new_view; }

  private:
    friend class Object;

    WorldManager();
    /// Called by an object in the list whose position, box or solidness changed.
    void refile(Object& object);
    void refileAll();
    /// Appends to colliders the objects other than mover whose boxes overlap
    /// moved_box, in list order.
    void collectColliders(const Object* mover, const Box& moved_box, ObjectList& colliders);

    ObjectList objects;
    ObjectList pending_deletion;
    /// Objects made while the world was full: in no list, but owned all the same.
    std::vector<Object*> refused;
    bool full_reported = false;
    Box world_bounds;
    Box view;
    CollisionSearch collision_search = CollisionSearch::Grid;
    CollisionGrid grid;
    std::uint64_t next_order = 0;
    /// Entries that repeat an object already in the list; while there are any,
    /// moves read the whole list, where repeats show as often as they occur.
    int repeated_entries = 0;
    /// Reused by every search, so that moves do not allocate.
    std::vector<Object*> found;
};

}  // namespace vl
