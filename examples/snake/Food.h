#pragma once

#include <vl/vl.h>

#include "round.h"

// A piece of food. The Snake eats it; it does nothing itself but blink.
class Food : public vl::Object {
  public:
    explicit Food(vl::Vector where) {
        setType("Food");
        setSprite("food");
        setBox(pieceBox());
        setSolidness(vl::Solidness::Permeable);
        setPosition(where);
    }
};
