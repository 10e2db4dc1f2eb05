#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DisplayFixture.h"
#include "support/DisplaySprites.h"
#include "support/PixelChecks.h"

namespace {

// A figure that walks right half a cell per step, changing its stride every
// second frame, under a score that rises by 100 per step and a level number.
const std::vector<std::string> kWalkerFrames = {
    "  @  "
    " /|\\ "
    " / \\ ",
    "  @  "
    " -|- "
    " / \\ ",
    "  @  "
    " \\|/ "
    "  |  ",
    "  @  "
    " -|- "
    "  |  ",
};
constexpr int kWalkerWidth = 5;
constexpr int kFrames = 8;

class DemonstrationTest : public DisplayFixture {};

TEST_F(DemonstrationTest, AnimatedSpriteAndValueDisplaysOnTheScreen) {
    registerTestSprite("demo-walker", kWalkerWidth, 3, vl::Green, 2, kWalkerFrames);
    auto* walker = new vl::Object;
    ASSERT_EQ(walker->setSprite("demo-walker"), 0);
    walker->setPosition(vl::Vector(10, 12));
    walker->setVelocity(vl::Vector(0.5f, 0));
    auto* score = new vl::ViewObject;
    score->setViewString("Score");
    score->setValue(1234);
    score->setLocation(vl::TopLeft);
    auto* level = new vl::ViewObject;
    level->setViewString("Level");
    level->setValue(3);
    level->setBorder(false);
    level->setLocation(vl::BottomCenter);

    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    std::vector<sf::Image> captures;
    for (int frame = 0; frame < kFrames; ++frame) {
        SCOPED_TRACE(frame);
        const vl::EventView points("Score", 100);
        vl::Manager::broadcast(&points);
        stepFrame();
        captures.push_back(display.captureFrame());
        display.presentFrame();
        const sf::Image& image = captures.back();

        // The walker: the frame of this step, centred where it has moved to.
        const vl::Vector at = walker->getPosition();
        EXPECT_EQ(at, vl::Vector(10 + 0.5f * (frame + 1), 12));
        const std::string& cells = kWalkerFrames[static_cast<size_t>(frame / 2 % 4)];
        for (size_t i = 0; i < cells.size(); ++i) {
            const vl::Vector cell(at.x + static_cast<float>(i % kWalkerWidth) - 2,
                                  at.y + static_cast<float>(i / kWalkerWidth) - 2);
            if (cells[i] == ' ') {
                EXPECT_TRUE(cellIsBlank(image, cell)) << "ink at " << cell.x << ", " << cell.y;
            } else {
                EXPECT_TRUE(cellHasInk(image, cell, sf::Color::Green))
                    << "no ink at " << cell.x << ", " << cell.y;
            }
        }

        // " Score 1334 " and so on, centred on 13.666667 of row 1: the four
        // digits are its characters 7 to 10.
        const float score_start = 82.0f / 6 - 6;
        for (int digit = 0; digit < 4; ++digit) {
            EXPECT_TRUE(
                cellHasInk(image, vl::Vector(score_start + 7 + digit, 1), sf::Color::White));
        }
        EXPECT_EQ(score->getValue(), 1234 + 100 * (frame + 1));
        // "Level 3" on cells 38 to 44 of row 22.
        EXPECT_TRUE(cellHasInk(image, vl::Vector(44, 22), sf::Color::White));
        EXPECT_TRUE(cellIsBlank(image, vl::Vector(43, 22)));
        if (frame > 0) {
            EXPECT_GT(comparePixels(image, captures[static_cast<size_t>(frame - 1)]).count, 0);
        }
    }
    // The hundreds digit differs between consecutive scores: its cell changes.
    const float hundreds = 82.0f / 6 - 6 + 8;
    const sf::IntRect digit_area = cellInkArea(vl::Vector(hundreds, 1));
    sf::Image first_digit;
    sf::Image second_digit;
    first_digit.create(static_cast<unsigned>(digit_area.width),
                       static_cast<unsigned>(digit_area.height));
    second_digit.create(static_cast<unsigned>(digit_area.width),
                        static_cast<unsigned>(digit_area.height));
    first_digit.copy(captures[0], 0, 0, digit_area);
    second_digit.copy(captures[1], 0, 0, digit_area);
    EXPECT_GT(comparePixels(first_digit, second_digit).count, 0);
    savePicture(captures.front(), "display-demo-first.png");
    savePicture(captures.back(), "display-demo-last.png");
}

}  // namespace
