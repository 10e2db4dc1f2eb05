#pragma once

#include "world/Vector.h"

namespace vl {

// An axis-aligned rectangle covering corner to corner + (horizontal, vertical),
// edges included.
class Box {
  public:
    Vector corner;
    float horizontal = 0;
    float vertical = 0;

    Box() = default;
    Box(Vector corner_value, float horizontal_value, float vertical_value)
        : corner(corner_value), horizontal(horizontal_value), vertical(vertical_value) {}
};

// Inclusive: boxes that only touch along an edge or at a corner overlap.
bool boxesOverlap(const Box& a, const Box& b);

}  // namespace vl
