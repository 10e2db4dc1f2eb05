#include "spriteStage.h"

#include <algorithm>

#include <vl/display/DisplayManager.h>
#include <vl/display/drawFrame.h>

namespace {

// The top and bottom rows hold text; the stage lies between them.
constexpr int kFirstStageRow = 1;
constexpr int kStageRows = vl::kWindowVerticalCells - 2;

const char* const kColorNames[] = {"black", "red",     "green", "yellow",
                                   "blue",  "magenta", "cyan",  "white"};

// Marks must stand out from the picture they frame.
vl::Color markColor(const vl::Sprite& sprite) {
    return sprite.getColor() == vl::Yellow ? vl::Cyan : vl::Yellow;
}

void drawRow(int row, const std::string& text) {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    const int columns = std::min(static_cast<int>(text.size()), vl::kWindowHorizontalCells);
    for (int column = 0; column < columns; ++column) {
        display.drawCell(vl::Vector(static_cast<float>(column), static_cast<float>(row)),
                         text[static_cast<size_t>(column)], vl::White);
    }
}

void drawMark(int column, int row, char mark, vl::Color color) {
    vl::DisplayManager::getInstance().drawCell(
        vl::Vector(static_cast<float>(column), static_cast<float>(row)), mark, color);
}

// The cells just outside the box, the corners included.
void drawOutline(int left, int top, int width, int height, vl::Color color) {
    const int right = left + width + 1;
    const int bottom = top + height + 1;
    for (int column = left; column <= right; ++column) {
        const bool corner = column == left || column == right;
        drawMark(column, top, corner ? '+' : '-', color);
        drawMark(column, bottom, corner ? '+' : '-', color);
    }
    for (int row = top + 1; row < bottom; ++row) {
        drawMark(left, row, '|', color);
        drawMark(right, row, '|', color);
    }
}

std::string spriteFacts(const vl::Sprite& sprite, const std::string& file) {
    const int color = sprite.getColor();
    return file + "  " + std::to_string(sprite.getWidth()) + " x " +
           std::to_string(sprite.getHeight()) + ", " + std::to_string(sprite.getFrameCount()) +
           (sprite.getFrameCount() == 1 ? " frame, " : " frames, ") + (color >= vl::Black && color <= vl::White ? kColorNames[color] : "?") +
           ", slowdown " + std::to_string(sprite.getSlowdown());
}

std::string frameFacts(const vl::Sprite& sprite, int frame_index, int x, int y, int box_x,
                       int box_y) {
    const bool empty = sprite.getFrame(frame_index).getCells().empty();
    return "frame " + std::to_string(frame_index + 1) + " of " +
           std::to_string(sprite.getFrameCount()) + (empty ? " (empty)" : "") + "  position (" +
           std::to_string(x) + ", " + std::to_string(y) + ")  box (" + std::to_string(box_x) +
           ", " + std::to_string(box_y) + ")  Escape quits";
}

}  // namespace

// A frame's top row lies width / 2 rows above the position, the box's top
// height / 2 rows above it: for a sprite that is not square the two differ,
// and the stage shows both.
vl::Vector stagePosition(const vl::Sprite& sprite) {
    const int width = std::max(sprite.getWidth(), 0);
    const int height = std::max(sprite.getHeight(), 0);
    const int frame_top = -(width / 2);
    const int box_top = -(height / 2);
    const int top = std::min(frame_top, box_top);
    const int bottom = std::max(frame_top, box_top) + height - 1;
    // One cell of outline on every side.
    const int rows = bottom - top + 1 + 2;
    const int columns = width + 2;
    const int x = std::max(0, (vl::kWindowHorizontalCells - columns) / 2) + 1 + width / 2;
    const int y = kFirstStageRow + std::max(0, (kStageRows - rows) / 2) + 1 - top;
    return vl::Vector(static_cast<float>(x), static_cast<float>(y));
}

void drawStage(const vl::Sprite& sprite, const std::string& file, int frame_index,
               vl::Vector position) {
    const int x = static_cast<int>(position.x);
    const int y = static_cast<int>(position.y);
    const int width = std::max(sprite.getWidth(), 0);
    const int height = std::max(sprite.getHeight(), 0);
    const int box_x = x - width / 2;
    const int box_y = y - height / 2;
    const vl::Color color = markColor(sprite);
    drawOutline(box_x - 1, box_y - 1, width, height, color);
    drawMark(x, box_y - 1, 'v', color);
    drawMark(x, box_y + height, '^', color);
    drawMark(box_x - 1, y, '>', color);
    drawMark(box_x + width, y, '<', color);
    vl::drawFrame(sprite, frame_index, position);
    // The text goes over a picture too big for the stage.
    drawRow(0, spriteFacts(sprite, file));
    drawRow(vl::kWindowVerticalCells - 1, frameFacts(sprite, frame_index, x, y, box_x, box_y));
}
