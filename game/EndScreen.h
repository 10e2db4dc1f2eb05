#pragma once

#include "KeyScreen.h"

// What the game-over and win screens share. Made at a game's end, the screen
// clears the field: every player, bullet, turret, zombie, level and reticle is
// queued for deletion and the score and time displays are frozen, the score
// set to 0 when reset_score is set. P goes back to the title screen, Escape
// quits.
class EndScreen : public KeyScreen {
  public:
    int handleEvent(const vl::Event* event) override;

  protected:
    explicit EndScreen(bool reset_score);

  private:
    void moveOn() override;

    bool title_due = false;
};
