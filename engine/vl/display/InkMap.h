#pragma once

#include <cstdint>
#include <vector>

#include <SFML/Graphics/Rect.hpp>

namespace vl {

/// Where anything but black has been drawn on the window since it was last
/// cleared, in blocks of a few pixels. A cell's opaque black background over a
/// part of the window that holds only the clear's black changes no pixel, so
/// the display leaves such backgrounds out: most of a screen is spaces.
class InkMap {
  public:
    /// A map of a window of the given size with no ink anywhere.
    InkMap(int width_pixels, int height_pixels);

    /// Records ink over the rectangle (in window pixels).
    void mark(const sf::FloatRect& area);
    /// Whether any ink may lie under the rectangle.
    bool anyMarked(const sf::FloatRect& area) const;
    /// The window was cleared: no ink anywhere.
    void clear();

  private:
    struct BlockRange {
        int first_column;
        int last_column;
        int first_row;
        int last_row;
        bool empty() const { return first_column > last_column || first_row > last_row; }
    };

    /// The blocks a rectangle touches, widened by a pixel on every side for
    /// smoothing and rounding at its edges, clipped to the window.
    BlockRange blocksUnder(const sf::FloatRect& area) const;

    int columns;
    int rows;
    std::vector<std::uint8_t> inked;
};

}  // namespace vl
