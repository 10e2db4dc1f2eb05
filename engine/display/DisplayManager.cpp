#include "display/DisplayManager.h"

#include <X11/Xlib.h>

#include "world/WorldManager.h"

namespace vl {

DisplayManager::DisplayManager() : window_style(sf::Style::Titlebar) {
    setType("DisplayManager");
}

DisplayManager::~DisplayManager() = default;

DisplayManager& DisplayManager::getInstance() {
    static DisplayManager instance;
    return instance;
}

int DisplayManager::startUp() {
    return -1;
}

int DisplayManager::drawCell(Vector, char, Color) {
    return -1;
}

int DisplayManager::drawText(Vector position, const std::string& text, Color color) {
    const int n = static_cast<int>(text.size());
    const float start = position.x - static_cast<float>(n / 2);
    for (int i = 0; i < n; ++i) {
        drawCell(Vector(start + static_cast<float>(i), position.y), text[static_cast<size_t>(i)],
                 color);
    }
    return 0;
}

void DisplayManager::presentFrame() {}

sf::Image DisplayManager::captureFrame() {
    return sf::Image();
}

float cellWidth() {
    const DisplayManager& display = DisplayManager::getInstance();
    return static_cast<float>(display.getHorizontalPixels() / display.getHorizontalCells());
}

float cellHeight() {
    const DisplayManager& display = DisplayManager::getInstance();
    return static_cast<float>(display.getVerticalPixels() / display.getVerticalCells());
}

Vector cellsToPixels(Vector cells) {
    return Vector(cells.x * cellWidth(), cells.y * cellHeight());
}

Vector pixelsToCells(Vector pixels) {
    return Vector(pixels.x / cellWidth(), pixels.y / cellHeight());
}

}  // namespace vl
