#pragma once

namespace vl {

/// A point or a displacement in character cells: x to the right, y downwards.
class Vector {
  public:
    /// Cells to the right.
    float x = 0;
    /// Cells downwards.
    float y = 0;

    Vector() = default;
    /// The vector (x_value, y_value).
    Vector(float x_value, float y_value) : x(x_value), y(y_value) {}

    /// The sum, component by component.
    Vector operator+(const Vector& other) const { return Vector(x + other.x, y + other.y); }
    /// The difference, component by component.
    Vector operator-(const Vector& other) const { return Vector(x - other.x, y - other.y); }
    /// Whether both components are equal.
    bool operator==(const Vector& other) const { return x == other.x && y == other.y; }
    /// Whether either component differs.
    bool operator!=(const Vector& other) const { return !(*this == other); }

    /// Multiplies both components by k.
    void scale(float k);
    /// The length.
    float magnitude() const;
    /// Makes the vector one cell long; the zero vector stays as it is.
    void normalize();
};

}  // namespace vl
