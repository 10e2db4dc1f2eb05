#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DisplaySprites.h"
#include "support/RecordedScreen.h"
#include "support/WorldFixture.h"

namespace {

class DrawFrameTest : public WorldFixture {};

// A frame is centred horizontally on its position and its top row lies
// width / 2 rows above it, whatever its height.
TEST_F(DrawFrameTest, FramesLandWhereHalfTheWidthPutsThem) {
    const struct {
        std::string label;
        int width;
        int height;
        std::string cells;
        vl::Vector position;
    } frames[] = {
        {"frame-3x1", 3, 1, "abc", vl::Vector(10, 5)},
        {"frame-1x3", 1, 3, "def", vl::Vector(30, 5)},
        {"frame-4x2", 4, 2, "ghijklmn", vl::Vector(50, 5)},
        {"frame-5x3", 5, 3, "o p q r s t u v", vl::Vector(20, 15)},
        {"frame-2x6", 2, 6, "wxyz01234567", vl::Vector(70, 10)},
    };
    const std::string screen = shownScreen([&] {
        for (const auto& f : frames) {
            const vl::Sprite* sprite =
                registerTestSprite(f.label, f.width, f.height, vl::Green, 1, {f.cells});
            EXPECT_EQ(vl::drawFrame(*sprite, 0, f.position), 0);
        }
    });
    EXPECT_EQ(screen, R"(


                                                ghij
         abc                                    klmn
                              d
                              e
                              f

                                                                     wx
                                                                     yz
                                                                     01
                                                                     23
                  o p q                                              45
                   r s                                               67
                  t u v

g
)");
}

TEST_F(DrawFrameTest, FramesThatCannotBeShownDrawNothing) {
    const vl::Sprite* two = registerTestSprite("frame-two", 2, 1, vl::Red, 1, {"##", "@@"});
    const vl::Sprite* empty = registerTestSprite("frame-empty", 0, 0, vl::Red, 1, {""});
    // Fewer characters than width x height: nothing, rather than reading past them.
    const vl::Sprite* short_frame = registerTestSprite("frame-short", 3, 2, vl::Red, 1, {"ab"});
    const vl::Sprite* negative = registerTestSprite("frame-negative", -2, 3, vl::Red, 1, {"ab"});
    const std::string screen = shownScreen([&] {
        for (const auto& [sprite, index] :
             {std::pair(two, -1), std::pair(two, 2), std::pair(empty, 0), std::pair(short_frame, 0),
              std::pair(negative, 0)}) {
            EXPECT_EQ(vl::drawFrame(*sprite, index, vl::Vector(10, 10)), 0);
        }
    });
    EXPECT_EQ(screen, "\n\n");
}

// Each frame shows for `slowdown` draws; a sprite with fewer frames than the
// index reached shows nothing until the index wraps.
TEST_F(DrawFrameTest, AnimationShowsEachFrameSlowdownTimes) {
    registerTestSprite("steps", 3, 1, vl::Yellow, 2, {"1  ", " 2 ", "  3"});
    registerTestSprite("single", 3, 1, vl::Cyan, 2, {" 4 "});
    vl::Object* object = new vl::Object;
    ASSERT_EQ(object->setSprite("steps"), 0);
    object->setPosition(vl::Vector(1, 1));
    std::string shown;
    const auto drawAndShow = [&](int draws) {
        for (int draw = 0; draw < draws; ++draw) {
            const std::string screen = shownScreen([&] { object->draw(); });
            shown += screen.substr(0, screen.find('\n')) + "|";
        }
    };
    drawAndShow(7);
    EXPECT_EQ(shown, "1|1| 2| 2|  3|  3|1|");
    shown.clear();
    for (int draw = 0; draw < 3; ++draw) {
        object->draw();
    }
    ASSERT_EQ(object->setSprite("single"), 0);
    EXPECT_EQ(object->getAnimation().frame_index, 2);
    drawAndShow(4);
    EXPECT_EQ(shown, "|| 4| 4|");

    vl::Object* bare = new vl::Object;
    EXPECT_EQ(shownScreen([&] { EXPECT_EQ(bare->draw(), 0); }), "\n\n");
    EXPECT_EQ(bare->getAnimation().frame_index, 0);
}

}  // namespace
