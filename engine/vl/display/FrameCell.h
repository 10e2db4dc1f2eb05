#pragma once

#include "vl/resources/Color.h"
#include "vl/world/Vector.h"

namespace vl {

/// One cell of a frame as it lands in the window: where it lies relative to the
/// view's corner when it was drawn, its character and the colour it is drawn
/// in. Two frames of equal cells in the same order give the same picture.
struct FrameCell {
    /// The position relative to the view's corner, in cells.
    Vector view_position;
    /// The character drawn.
    char ch = ' ';
    /// The colour drawn in, one of the eight.
    Color color = kDefaultColor;

    /// Whether both cells draw the same pixels. A NaN position equals nothing,
    /// so a frame holding one is always drawn.
    bool operator==(const FrameCell& other) const {
        return view_position == other.view_position && ch == other.ch && color == other.color;
    }
};

}  // namespace vl
