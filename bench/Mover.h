#pragma once

#include <vl/vl.h>

// A box that crosses the world and turns back at its edges and, when Solid,
// off the Solid objects it runs into. It counts the collisions it is told of.
class Mover : public vl::Object {
  public:
    Mover(vl::Vector position, vl::Vector velocity, vl::Vector size, vl::Solidness solidness);

    int handleEvent(const vl::Event* event) override;

    static long collisionCount() { return collisions; }

  private:
    void turnBack();

    static long collisions;
};
