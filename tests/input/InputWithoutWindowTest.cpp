#include <gtest/gtest.h>

#include <cstdlib>

#include <vl/vl.h>
#include "support/Probe.h"

// The game's logic runs frames with no window at all. Asking SFML for a key
// or button state there would open an X display and abort the process, so
// the frame's input must read nothing.
TEST(InputWithoutWindow, ReadsNothingAndKeepsRunningWhereNoDisplayExists) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("DISPLAY");
            vl::DisplayManager::getInstance().startUp();
            vl::WorldManager::getInstance().startUp();
            std::vector<std::string> records;
            new Probe("", &records);
            const int started = vl::InputManager::getInstance().startUp();
            vl::InputManager::getInstance().pollInput();
            vl::InputManager::getInstance().pollInput();
            const bool quiet = records.empty();
            std::exit(started == -1 && quiet ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
