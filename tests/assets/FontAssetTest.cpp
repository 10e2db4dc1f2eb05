#include <gtest/gtest.h>

#include <algorithm>

#include <vl/vl.h>
#include "support/DisplayFixture.h"

namespace {

class FontAsset : public DisplayFixture {};

// A glyph that spills out of its 12-pixel cell is cut by its neighbours. Each
// printable character is drawn alone, two cells from the next, and its ink is
// measured from its cell's left edge. Ink is what can be seen: the smoothing
// of the glyph texture leaves a fringe of at most 5 % brightness.
TEST_F(FontAsset, EveryPrintableGlyphInksOnlyItsOwnCell) {
    const int width = static_cast<int>(vl::cellWidth());
    const int height = static_cast<int>(vl::cellHeight());
    auto cellOf = [](char c) {
        return vl::Vector(3.0f * ((c - '!') % 27) + 1, 2.0f * ((c - '!') / 27));
    };
    for (char c = '!'; c <= '~'; ++c) {
        vl::DisplayManager::getInstance().drawCell(cellOf(c), c, vl::White);
    }
    const sf::Image frame = vl::DisplayManager::getInstance().captureFrame();
    for (char c = '!'; c <= '~'; ++c) {
        const int left = static_cast<int>(cellOf(c).x) * width;
        const int top = static_cast<int>(cellOf(c).y) * height;
        for (int x = left - width; x < left + 2 * width; ++x) {
            for (int y = top; y < top + 2 * height; ++y) {
                const sf::Color p =
                    frame.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
                if (std::max({p.r, p.g, p.b}) > 255 / 10) {
                    EXPECT_TRUE(x >= left && x < left + width) << c << " inks pixel " << x - left;
                }
            }
        }
    }
}

}  // namespace
