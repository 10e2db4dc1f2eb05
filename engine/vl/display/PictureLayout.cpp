#include "vl/display/PictureLayout.h"

#include <algorithm>
#include <cmath>

namespace vl {

PictureLayout fitPicture(int window_width, int window_height, int picture_width,
                         int picture_height) {
    window_width = std::max(window_width, 1);
    window_height = std::max(window_height, 1);
    picture_width = std::max(picture_width, 1);
    picture_height = std::max(picture_height, 1);
    PictureLayout layout;
    layout.scale = std::min(static_cast<float>(window_width) / static_cast<float>(picture_width),
                            static_cast<float>(window_height) / static_cast<float>(picture_height));
    // The side that sets the scale is filled exactly; rounding the other may
    // not pass the window's edge.
    layout.width =
        std::min(window_width,
                 static_cast<int>(std::lround(layout.scale * static_cast<float>(picture_width))));
    layout.height =
        std::min(window_height,
                 static_cast<int>(std::lround(layout.scale * static_cast<float>(picture_height))));
    layout.left = (window_width - layout.width) / 2;
    layout.top = (window_height - layout.height) / 2;
    return layout;
}

}  // namespace vl
