#pragma once

#include <string>

namespace vl {

// One picture: height rows of width characters, stored row after row. The
// empty frame (0 x 0, no cells) draws nothing.
class Frame {
  public:
    Frame() = default;
    Frame(int frame_width, int frame_height, std::string frame_cells)
        : width(frame_width), height(frame_height), cells(std::move(frame_cells)) {}

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    const std::string& getCells() const { return cells; }

  private:
    int width = 0;
    int height = 0;
    std::string cells;
};

}  // namespace vl
