#include "vl/platform/terminal/TerminalScreen.h"

#include <algorithm>
#include <cmath>

namespace vl {

namespace {

// Synchronized update: the terminal shows the frame once it is whole; a
// terminal that lacks it ignores the mode.
constexpr char kBeginUpdate[] = "\x1b[?2026h";
constexpr char kEndUpdate[] = "\x1b[?2026l";
// Default attributes, black behind everything, the whole screen cleared to it.
constexpr char kClear[] = "\x1b[0;40m\x1b[2J";

void moveTo(std::string& out, int column, int row) {
    out += "\x1b[" + std::to_string(row + 1) + ';' + std::to_string(column + 1) + 'H';
}

// The character as UTF-8: the byte read as Latin-1, which is how the window's
// font is asked for it too; control characters show as blanks.
void appendCharacter(std::string& out, char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte < 0x20 || (byte >= 0x7f && byte < 0xa0)) {
        out += ' ';
    } else if (byte < 0x80) {
        out += ch;
    } else {
        out += static_cast<char>(0xc0 | (byte >> 6));
        out += static_cast<char>(0x80 | (byte & 0x3f));
    }
}

}  // namespace

void TerminalScreen::resize(int new_columns, int new_rows) {
    columns = std::max(0, new_columns);
    rows = std::max(0, new_rows);
    left = std::max(0, (columns - kTerminalColumns) / 2);
    top = std::max(0, (rows - kTerminalRows) / 2);
    known = false;
}

std::string TerminalScreen::tooSmall() const {
    const std::string line = "vl needs " + std::to_string(kTerminalColumns) + " x " +
                             std::to_string(kTerminalRows) + " cells; this terminal has " +
                             std::to_string(columns) + " x " + std::to_string(rows);
    std::string out = kClear;
    const int width = std::min(columns, static_cast<int>(line.size()));
    moveTo(out, std::max(0, (columns - width) / 2), rows / 2);
    out += "\x1b[37m" + line.substr(0, static_cast<std::size_t>(width));
    return out;
}

std::string TerminalScreen::frame(const std::vector<FrameCell>& cells) {
    if (isTooSmall()) {
        if (known) {
            return std::string();
        }
        known = true;
        return std::string(kBeginUpdate) + tooSmall() + kEndUpdate;
    }
    next.fill(Cell());
    for (const FrameCell& cell : cells) {
        const float x = std::floor(cell.view_position.x);
        const float y = std::floor(cell.view_position.y);
        if (x >= 0 && x < kTerminalColumns && y >= 0 && y < kTerminalRows) {
            next[static_cast<std::size_t>(y) * kTerminalColumns + static_cast<std::size_t>(x)] =
                Cell{cell.ch, cell.color};
        }
    }
    std::string out;
    if (!known) {
        out = kClear;
    }
    int cursor_column = -1;
    int cursor_row = -1;
    Color pen = static_cast<Color>(-1);
    for (int row = 0; row < kTerminalRows; ++row) {
        for (int column = 0; column < kTerminalColumns; ++column) {
            const std::size_t index = static_cast<std::size_t>(row * kTerminalColumns + column);
            const Cell& cell = next[index];
            // A blank on a cleared screen is black already.
            if (known ? cell == shown[index] : cell.ch == ' ') {
                continue;
            }
            if (cursor_row != row || cursor_column != column) {
                moveTo(out, left + column, top + row);
            }
            if (cell.color != pen) {
                pen = cell.color;
                out += "\x1b[3" + std::to_string(static_cast<int>(pen)) + 'm';
            }
            appendCharacter(out, cell.ch);
            cursor_row = row;
            cursor_column = column + 1;
        }
    }
    shown = next;
    known = true;
    return out.empty() ? out : kBeginUpdate + out + kEndUpdate;
}

}  // namespace vl
