#pragma once

#include <vl/vl.h>

// The screen after the player died: it clears the field and zeroes and freezes
// the score. P returns to the title screen, Escape quits.
class GameOver : public vl::Object {
  public:
    GameOver();

    int handleEvent(const vl::Event* event) override;
};
