#include "support/RecordedScreen.h"

#include <algorithm>
#include <vector>

#include "support/WorldFixture.h"
#include "vl/display/renderCells.h"

namespace {

std::string joinTrimmed(std::vector<std::string> lines) {
    for (std::string& line : lines) {
        line.erase(line.find_last_not_of(' ') + 1);
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

// The colour letter most visible characters share; of equal counts the one
// earlier in renderCells' order.
char mostUsedColor(const std::vector<std::string>& characters,
                   const std::vector<std::string>& colors) {
    const std::string letters = "krgybmcw";
    // One count more, for characters without a colour letter.
    std::vector<int> counts(letters.size() + 1, 0);
    for (size_t y = 0; y < colors.size(); ++y) {
        for (size_t x = 0; x < colors[y].size(); ++x) {
            counts[std::min(letters.find(colors[y][x]), letters.size())] += characters[y][x] != ' ';
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end() - 1);
    return *most > 0 ? letters[static_cast<size_t>(most - counts.begin())] : ' ';
}

std::string compactScreen(const std::vector<vl::CellRecord>& cells) {
    const int rows = vl::kWindowVerticalCells;
    const vl::Vector corner = vl::WorldManager::getInstance().getView().corner;
    const int columns = vl::kWindowHorizontalCells;
    // Each grid line is the columns and a line end; an empty line lies between.
    const std::string text = vl::renderCells(cells, columns, rows, corner);
    std::vector<std::string> characters;
    std::vector<std::string> colors;
    for (int y = 0; y < rows; ++y) {
        characters.push_back(text.substr(static_cast<size_t>(y * (columns + 1)), columns));
        colors.push_back(text.substr(static_cast<size_t>((rows + y) * (columns + 1) + 1), columns));
    }
    const char common = mostUsedColor(characters, colors);
    for (size_t y = 0; y < colors.size(); ++y) {
        for (size_t x = 0; x < colors[y].size(); ++x) {
            if (characters[y][x] == ' ' || colors[y][x] == common) {
                colors[y][x] = ' ';
            }
        }
    }
    const std::string common_line = common == ' ' ? "\n" : std::string(1, common) + "\n";
    return joinTrimmed(characters) + "\n" + common_line + joinTrimmed(colors);
}

}  // namespace

std::string shownScreen(const std::function<void()>& draw) {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    display.setRecording(true);
    draw();
    const std::string screen = compactScreen(display.getRecordedCells());
    display.setRecording(false);
    return screen;
}

std::string shownWorld() {
    return shownScreen([] { vl::WorldManager::getInstance().drawAll(); });
}

std::string stepAndShow() {
    return shownScreen(stepFrame);
}
