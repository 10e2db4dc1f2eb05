#pragma once

#include <string>

#include "support/WorldFixture.h"

// A started display with its window and font over an empty 82 x 24 world, in
// the run folder where the font lies. Skips the test when no X display can be
// opened. Each test starts on a clear frame.
class DisplayFixture : public WorldFixture {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// The folder the test program was started in, where tests leave their pictures.
const std::string& launchFolder();
// Moves into the run folder, where the font lies; returns false if it cannot.
bool enterRunFolder();
