#pragma once

#include "vl/world/Vector.h"

namespace vl {

/// An axis-aligned rectangle covering corner to corner + (horizontal, vertical),
/// edges included.
class Box {
  public:
    /// The top-left corner, in cells.
    Vector corner;
    /// The width in cells; the right edge is at corner.x + horizontal.
    float horizontal = 0;
    /// The height in cells; the bottom edge is at corner.y + vertical.
    float vertical = 0;

    Box() = default;
    /// The box from corner_value to corner_value + (horizontal_value, vertical_value).
    Box(Vector corner_value, float horizontal_value, float vertical_value)
        : corner(corner_value), horizontal(horizontal_value), vertical(vertical_value) {}
};

/// Whether [a, a + a_length] and [b, b + b_length] meet. Written without
/// branches: the collision walk tests every pair of objects, and on scattered
/// positions branches here are mispredicted about half the time.
inline bool rangesMeet(float a, float a_length, float b, float b_length) {
    return ((a >= b) & (b + b_length >= a)) | ((b >= a) & (a + a_length >= b));
}

/// Inclusive: boxes that only touch along an edge or at a corner overlap. Any
/// comparison with a NaN is false, so a box with a NaN overlaps nothing.
inline bool boxesOverlap(const Box& a, const Box& b) {
    const bool across = rangesMeet(a.corner.x, a.horizontal, b.corner.x, b.horizontal);
    const bool down = rangesMeet(a.corner.y, a.vertical, b.corner.y, b.vertical);
    return across & down;
}

}  // namespace vl
