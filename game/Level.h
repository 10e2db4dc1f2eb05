#pragma once

#include <vl/vl.h>

class Player;

constexpr int kLastLevel = 10;

// One level of play, shown as "Level n" at the top centre. It lays out the
// player and the level's enemies, and as soon as no turret and no zombie is
// left it clears the field and makes the next level, or the win screen.
class Level : public vl::ViewObject {
  public:
    explicit Level(int number);

    int handleEvent(const vl::Event* event) override;

    int getLevelNumber() const { return level_number; }

  private:
    void layOutEnemies() const;
    void end(const vl::ObjectList& snapshot);

    int level_number;
    Player* player = nullptr;
};
