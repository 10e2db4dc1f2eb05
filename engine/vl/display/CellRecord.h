#pragma once

#include "vl/resources/Color.h"
#include "vl/world/Vector.h"

namespace vl {

/// One cell as the display drew it: the world position given to drawCell, the
/// character, and the colour it was drawn in (a colour outside the eight is
/// already replaced by the colour last used).
struct CellRecord {
    /// The world position given to drawCell.
    Vector position;
    /// The character drawn.
    char ch = ' ';
    /// The colour it was drawn in.
    Color color = kDefaultColor;
};

}  // namespace vl
