#pragma once

#include <vl/vl.h>

// The title screen: P starts a game, Escape quits. Only the first press
// counts: a screen that has acted on one is on its way out and ignores the
// rest.
class GameStart : public vl::Object {
  public:
    GameStart();

    int handleEvent(const vl::Event* event) override;

  private:
    void handleKey(const vl::EventKeyboard& keyboard);

    bool leaving = false;
};
