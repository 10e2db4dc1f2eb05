#pragma once

#include <vl/vl.h>

#include "round.h"

// One piece of the snake's body. The Snake moves it; it does nothing itself.
class Segment : public vl::Object {
  public:
    explicit Segment(vl::Vector where) {
        setType("Segment");
        setSprite("segment");
        setBox(pieceBox());
        setSolidness(vl::Solidness::Permeable);
        setPosition(where);
    }
};
