#pragma once

#include <deque>

#include <vl/vl.h>

class Segment;

// The snake's head, which steers the body behind it. It moves a cell at a
// time, grows when it eats, and ends the round when it runs into its own body
// or off the field.
class Snake : public vl::Object {
  public:
    // A snake of length pieces (the head included) with its head on cell,
    // heading right, its body trailing to the left.
    Snake(vl::Vector cell, int length);

    int handleEvent(const vl::Event* event) override;

    int getLength() const { return 1 + static_cast<int>(body.size()); }
    bool isAlive() const { return alive; }

    // Steps between two moves. Cells are 12 pixels wide and 32 high, so the
    // snake waits longer between moves up and down to cross the screen at
    // about the same speed either way.
    static constexpr int kStepsPerMoveAcross = 2;
    static constexpr int kStepsPerMoveUpDown = 5;
    // Pieces added by each piece of food.
    static constexpr int kGrowthPerFood = 2;

  private:
    void steer(vl::Key key);
    void step();
    void advance();
    void collide(const vl::EventCollision& collision);
    void die();

    // Nearest the head first. The world owns the segments; the snake only moves them.
    std::deque<Segment*> body;
    // The direction of the last move, and of the next one.
    vl::Vector heading{1, 0};
    vl::Vector next_heading{1, 0};
    int countdown = kStepsPerMoveAcross;
    int growth = 0;
    bool ate = false;
    bool alive = true;
};
