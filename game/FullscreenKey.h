#pragma once

#include <vl/vl.h>

// F11 switches the window between fullscreen and its own size, on every
// screen of the game. Shows nothing and touches nothing.
class FullscreenKey : public vl::Object {
  public:
    FullscreenKey();
    int handleEvent(const vl::Event* event) override;
};
