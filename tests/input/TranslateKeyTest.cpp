#include <gtest/gtest.h>

#include <vector>

#include <vl/vl.h>

namespace {

int translated(int code) {
    return static_cast<int>(vl::translateKey(static_cast<sf::Keyboard::Key>(code)));
}

// Each of the engine's 72 keys comes from exactly one SFML key; every other
// code, in range or not, is Undefined. Which key is which is checked with
// real key presses.
TEST(TranslateKey, EveryEngineKeyHasOneSourceAndTheRestAreUndefined) {
    std::vector<int> sources(72, 0);
    for (int code = -200; code <= 300; ++code) {
        const int key = translated(code);
        if (key == -1) {
            continue;
        }
        ASSERT_GE(key, 0) << "SFML key " << code;
        ASSERT_LT(key, 72) << "SFML key " << code;
        ++sources[static_cast<size_t>(key)];
    }
    EXPECT_EQ(sources, std::vector<int>(72, 1));
}

}  // namespace
