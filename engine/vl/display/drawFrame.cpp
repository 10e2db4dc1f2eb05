#include "vl/display/drawFrame.h"

#include "vl/display/DisplayManager.h"
#include "vl/resources/Sprite.h"

namespace vl {

int drawFrame(const Sprite& sprite, int frame_index, Vector position) {
    const Frame& frame = sprite.frameAt(frame_index);
    const std::string& cells = frame.getCells();
    const int width = frame.getWidth();
    const int height = frame.getHeight();
    // A frame that does not hold every cell of its rectangle is drawn as empty.
    if (cells.empty() || width <= 0 || height <= 0 ||
        cells.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) {
        return 0;
    }
    const Color color = sprite.getColor();
    const float offset = static_cast<float>(width / 2);
    DisplayManager& display = DisplayManager::getInstance();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Vector cell(position.x + static_cast<float>(x) - offset,
                              position.y + static_cast<float>(y) - offset);
            display.drawCell(cell, cells[static_cast<size_t>(y * width + x)], color);
        }
    }
    return 0;
}

}  // namespace vl
