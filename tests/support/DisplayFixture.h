#pragma once

#include "support/WorldFixture.h"

// A started display with its window and font over an empty 82 x 24 world, in
// the run folder where the font lies. Fails the test when no X display can be
// opened. Each test starts on a clear frame.
class DisplayFixture : public WorldFixture {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Moves into the run folder, where the font lies; returns false if it cannot.
bool enterRunFolder();
