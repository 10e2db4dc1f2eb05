#pragma once

#include "vl/world/Vector.h"

namespace vl {

class Sprite;

/// Draws one frame of the sprite in the sprite's colour. The frame is centred
/// horizontally on position and its top row lies width / 2 rows above it: half
/// the width on both axes. An index the sprite does not hold draws nothing.
int drawFrame(const Sprite& sprite, int frame_index, Vector position);

}  // namespace vl
