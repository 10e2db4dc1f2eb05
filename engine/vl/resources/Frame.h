#pragma once

#include <string>

namespace vl {

/// One picture: height rows of width characters, stored row after row. The
/// empty frame (0 x 0, no cells) draws nothing.
class Frame {
  public:
    Frame() = default;
    /// A frame of the given size; frame_cells holds its rows one after another and must be
    /// frame_width x frame_height characters long to be drawn.
    Frame(int frame_width, int frame_height, std::string frame_cells)
        : width(frame_width), height(frame_height), cells(std::move(frame_cells)) {}

    /// Characters in a row.
    int getWidth() const { return width; }
    /// Rows.
    int getHeight() const { return height; }
    /// The rows joined, top row first.
    const std::string& getCells() const { return cells; }

  private:
    int width = 0;
    int height = 0;
    std::string cells;
};

}  // namespace vl
