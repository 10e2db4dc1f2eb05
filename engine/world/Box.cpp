#include "world/Box.h"

namespace vl {

namespace {

bool rangesMeet(float a, float a_length, float b, float b_length) {
    return (a >= b && b + b_length >= a) || (b >= a && a + a_length >= b);
}

}  // namespace

bool boxesOverlap(const Box& a, const Box& b) {
    return rangesMeet(a.corner.x, a.horizontal, b.corner.x, b.horizontal) &&
           rangesMeet(a.corner.y, a.vertical, b.corner.y, b.vertical);
}

}  // namespace vl
