#include <SFML/Graphics/Image.hpp>
#include <SFML/OpenGL.hpp>
#include <cstdio>
#include <iostream>
#include <string>

#include "PerCellRenderer.h"
#include "Samples.h"
#include "benchSupport.h"
#include "figures.h"
#include "fullScreenCells.h"

namespace {

constexpr int kWarmUpFrames = 30;
constexpr int kFrames = 400;

int differingPixels(const sf::Image& a, const sf::Image& b) {
    if (a.getSize() != b.getSize()) {
        return -1;
    }
    int differing = 0;
    for (unsigned y = 0; y < a.getSize().y; ++y) {
        for (unsigned x = 0; x < a.getSize().x; ++x) {
            differing += a.getPixel(x, y) != b.getPixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

// Which OpenGL the window draws with: the figures depend on it more than on
// anything else.
void printRenderer() {
    const auto text = [](GLenum name) {
        const GLubyte* value = glGetString(name);
        return value == nullptr ? "?" : reinterpret_cast<const char*>(value);
    };
    std::printf("# renderer: %s, OpenGL %s\n", text(GL_RENDERER), text(GL_VERSION));
}

int litPixels(const sf::Image& image) {
    int lit = 0;
    for (unsigned y = 0; y < image.getSize().y; ++y) {
        for (unsigned x = 0; x < image.getSize().x; ++x) {
            const sf::Color c = image.getPixel(x, y);
            lit += c.r > 40 || c.g > 40 || c.b > 40 ? 1 : 0;
        }
    }
    return lit;
}

}  // namespace

bool benchDrawFullScreen() {
    startScreenWorld();
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    // Every frame draws the same cells; the figure is what drawing them costs.
    display.setSkipUnchangedFrames(false);
    if (display.startUp() != 0) {
        std::cerr << "velloc-bench: no window or no font for drawing\n";
        return false;
    }
    printRenderer();
    PerCellRenderer reference(*display.getWindow());
    if (!reference.loaded()) {
        std::cerr << "velloc-bench: the reference renderer found no font\n";
        return false;
    }
    const std::vector<Cell> cells = fullScreenCells();

    // Both ways must draw the same, visible picture, or the race means nothing.
    for (const Cell& cell : cells) {
        display.drawCell(cell.position, cell.ch, cell.color);
    }
    const sf::Image engine_picture = display.captureFrame();
    display.presentFrame();
    for (const Cell& cell : cells) {
        reference.drawCell(cell.position, cell.ch, cell.color);
    }
    const sf::Image reference_picture = reference.capture();
    reference.presentFrame();
    const int lit = litPixels(engine_picture);
    const int differing = differingPixels(engine_picture, reference_picture);
    if (lit == 0 || differing != 0) {
        std::cerr << "velloc-bench: the two ways drew different frames (" << lit << " pixels lit, "
                  << differing << " differing)\n";
        return false;
    }

    // The two ways take turns, so that whatever else the machine does falls
    // on both alike.
    Samples engine;
    Samples per_cell;
    for (int frame = -kWarmUpFrames; frame < kFrames; ++frame) {
        const BenchClock::time_point engine_start = BenchClock::now();
        for (const Cell& cell : cells) {
            display.drawCell(cell.position, cell.ch, cell.color);
        }
        display.presentFrame();
        const BenchClock::time_point reference_start = BenchClock::now();
        for (const Cell& cell : cells) {
            reference.drawCell(cell.position, cell.ch, cell.color);
        }
        reference.presentFrame();
        const BenchClock::time_point end = BenchClock::now();
        if (frame >= 0) {
            engine.add(millisecondsBetween(engine_start, reference_start));
            per_cell.add(millisecondsBetween(reference_start, end));
        }
    }
    const std::string note = std::to_string(cells.size()) + " cells, " + std::to_string(lit) +
                             " pixels lit, pixels identical";
    printFigure("draw_full_screen_ms", engine, "ms", note);
    printFigure("draw_full_screen_reference_ms", per_cell, "ms", note);
    std::printf("draw_full_screen_ratio: median=%.3f p99=%.3f x (engine / reference)\n",
                engine.median() / per_cell.median(),
                engine.percentile(0.99) / per_cell.percentile(0.99));
    std::fflush(stdout);
    return true;
}
