#pragma once

#include <vl/vl.h>

// The game-over banner over the field. R starts a new round, Escape quits.
class GameOver : public vl::Object {
  public:
    GameOver();

    int handleEvent(const vl::Event* event) override;
};
