#include "vl/display/InkMap.h"

#include <algorithm>
#include <cmath>

namespace vl {

namespace {

constexpr int kBlockPixels = 4;
constexpr float kEdgeMargin = 1;

}  // namespace

InkMap::InkMap(int width_pixels, int height_pixels)
    : columns((width_pixels + kBlockPixels - 1) / kBlockPixels),
      rows((height_pixels + kBlockPixels - 1) / kBlockPixels),
      inked(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0) {}

InkMap::BlockRange InkMap::blocksUnder(const sf::FloatRect& area) const {
    const float left = area.left - kEdgeMargin;
    const float top = area.top - kEdgeMargin;
    const float right = area.left + area.width + kEdgeMargin;
    const float bottom = area.top + area.height + kEdgeMargin;
    // A rectangle with a NaN or entirely off the window touches no block.
    if (!(left <= right && top <= bottom)) {
        return BlockRange{0, -1, 0, -1};
    }
    const auto clampedBlock = [](float pixel, int count) {
        const float block = std::floor(pixel / kBlockPixels);
        return static_cast<int>(std::clamp(block, -1.0f, static_cast<float>(count)));
    };
    return BlockRange{std::max(clampedBlock(left, columns), 0),
                      std::min(clampedBlock(right, columns), columns - 1),
                      std::max(clampedBlock(top, rows), 0),
                      std::min(clampedBlock(bottom, rows), rows - 1)};
}

void InkMap::mark(const sf::FloatRect& area) {
    const BlockRange range = blocksUnder(area);
    if (range.empty()) {
        return;
    }
    for (int row = range.first_row; row <= range.last_row; ++row) {
        const std::size_t start = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns);
        std::fill(inked.begin() + static_cast<std::ptrdiff_t>(start + range.first_column),
                  inked.begin() + static_cast<std::ptrdiff_t>(start + range.last_column + 1), 1);
    }
}

bool InkMap::anyMarked(const sf::FloatRect& area) const {
    const BlockRange range = blocksUnder(area);
    if (range.empty()) {
        return false;
    }
    for (int row = range.first_row; row <= range.last_row; ++row) {
        const std::size_t start = static_cast<std::size_t>(row) * static_cast<std::size_t>(columns);
        for (int column = range.first_column; column <= range.last_column; ++column) {
            if (inked[start + static_cast<std::size_t>(column)] != 0) {
                return true;
            }
        }
    }
    return false;
}

void InkMap::clear() {
    std::fill(inked.begin(), inked.end(), 0);
}

}  // namespace vl
