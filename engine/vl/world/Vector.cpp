#include "vl/world/Vector.h"

#include <cmath>

namespace vl {

void Vector::scale(float k) {
    x *= k;
    y *= k;
}

float Vector::magnitude() const {
    return std::sqrt(x * x + y * y);
}

void Vector::normalize() {
    const float length = magnitude();
    if (length > 0) {
        x /= length;
        y /= length;
    }
}

}  // namespace vl
