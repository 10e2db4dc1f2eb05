#include <gtest/gtest.h>

#include <algorithm>

#include <vl/vl.h>
#include "support/DisplayFixture.h"

namespace {

class FontAsset : public DisplayFixture {};

// Glyphs that spill out of their 12-pixel cell are cut by their neighbours.
// Each printable character is drawn alone, three cells from the next, and its
// ink is measured from its cell's left edge. Ink is what can be seen: the
// smoothing of the glyph texture leaves a fringe of at most 5 % brightness.
constexpr int kInk = 255 / 10;

TEST_F(FontAsset, EveryPrintableGlyphInksOnlyItsOwnCell) {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    constexpr int kPerRow = 27;
    for (char c = '!'; c <= '~'; ++c) {
        const int i = c - '!';
        display.drawCell(vl::Vector(static_cast<float>(3 * (i % kPerRow) + 1),
                                    static_cast<float>(2 * (i / kPerRow) + 1)),
                         c, vl::White);
    }
    const sf::Image frame = display.captureFrame();
    const int cell = static_cast<int>(vl::cellWidth());
    int leftmost = cell;
    int rightmost = -1;
    for (char c = '!'; c <= '~'; ++c) {
        const int i = c - '!';
        const int left = (3 * (i % kPerRow) + 1) * cell;
        const int top = (2 * (i / kPerRow) + 1) * static_cast<int>(vl::cellHeight());
        int ink_left = cell;
        int ink_right = -1;
        for (int x = left - cell; x < left + 2 * cell; ++x) {
            for (int y = top; y < top + 2 * static_cast<int>(vl::cellHeight()); ++y) {
                const sf::Color p =
                    frame.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
                if (std::max({p.r, p.g, p.b}) > kInk) {
                    ink_left = std::min(ink_left, x - left);
                    ink_right = std::max(ink_right, x - left);
                }
            }
        }
        EXPECT_GE(ink_left, 0) << c;
        EXPECT_LT(ink_right, cell) << c;
        EXPECT_GE(ink_right, ink_left) << c << " has no ink";
        leftmost = std::min(leftmost, ink_left);
        rightmost = std::max(rightmost, ink_right);
    }
    RecordProperty("ink_pixels", std::to_string(leftmost) + " to " + std::to_string(rightmost));
    std::cout << "glyph ink lies in pixels " << leftmost << " to " << rightmost << " of a " << cell
              << "-pixel cell\n";
}

}  // namespace
