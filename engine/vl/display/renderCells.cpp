#include "vl/display/renderCells.h"

#include <cmath>

namespace vl {

namespace {

constexpr char kColorLetters[] = "krgybmcw";

// The display lays out no glyph for tabs and line ends: they show as blanks.
char shownCharacter(char ch) {
    if (ch == '\t' || ch == '\n' || ch == '\r') {
        return ' ';
    }
    return ch >= ' ' && ch <= '~' ? ch : '?';
}

}  // namespace

std::string renderCells(const std::vector<CellRecord>& cells, int columns, int rows,
                        Vector view_corner) {
    if (columns < 1 || rows < 1) {
        return "\n";
    }
    const std::size_t line_length = static_cast<std::size_t>(columns) + 1;
    const std::size_t grid_length = line_length * static_cast<std::size_t>(rows);
    std::string characters(grid_length, ' ');
    std::string colors(grid_length, '.');
    for (std::size_t row = 1; row <= static_cast<std::size_t>(rows); ++row) {
        characters[row * line_length - 1] = '\n';
        colors[row * line_length - 1] = '\n';
    }
    for (const CellRecord& cell : cells) {
        const Vector on_screen = cell.position - view_corner;
        const float column = std::floor(on_screen.x + 0.5f);
        const float row = std::floor(on_screen.y + 0.5f);
        if (!(column >= 0 && column < static_cast<float>(columns) && row >= 0 &&
              row < static_cast<float>(rows))) {
            continue;
        }
        const std::size_t at =
            static_cast<std::size_t>(row) * line_length + static_cast<std::size_t>(column);
        characters[at] = shownCharacter(cell.ch);
        const bool known_color = cell.color >= Black && cell.color <= White;
        colors[at] = known_color ? kColorLetters[cell.color] : '?';
    }
    return characters + "\n" + colors;
}

}  // namespace vl
