#pragma once

#include <cstdint>

namespace vl {

/// The eight drawing colours of the engine.
enum Color : int32_t {
    Black = 0,
    Red = 1,
    Green = 2,
    Yellow = 3,
    Blue = 4,
    Magenta = 5,
    Cyan = 6,
    White = 7,
};

constexpr Color kDefaultColor = White;

}  // namespace vl
