#pragma once

#include <vl/vl.h>

// A screen that waits for one key: Escape quits the game, P moves on (what
// moving on means is the screen's own). Only presses count, and only the
// first: a screen that has acted on one is on its way out and ignores the rest.
class KeyScreen : public vl::Object {
  public:
    // Acts on keyboard events and returns 1 for them; 0 for any other event.
    int handleEvent(const vl::Event* event) override;

  protected:
    // What P does on this screen; called at most once.
    virtual void moveOn() = 0;

  private:
    bool leaving = false;
};
