#pragma once

#include "EndScreen.h"

// The screen after the player died: it clears the field and zeroes and freezes
// the score. P returns to the title screen, Escape quits.
class GameOver : public EndScreen {
  public:
    GameOver();
};
