#pragma once

#include <functional>

#include <vl/vl.h>

// An invisible object that hands every step of the game loop to a callback.
// When the callback returns false the game is finished, so the loop returns
// after this frame.
class LoopProbe : public vl::Object {
  public:
    explicit LoopProbe(std::function<bool()> on_step);

    int handleEvent(const vl::Event* event) override;

  private:
    std::function<bool()> step_handler;
};
