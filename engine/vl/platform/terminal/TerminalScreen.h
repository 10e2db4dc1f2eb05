#pragma once

#include <array>
#include <string>
#include <vector>

#include "vl/display/FrameCell.h"

namespace vl {

/// The picture's width in terminal cells: the display's 82.
constexpr int kTerminalColumns = 82;
/// The picture's height in terminal cells: the display's 24.
constexpr int kTerminalRows = 24;

/// The picture as a terminal shows it: the 82 × 24 cells centred in the
/// terminal, in the eight colours on black. Each frame is written as the
/// cells that changed since the last, inside one synchronized update, so a
/// still picture writes nothing and a frame never shows half drawn.
class TerminalScreen {
  public:
    /// Takes the terminal's size; the next frame is written whole, or, in a
    /// terminal smaller than the picture, as one centred line saying so.
    void resize(int columns, int rows);
    /// The bytes that bring the terminal from the last frame to this one;
    /// empty when nothing changed. A cell goes to the terminal cell its
    /// position falls in; cells outside the picture are left out, and a
    /// later cell covers an earlier one.
    std::string frame(const std::vector<FrameCell>& cells);
    /// The terminal column of the picture's left edge, counted from 0.
    int getLeft() const { return left; }
    /// The terminal row of the picture's top edge, counted from 0.
    int getTop() const { return top; }
    /// Whether the terminal is too small to show the picture.
    bool isTooSmall() const { return columns < kTerminalColumns || rows < kTerminalRows; }

  private:
    struct Cell {
        char ch = ' ';
        Color color = kDefaultColor;
        bool operator==(const Cell& other) const { return ch == other.ch && color == other.color; }
        bool operator!=(const Cell& other) const { return !(*this == other); }
    };
    using Grid = std::array<Cell, kTerminalColumns * kTerminalRows>;

    /// The line shown in a terminal too small for the picture.
    std::string tooSmall() const;

    int columns = 0;
    int rows = 0;
    int left = 0;
    int top = 0;
    /// Whether shown holds what the terminal shows; false after a resize.
    bool known = false;
    Grid shown;
    Grid next;
};

}  // namespace vl
