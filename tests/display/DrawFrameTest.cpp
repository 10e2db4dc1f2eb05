#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/DisplayFixture.h"
#include "support/DisplaySprites.h"
#include "support/PixelChecks.h"

namespace {

using CellSet = std::set<std::pair<int, int>>;

// The cells of a frame that hold a visible character, given where its top-left
// character should land.
CellSet inkedCells(int left, int top, int width, const std::string& cells) {
    CellSet inked;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] != ' ') {
            const int x = left + static_cast<int>(i) % width;
            const int y = top + static_cast<int>(i) / width;
            inked.insert({x, y});
        }
    }
    return inked;
}

// Checks every cell of the window: ink of color exactly on the expected cells.
void expectInkExactlyOn(const sf::Image& image, const CellSet& expected, sf::Color color) {
    for (int y = 0; y < vl::kWindowVerticalCells; ++y) {
        for (int x = 0; x < vl::kWindowHorizontalCells; ++x) {
            const vl::Vector cell(static_cast<float>(x), static_cast<float>(y));
            if (expected.count({x, y}) != 0) {
                EXPECT_TRUE(cellHasInk(image, cell, color)) << "no ink at " << x << ", " << y;
            } else {
                EXPECT_TRUE(cellIsBlank(image, cell)) << "ink at " << x << ", " << y;
            }
        }
    }
}

// Which of the three cells of a one-row frame is inked: the frame index of the
// stepping sprite, -1 for none, -2 for more than one.
int shownStep(const sf::Image& image, vl::Vector first_cell) {
    int shown = -1;
    for (int i = 0; i < 3; ++i) {
        if (!cellIsBlank(image, vl::Vector(first_cell.x + i, first_cell.y))) {
            shown = shown == -1 ? i : -2;
        }
    }
    return shown;
}

class DrawFrameTest : public DisplayFixture {
  protected:
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
};

TEST_F(DrawFrameTest, FramesLandWhereHalfTheWidthPutsThem) {
    // The offset is half the frame's width on both axes: a frame's top row
    // lies width / 2 rows above its position, whatever its height.
    const struct {
        std::string label;
        int width;
        int height;
        std::string cells;
        vl::Vector position;
        int left;
        int top;
    } cases[] = {
        {"frame-3x1", 3, 1, "#@M", vl::Vector(10, 5), 9, 4},
        {"frame-1x3", 1, 3, "#@M", vl::Vector(30, 5), 30, 5},
        {"frame-4x2", 4, 2, "#@MWHXHX", vl::Vector(50, 5), 48, 3},
        {"frame-5x3", 5, 3, "# # # @ @ M M M", vl::Vector(20, 15), 18, 13},
        {"frame-2x6", 2, 6, "##@@MMWW##@@", vl::Vector(70, 10), 69, 9},
    };
    CellSet expected;
    for (const auto& c : cases) {
        const vl::Sprite* sprite =
            registerTestSprite(c.label, c.width, c.height, vl::Green, 1, {c.cells});
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(vl::drawFrame(*sprite, 0, c.position), 0);
        const CellSet inked = inkedCells(c.left, c.top, c.width, c.cells);
        expected.insert(inked.begin(), inked.end());
    }
    const sf::Image image = display.captureFrame();
    savePicture(image, "display-frames.png");
    expectInkExactlyOn(image, expected, sf::Color::Green);
}

TEST_F(DrawFrameTest, FramesThatCannotBeShownDrawNothing) {
    const vl::Sprite* sprite = registerTestSprite("frame-two", 2, 1, vl::Red, 1, {"##", "@@"});
    EXPECT_EQ(vl::drawFrame(*sprite, -1, vl::Vector(10, 10)), 0);
    EXPECT_EQ(vl::drawFrame(*sprite, 2, vl::Vector(10, 10)), 0);
    const vl::Sprite* empty = registerTestSprite("frame-empty", 0, 0, vl::Red, 1, {""});
    EXPECT_EQ(vl::drawFrame(*empty, 0, vl::Vector(10, 10)), 0);
    // Fewer characters than width x height: nothing, rather than reading past them.
    const vl::Sprite* short_frame = registerTestSprite("frame-short", 3, 2, vl::Red, 1, {"ab"});
    EXPECT_EQ(vl::drawFrame(*short_frame, 0, vl::Vector(10, 10)), 0);
    const vl::Sprite* negative = registerTestSprite("frame-negative", -2, 3, vl::Red, 1, {"ab"});
    EXPECT_EQ(vl::drawFrame(*negative, 0, vl::Vector(10, 10)), 0);
    const sf::Image image = display.captureFrame();
    EXPECT_EQ(countLitPixels(image, sf::IntRect(0, 0, 1024, 768)), 0);
}

TEST_F(DrawFrameTest, AnimationShowsEachFrameSlowdownTimes) {
    registerTestSprite("steps", 3, 1, vl::Yellow, 2, {"#  ", " # ", "  #"});
    vl::Object* object = new vl::Object;
    ASSERT_EQ(object->setSprite("steps"), 0);
    object->setPosition(vl::Vector(20, 10));
    std::vector<int> shown;
    for (int draw = 0; draw < 7; ++draw) {
        object->draw();
        shown.push_back(shownStep(display.captureFrame(), vl::Vector(19, 9)));
        display.presentFrame();
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 1, 2, 2, 0}));
}

TEST_F(DrawFrameTest, AFrameIndexBeyondANewSpriteDrawsNothingUntilItWraps) {
    registerTestSprite("steps", 3, 1, vl::Yellow, 2, {"#  ", " # ", "  #"});
    registerTestSprite("single", 3, 1, vl::Cyan, 2, {" # "});
    vl::Object* object = new vl::Object;
    object->setSprite("steps");
    object->setPosition(vl::Vector(20, 10));
    for (int draw = 0; draw < 4; ++draw) {
        object->draw();
    }
    display.presentFrame();
    ASSERT_EQ(object->getAnimation().frame_index, 2);
    ASSERT_EQ(object->setSprite("single"), 0);
    EXPECT_EQ(object->getAnimation().frame_index, 2);
    std::vector<int> shown;
    for (int draw = 0; draw < 4; ++draw) {
        object->draw();
        shown.push_back(shownStep(display.captureFrame(), vl::Vector(19, 9)));
        display.presentFrame();
    }
    EXPECT_EQ(shown, (std::vector<int>{-1, -1, 1, 1}));

    vl::Object* bare = new vl::Object;
    bare->setPosition(vl::Vector(40, 10));
    EXPECT_EQ(bare->draw(), 0);
    EXPECT_EQ(countLitPixels(display.captureFrame(), sf::IntRect(0, 0, 1024, 768)), 0);
    EXPECT_EQ(bare->getAnimation().frame_index, 0);
    EXPECT_EQ(bare->getAnimation().slowdown_count, 0);
}

}  // namespace
