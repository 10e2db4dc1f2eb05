#pragma once

#include <string>

#include <vl/vl.h>

inline constexpr char kPlayerOwner[] = "Player";
inline constexpr char kTurretOwner[] = "Turret";

// A shot in flight. It carries its shooter's type name so that what it hits
// can tell friend from foe; it is never blocked and removes itself when it
// leaves the world. What a hit means is decided by the object hit.
class Bullet : public vl::Object {
  public:
    // Places itself relative to start by its owner: 2 cells right, and 1 cell
    // (turret) or 0.4 cells (player) up. It stands still until given a velocity.
    Bullet(vl::Vector start, const std::string& sprite_label, std::string bullet_owner);

    const std::string& getOwner() const { return owner; }
    int handleEvent(const vl::Event* event) override;

    // The bullet in a collision, the mover first; null when neither is one.
    static Bullet* inCollision(const vl::EventCollision& collision);

  private:
    std::string owner;
};
