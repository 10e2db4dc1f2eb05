#pragma once

#include <cstdint>
#include <string>

#include "vl/resources/Animation.h"
#include "vl/world/Box.h"
#include "vl/world/Event.h"
#include "vl/world/Vector.h"
#include "vl/world/WorldEntry.h"

namespace vl {

// How an object takes part in collisions.
enum class Solidness : int32_t {
    Solid = 0,       // collides; a Solid mover is stopped by a Solid object
    Permeable = 1,   // collides, but neither stops nor is stopped
    Intangible = 2,  // takes part in no collision
};

// Objects are drawn by altitude, 0 first (furthest back) and kMaxAltitude last.
constexpr int kMaxAltitude = 5;

// Base of everything that lives in the world. Game code creates objects with
// new; the constructor enters the object into the world, which from then on
// owns it. Game code never deletes an object: it queues it for deletion.
class Object {
  public:
    Object();
    virtual ~Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    int getId() const { return id; }
    const std::string& getType() const { return type; }
    void setType(std::string new_type) { type = std::move(new_type); }

    Vector getPosition() const { return position; }
    /// Stores the position with no collision or out-of-world test. This and
    /// the other setters of the box and solidness tell the world at once, so
    /// that its collision search finds the object as it now is.
    void setPosition(Vector new_position);

    int getAltitude() const { return altitude; }
    void setAltitude(int new_altitude) { altitude = new_altitude; }
    Solidness getSolidness() const { return solidness; }
    void setSolidness(Solidness new_solidness);

    Vector getDirection() const { return direction; }
    float getSpeed() const { return speed; }
    void setSpeed(float new_speed) { speed = new_speed; }
    // Speed becomes the length of v, direction the unit vector along it.
    void setVelocity(Vector v);
    Vector velocity() const;

    Box getBox() const { return box; }
    void setBox(Box new_box);
    // The box in world coordinates: moved by the position.
    Box translatedBox() const { return Box(box.corner + position, box.horizontal, box.vertical); }

    Animation getAnimation() const { return animation; }
    // Shows the sprite registered under label and fits the box around it.
    // -1, changing nothing, when no sprite has that label.
    int setSprite(const std::string& label);

    // 1 for the engine's step, mouse, keyboard, collision and out events.
    virtual int handleEvent(const Event* event);
    // Draws the current sprite frame at the position and steps the animation.
    virtual int draw();

  private:
    friend class CollisionGrid;
    friend class WorldManager;

    // Tells the world that the position, box or solidness changed, so that
    // its collision search finds the object where it now is.
    void refile();

    int id;
    std::string type = "Object";
    Vector position;
    int altitude = 3;
    Vector direction;
    float speed = 0;
    Solidness solidness = Solidness::Solid;
    Animation animation;
    Box box{Vector(0, 0), 1, 1};
    WorldEntry world_entry;
};

}  // namespace vl
