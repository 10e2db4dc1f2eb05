#pragma once

#include <vl/vl.h>

// The points of the game in progress, at the top right. It adds what every
// destroyed turret and zombie reports, until a game's end freezes it.
class Score : public vl::ViewObject {
  public:
    Score();

    int handleEvent(const vl::Event* event) override;

    bool isActive() const { return active; }
    void setActive(bool value) { active = value; }

  private:
    int score = 0;
    bool active = true;
};
