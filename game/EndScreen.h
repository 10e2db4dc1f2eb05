#pragma once

#include <vl/vl.h>

// What the game-over and win screens share. Made at a game's end, the screen
// clears the field: every player, bullet, turret, zombie, level and reticle is
// queued for deletion and the score and time displays are frozen, the score
// set to 0 when reset_score is set. P goes back to the title screen, Escape
// quits. Only presses count, and only the first: a screen that has acted on
// one is on its way out and ignores the rest.
class EndScreen : public vl::Object {
  public:
    int handleEvent(const vl::Event* event) override;

  protected:
    explicit EndScreen(bool reset_score);

  private:
    void handleKey(const vl::EventKeyboard& keyboard);

    bool leaving = false;
    bool title_due = false;
};
