#pragma once

#include "EndScreen.h"

// The screen after the last level: it clears the field and freezes the score
// and time, which stay on screen. P returns to the title screen, Escape quits.
class GameWin : public EndScreen {
  public:
    GameWin();
};
