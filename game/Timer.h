#pragma once

#include <vl/vl.h>

// The whole seconds since the game began, at the top left, until a game's
// end freezes it. A second counts at the first step after it has passed.
class Timer : public vl::ViewObject {
  public:
    Timer();

    int handleEvent(const vl::Event* event) override;

    bool isActive() const { return active; }
    void setActive(bool value) { active = value; }

  private:
    vl::Clock clock;
    int seconds = 0;
    bool active = true;
};
