#pragma once

namespace vl {

/// Where the game's picture lies in a window of any size: scaled by one factor
/// in both directions so that it keeps its shape, as large as the window
/// allows, and centred, with black bars on the two sides it does not fill.
struct PictureLayout {
    /// Window pixels per picture pixel.
    float scale = 1;
    /// The scaled picture's width in whole window pixels.
    int width = 0;
    /// The scaled picture's height in whole window pixels.
    int height = 0;
    /// The window pixel column of the scaled picture's left edge.
    int left = 0;
    /// The window pixel row of the scaled picture's top edge.
    int top = 0;
};

/// The layout of a picture_width × picture_height picture in a
/// window_width × window_height window. Sizes below 1 count as 1, so the
/// scale is always positive and finite.
PictureLayout fitPicture(int window_width, int window_height, int picture_width,
                         int picture_height);

}  // namespace vl
