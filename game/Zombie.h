#pragma once

#include <vl/vl.h>

// A slow enemy that walks straight at the player, one cell every fifth step.
class Zombie : public vl::Object {
  public:
    explicit Zombie(vl::Vector start);
    // Reports the zombie's points to the score, whatever destroyed it.
    ~Zombie() override;

    int handleEvent(const vl::Event* event) override;

  private:
    int chase();

    int move_slowdown = 5;
    int move_countdown = 5;
    int points = 15000;
};
