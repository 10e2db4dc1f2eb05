#pragma once

namespace vl {

// A point or a displacement in character cells: x to the right, y downwards.
class Vector {
  public:
    float x = 0;
    float y = 0;

    Vector() = default;
    Vector(float x_value, float y_value) : x(x_value), y(y_value) {}

    Vector operator+(const Vector& other) const { return Vector(x + other.x, y + other.y); }
    Vector operator-(const Vector& other) const { return Vector(x - other.x, y - other.y); }
    bool operator==(const Vector& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Vector& other) const { return !(*this == other); }

    void scale(float k);
    float magnitude() const;
    // Makes the vector one cell long; the zero vector stays as it is.
    void normalize();
};

}  // namespace vl
