#include "vl/display/DisplayManager.h"

#include <X11/Xlib.h>

#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/String.hpp>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "vl/world/WorldManager.h"

namespace vl {

namespace {

const sf::Color kWindowBackgroundColor = sf::Color::Black;

// A frame that draws this many vertices without being presented is drawn into
// the window in parts, so that a caller that never presents uses bounded
// memory. About three full screens; drawing in parts gives the same pixels.
constexpr std::size_t kMaxPendingVertices = 1 << 16;

struct DisplayConnectionCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayConnection = std::unique_ptr<Display, DisplayConnectionCloser>;

// An X server that has just lost its last client resets and drops the
// connections that arrive meanwhile; a few short waits see it through.
constexpr int kConnectAttempts = 10;
constexpr std::chrono::milliseconds kConnectRetryDelay(50);

// SFML ends the program when it cannot reach an X server, so ask first. The
// connection is held while SFML opens its own, so that the server cannot
// start a reset in between.
DisplayConnection connectToDisplay() {
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        DisplayConnection connection(XOpenDisplay(nullptr));
        if (connection || std::getenv("DISPLAY") == nullptr) {
            return connection;
        }
        std::this_thread::sleep_for(kConnectRetryDelay);
    }
    return DisplayConnection();
}

bool isDrawingColor(Color color) {
    return color >= Black && color <= White;
}

sf::Color toSfColor(Color color) {
    static const std::array<sf::Color, 8> kColors = {
        sf::Color::Black, sf::Color::Red,     sf::Color::Green, sf::Color::Yellow,
        sf::Color::Blue,  sf::Color::Magenta, sf::Color::Cyan,  sf::Color::White};
    return kColors[static_cast<std::size_t>(color)];
}

// sf::Text lays out no glyph for these; a carriage return is skipped outright.
bool isBlank(sf::Uint32 code_point) {
    return code_point == ' ' || code_point == '\t' || code_point == '\n' || code_point == '\r';
}

}  // namespace

DisplayManager::DisplayManager()
    : window_style(sf::Style::Titlebar),
      glyph_size(kGlyphSizeFactor *
                 static_cast<unsigned>(std::min(horizontal_pixels / horizontal_cells,
                                                vertical_pixels / vertical_cells))),
      code_points() {
    setType("DisplayManager");
    for (std::size_t i = 0; i < code_points.size(); ++i) {
        const sf::String one_character(static_cast<char>(i));
        code_points[i] = one_character[0];
    }
}

DisplayManager::~DisplayManager() = default;

DisplayManager& DisplayManager::getInstance() {
    static DisplayManager instance;
    return instance;
}

int DisplayManager::startUp() {
    if (window) {
        return 0;
    }
    const DisplayConnection probe = connectToDisplay();
    if (!probe) {
        return -1;
    }
    window = std::make_unique<sf::RenderWindow>(
        sf::VideoMode(static_cast<unsigned>(horizontal_pixels),
                      static_cast<unsigned>(vertical_pixels), 32),
        title, window_style, sf::ContextSettings());
    window->setMouseCursorVisible(false);
    window->setVerticalSyncEnabled(true);
    // A new window's back buffer holds whatever the driver left there; the
    // first frame starts on black like every later one.
    window->clear(sf::Color(0, 0, 0, 255));
    font = std::make_unique<sf::Font>();
    if (!font->loadFromFile(font_file)) {
        return -1;
    }
    // Every glyph a cell can show is laid into the font page now, in a fixed
    // order: the page never grows during a frame, and each glyph lies at the
    // same texel in every run.
    for (const sf::Uint32 code_point : code_points) {
        font->getGlyph(code_point, glyph_size, true);
    }
    setStarted(true);
    return 0;
}

int DisplayManager::drawCell(Vector position, char ch, Color color) {
    const bool can_draw = window && font;
    if (!can_draw && !recording) {
        return -1;
    }
    if (isDrawingColor(color)) {
        glyph_color = color;
    }
    if (recording && recorded_cells.size() < kMaxRecordedCells) {
        recorded_cells.push_back(CellRecord{position, ch, glyph_color});
    }
    if (!can_draw) {
        return -1;
    }
    const Vector corner = WorldManager::getInstance().getView().corner;
    const Vector pixel = cellsToPixels(position - corner);
    const sf::Vector2f background_corner(pixel.x - cellWidth() / 10, pixel.y + cellHeight() / 5);
    const sf::Vector2f background_size(cellWidth(), cellHeight());
    pending_cells.setView(window->getView());
    if (ink.anyMarked(sf::FloatRect(background_corner, background_size))) {
        pending_cells.appendBackground(background_corner, background_size, kWindowBackgroundColor);
    }
    const sf::Uint32 code_point = code_points[static_cast<unsigned char>(ch)];
    if (!isBlank(code_point)) {
        ink.mark(pending_cells.appendGlyph(sf::Vector2f(pixel.x, pixel.y), glyph_size,
                                           font->getGlyph(code_point, glyph_size, true),
                                           toSfColor(glyph_color)));
    }
    if (pending_cells.getVertexCount() >= kMaxPendingVertices) {
        flushPendingCells();
    }
    return 0;
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

void DisplayManager::flushPendingCells() {
    // The batch's texture coordinates are in texels; the page's size at drawing
    // time turns them into the page's own.
    pending_cells.drawInto(*window, font->getTexture(glyph_size));
}

void DisplayManager::setRecording(bool on) {
    recording = on;
    recorded_cells.clear();
}

void DisplayManager::presentFrame() {
    recorded_cells.clear();
    if (!window) {
        return;
    }
    flushPendingCells();
    window->display();
    window->clear(sf::Color(0, 0, 0, 255));
    ink.clear();
}

sf::Image DisplayManager::captureFrame() {
    if (!window) {
        return sf::Image();
    }
    flushPendingCells();
    sf::Texture copy;
    if (!copy.create(window->getSize().x, window->getSize().y)) {
        return sf::Image();
    }
    copy.update(*window);
    return copy.copyToImage();
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
