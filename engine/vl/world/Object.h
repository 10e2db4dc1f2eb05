#pragma once

#include <cstdint>
#include <string>

#include "vl/resources/Animation.h"
#include "vl/world/Box.h"
#include "vl/world/Event.h"
#include "vl/world/Vector.h"
#include "vl/world/WorldEntry.h"

namespace vl {

/// How an object takes part in collisions.
enum class Solidness : int32_t {
    Solid = 0,       ///< collides; a Solid mover is stopped by a Solid object
    Permeable = 1,   ///< collides, but neither stops nor is stopped
    Intangible = 2,  ///< takes part in no collision
};

/// Objects are drawn by altitude, 0 first (furthest back) and kMaxAltitude last.
constexpr int kMaxAltitude = 5;

/// Base of everything that lives in the world. Game code creates objects with
/// new; the constructor enters the object into the world, which from then on
/// owns it. Game code never deletes an object: it queues it for deletion.
class Object {
  public:
    Object();
    virtual ~Object();
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    /// A number unique to the object for the whole run, counted from 0.
    int getId() const { return id; }
    /// The type name other objects know it by: "Object" unless set.
    const std::string& getType() const { return type; }
    /// Sets the type name; collectByType compares it exactly.
    void setType(std::string new_type) { type = std::move(new_type); }

    /// The position in the world, in cells.
    Vector getPosition() const { return position; }
    /// Stores the position with no collision or out-of-world test. This and
    /// the other setters of the box and solidness tell the world at once, so
    /// that its collision search finds the object as it now is.
    void setPosition(Vector new_position);

    /// The drawing layer, 0 to kMaxAltitude: 3 unless set.
    int getAltitude() const { return altitude; }
    /// Sets the drawing layer; outside 0 to kMaxAltitude the object is not drawn.
    void setAltitude(int new_altitude) { altitude = new_altitude; }
    /// How the object takes part in collisions: Solid unless set.
    Solidness getSolidness() const { return solidness; }
    /// Sets how the object takes part in collisions.
    void setSolidness(Solidness new_solidness);

    /// The unit vector the object moves along, or zero.
    Vector getDirection() const { return direction; }
    /// Cells moved per frame along the direction.
    float getSpeed() const { return speed; }
    /// Sets the cells moved per frame; the direction stays.
    void setSpeed(float new_speed) { speed = new_speed; }
    /// Speed becomes the length of v, direction the unit vector along it.
    void setVelocity(Vector v);
    /// The move of one frame: direction times speed.
    Vector velocity() const;

    /// The collision box relative to the position.
    Box getBox() const { return box; }
    /// Sets the collision box relative to the position; boxes that touch collide.
    void setBox(Box new_box);
    /// The box in world coordinates: moved by the position.
    Box translatedBox() const { return Box(box.corner + position, box.horizontal, box.vertical); }

    /// The sprite shown and the state of its animation.
    Animation getAnimation() const { return animation; }
    /// Shows the sprite registered under label and fits the box around it.
    /// -1, changing nothing, when no sprite has that label.
    int setSprite(const std::string& label);

    /// 1 for the engine's step, mouse, keyboard, collision and out events.
    virtual int handleEvent(const Event* event);
    /// Draws the current sprite frame at the position and steps the animation.
    virtual int draw();

  private:
    friend class CollisionGrid;
    friend class WorldManager;

    /// Tells the world that the position, box or solidness changed, so that
    /// its collision search finds the object where it now is.
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
