#include "vl/platform/WindowPlacement.h"

#include <algorithm>

namespace vl {

namespace {

bool fits(sf::Vector2i size, sf::Vector2i room) {
    return size.x <= room.x && size.y <= room.y;
}

// The largest size of the picture's shape within room, in whole pixels.
sf::Vector2i shrinkInto(sf::Vector2i picture, sf::Vector2i room) {
    const long long by_width = static_cast<long long>(room.x) * picture.y;
    const long long by_height = static_cast<long long>(room.y) * picture.x;
    if (by_width <= by_height) {
        return sf::Vector2i(room.x, static_cast<int>(by_width / picture.x));
    }
    return sf::Vector2i(static_cast<int>(by_height / picture.y), room.y);
}

}  // namespace

WindowPlacement placeWindow(const sf::IntRect& work_area, const FrameMargins& frame,
                            sf::Vector2i picture_size, int scale) {
    WindowPlacement placement;
    const sf::Vector2i room(work_area.width - frame.left - frame.right,
                            work_area.height - frame.top - frame.bottom);
    placement.scale = std::max(1, scale);
    while (placement.scale > 1 && !fits(picture_size * placement.scale, room)) {
        --placement.scale;
    }
    placement.size = picture_size * placement.scale;
    if (!fits(placement.size, room)) {
        const sf::Vector2i shrunk = shrinkInto(picture_size, room);
        if (shrunk.x > 0 && shrunk.y > 0) {
            placement.size = shrunk;
        }
    }
    const sf::Vector2i outer(placement.size.x + frame.left + frame.right,
                             placement.size.y + frame.top + frame.bottom);
    placement.frame_corner =
        sf::Vector2i(work_area.left + std::max(0, (work_area.width - outer.x) / 2),
                     work_area.top + std::max(0, (work_area.height - outer.y) / 2));
    return placement;
}

}  // namespace vl
