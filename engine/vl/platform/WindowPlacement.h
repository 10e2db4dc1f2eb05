#pragma once

#include <SFML/Graphics/Rect.hpp>

namespace vl {

/// The width of a window manager's frame on each side of a window, in pixels.
struct FrameMargins {
    int left = 0;    ///< the frame's width left of the window
    int top = 0;     ///< above the window: the title bar, say
    int right = 0;   ///< right of the window
    int bottom = 0;  ///< below the window
};

/// Where a window opens and how large.
struct WindowPlacement {
    /// The whole-number scale the picture opens at.
    int scale = 1;
    /// The window's size without its frame.
    sf::Vector2i size;
    /// Where the frame's top-left corner goes: the position a window asks for.
    sf::Vector2i frame_corner;
};

/// Places a window for a picture of picture_size pixels: at the largest scale
/// up to the one asked for (at least 1) at which the window with its frame fits
/// the work area, centred in it. Where even scale 1 does not fit, the window is
/// the largest of the picture's shape that fits. A work area with no room at
/// all places a scale-1 window at its corner.
WindowPlacement placeWindow(const sf::IntRect& work_area, const FrameMargins& frame,
                            sf::Vector2i picture_size, int scale);

}  // namespace vl
