#pragma once

#include <vl/vl.h>

class Reticle;

// The character the user controls: it walks on W, A, S, D, fires toward its
// reticle while a mouse button is held, and dies to a turret's bullet, a
// zombie's touch or Escape.
class Player : public vl::Object {
  public:
    Player();
    // Removes the reticle and, unless the level was cleared, ends the game.
    ~Player() override;

    int handleEvent(const vl::Event* event) override;

    // One attempt to walk: a vertical step covers half a cell, since a cell is
    // almost three times as high as it is wide.
    void move(float dx, float dy);
    // One attempt to shoot toward a world position.
    void fire(vl::Vector target);

    bool isLevelComplete() const { return level_complete; }
    void setLevelComplete(bool value) { level_complete = value; }
    Reticle* getReticle() const { return reticle; }

  private:
    int handleKeyboard(const vl::EventKeyboard& keyboard);
    int handleCollision(const vl::EventCollision& collision);

    int move_slowdown = 2;
    int move_countdown = 2;
    int fire_slowdown = 18;
    int fire_countdown = 18;
    bool level_complete = false;
    Reticle* reticle = nullptr;
};
