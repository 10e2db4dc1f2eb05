#pragma once

#include <vl/vl.h>

// The aiming mark: a green plus sign in the cell under the mouse pointer.
class Reticle : public vl::Object {
  public:
    Reticle();

    // Follows pointer moves; held buttons leave it where it is.
    int handleEvent(const vl::Event* event) override;
    int draw() override;
};
