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

/// The colours' names, in the order of their values: "black" to "white".
inline constexpr const char* kColorNames[] = {"black", "red",     "green", "yellow",
                                              "blue",  "magenta", "cyan",  "white"};

/// The colour's name; "white" for a value outside the eight.
inline const char* colorName(Color color) {
    return color >= Black && color <= White ? kColorNames[color] : kColorNames[kDefaultColor];
}

}  // namespace vl
