#pragma once

#include <vl/vl.h>

// The title screen: P starts a game, Escape quits.
class GameStart : public vl::Object {
  public:
    GameStart();

    int handleEvent(const vl::Event* event) override;

  private:
    void handleKey(const vl::EventKeyboard& keyboard);
};
