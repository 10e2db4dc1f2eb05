#pragma once

#include "KeyScreen.h"

// The title screen: P starts a game, Escape quits.
class GameStart : public KeyScreen {
  public:
    GameStart();

  private:
    void moveOn() override;
};
