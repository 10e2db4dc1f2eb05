#pragma once

#include <gtest/gtest.h>

#include <vl/vl.h>

// A started, empty 82 x 24 world; every object left in it is destroyed at the
// end of the test.
class WorldFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// One frame of game logic without input, drawing or sleeping: the step event,
// the world's update and drawing.
void stepFrame();
void stepFrames(int count);
