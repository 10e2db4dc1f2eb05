#include "vl/display/DisplayManager.h"

#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/String.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "vl/display/toSfColor.h"
#include "vl/world/WorldManager.h"

namespace vl {

namespace {

const sf::Color kWindowBackgroundColor = sf::Color::Black;

bool isDrawingColor(Color color) {
    return color >= Black && color <= White;
}

// sf::Text lays out no glyph for these; a carriage return is skipped outright.
bool isBlank(sf::Uint32 code_point) {
    return code_point == ' ' || code_point == '\t' || code_point == '\n' || code_point == '\r';
}

}  // namespace

DisplayManager::DisplayManager()
    : glyph_size(kGlyphSizeFactor *
                 static_cast<unsigned>(std::min(horizontal_pixels / horizontal_cells,
                                                vertical_pixels / vertical_cells))),
      drawn_glyph_size(glyph_size),
      code_points() {
    setType("DisplayManager");
    for (std::size_t i = 0; i < code_points.size(); ++i) {
        const sf::String one_character(static_cast<char>(i));
        code_points[i] = one_character[0];
    }
}

DisplayManager::~DisplayManager() {
    // The window lives on the platform's connection: its GL context goes first.
    // Closing, the window library unhides the cursor over the window through
    // a connection of its own, which the server may read after this one; that
    // connection is synced and closed with the library's last GL resource, the
    // font, and a window already gone would make the request fail and end the
    // program.
    window.reset();
    font.reset();
    platform.reset();
}

DisplayManager& DisplayManager::getInstance() {
    static DisplayManager instance;
    return instance;
}

int DisplayManager::startUp() {
    if (window || (platform && platform->showsCells())) {
        return 0;
    }
    if (chooseBackend() != 0) {
        return -1;
    }
    if (terminal) {
        return openTerminal();
    }
    if (openWindow() != 0) {
        return -1;
    }
    // Cells drawn before, which no window showed, leave no colour behind.
    glyph_color = kDefaultColor;
    window->setMouseCursorVisible(false);
    window->setVerticalSyncEnabled(true);
    // Lays the picture out and starts the first frame on black: a new
    // window's back buffer holds whatever the driver left there.
    fitToWindow();
    font = std::make_unique<sf::Font>();
    if (!font->loadFromFile(font_file)) {
        return -1;
    }
    prepareGlyphs();
    setStarted(true);
    return 0;
}

int DisplayManager::openWindow() {
    // The window library ends the program when it cannot reach an X server,
    // and crashes where it finds no GL to draw with, so both are asked first.
    platform = makePlatform();
    start_up_problem = platform->missingSupport();
    if (start_up_problem.empty()) {
        OpenedWindow opened = platform->openWindow(
            WindowRequest{sf::Vector2i(horizontal_pixels, vertical_pixels), scale, title});
        window = std::move(opened.window);
        windowed_area = opened.area;
        if (window && opened.scale != scale) {
            std::cerr << "vl: the window does not fit the screen at scale " << scale
                      << "; it opens at scale " << opened.scale << '\n';
            scale = opened.scale;
        }
    }
    if (!window) {
        if (start_up_problem.empty()) {
            start_up_problem = "the window system refused the window";
        }
        platform.reset();
        return -1;
    }
    if (icon.getSize().x > 0) {
        window->setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
    }
    if (fullscreen) {
        platform->setFullscreen(*window, true, windowed_area);
    }
    return 0;
}

int DisplayManager::chooseBackend() {
    const char* backend = std::getenv("VL_BACKEND");
    if (terminal_chosen || backend == nullptr || *backend == '\0') {
        return 0;
    }
    const std::string chosen = backend;
    if (chosen != "window" && chosen != "terminal") {
        start_up_problem = "VL_BACKEND is \"" + chosen + "\"; it may be \"window\" or \"terminal\"";
        return -1;
    }
    terminal = chosen == "terminal";
    return 0;
}

int DisplayManager::openTerminal() {
    platform = makeTerminalPlatform();
    start_up_problem = platform->missingSupport();
    if (start_up_problem.empty() && platform->openCells() != 0) {
        start_up_problem = "the terminal cannot be taken over";
    }
    if (!start_up_problem.empty()) {
        platform.reset();
        return -1;
    }
    glyph_color = kDefaultColor;
    // The picture's pixels are the terminal's pointer positions: no bars, no scale.
    layout = fitPicture(horizontal_pixels, vertical_pixels, horizontal_pixels, vertical_pixels);
    setStarted(true);
    return 0;
}

void DisplayManager::prepareGlyphs() {
    for (const sf::Uint32 code_point : code_points) {
        font->getGlyph(code_point, drawn_glyph_size, true);
    }
}

int DisplayManager::setScale(int new_scale) {
    if (new_scale < 1 || new_scale > kMaxWindowScale) {
        return -1;
    }
    scale = new_scale;
    return 0;
}

void DisplayManager::setFullscreen(bool on) {
    if (on == fullscreen) {
        return;
    }
    fullscreen = on;
    if (window && platform) {
        platform->setFullscreen(*window, on, windowed_area);
        shown.forget();
    }
}

void DisplayManager::setIcon(const sf::Image& image) {
    if (image.getSize().x == 0 || image.getSize().y == 0) {
        return;
    }
    icon = image;
    if (window) {
        window->setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
    }
}

void DisplayManager::fitToWindow() {
    if (!window || window->getSize() == laid_out_size) {
        return;
    }
    flushPendingCells();
    shown.forget();
    laid_out_size = window->getSize();
    const float window_width = static_cast<float>(laid_out_size.x);
    const float window_height = static_cast<float>(laid_out_size.y);
    layout = fitPicture(static_cast<int>(laid_out_size.x), static_cast<int>(laid_out_size.y),
                        horizontal_pixels, vertical_pixels);
    // Drawn in window pixels, so that glyphs are rasterised at the size they
    // show at; the viewport puts the picture in its place and clips it there.
    sf::View view(
        sf::FloatRect(0, 0, static_cast<float>(layout.width), static_cast<float>(layout.height)));
    view.setViewport(sf::FloatRect(static_cast<float>(layout.left) / window_width,
                                   static_cast<float>(layout.top) / window_height,
                                   static_cast<float>(layout.width) / window_width,
                                   static_cast<float>(layout.height) / window_height));
    window->setView(view);
    // A resized back buffer holds whatever the driver left in it.
    window->clear(kWindowBackgroundColor);
    back_buffer_spent = false;
    back_buffer_shown = false;
    ink = InkMap(layout.width, layout.height);
    const unsigned new_glyph_size = std::max(
        1u, static_cast<unsigned>(std::lround(static_cast<float>(glyph_size) * layout.scale)));
    if (new_glyph_size == drawn_glyph_size) {
        return;
    }
    drawn_glyph_size = new_glyph_size;
    if (!font) {
        return;
    }
    // A font keeps a page for every size it has drawn; a fresh copy keeps a
    // window that is resized again and again from holding pages it no longer
    // shows. Without one, glyphs are laid into the page as they are drawn.
    auto fresh = std::make_unique<sf::Font>();
    if (fresh->loadFromFile(font_file)) {
        font = std::move(fresh);
        prepareGlyphs();
    }
}

bool DisplayManager::takeCloseRequest() const {
    return platform && platform->takeCloseRequest();
}

Vector DisplayManager::windowToPicture(int x, int y) const {
    return Vector(static_cast<float>(x - layout.left) / layout.scale,
                  static_cast<float>(y - layout.top) / layout.scale);
}

int DisplayManager::drawCell(Vector position, char ch, Color color) {
    const bool can_draw = window && font;
    if (isDrawingColor(color)) {
        glyph_color = color;
    }
    if (recording && recorded_cells.size() < kMaxRecordedCells) {
        recorded_cells.push_back(CellRecord{position, ch, glyph_color});
    }
    const FrameCell cell{position - WorldManager::getInstance().getView().corner, ch, glyph_color};
    if (picture_cells.size() < kMaxRecordedCells) {
        picture_cells.push_back(cell);
    }
    // A terminal shows the picture's cells themselves.
    if (terminal && platform) {
        return 0;
    }
    if (!can_draw) {
        return -1;
    }
    if (frame_cells.size() == kMaxFrameCells) {
        flushPendingCells();
        frame_cells.clear();
        drawn_cells = 0;
        frame_cut = true;
    }
    frame_cells.push_back(cell);
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
    frame_begun = true;
    back_buffer_shown = false;
    if (back_buffer_spent) {
        window->clear(kWindowBackgroundColor);
        ink.clear();
        back_buffer_spent = false;
    }
    if (!font || drawn_cells == frame_cells.size()) {
        return;
    }
    const float s = layout.scale;
    const float width = cellWidth();
    const float height = cellHeight();
    pending_cells.setView(window->getView());
    for (std::size_t i = drawn_cells; i < frame_cells.size(); ++i) {
        const FrameCell& cell = frame_cells[i];
        const Vector pixel = cellsToPixels(cell.view_position);
        const sf::Vector2f background_corner(s * (pixel.x - width / 10),
                                             s * (pixel.y + height / 5));
        const sf::Vector2f background_size(s * width, s * height);
        if (ink.anyMarked(sf::FloatRect(background_corner, background_size))) {
            pending_cells.appendBackground(background_corner, background_size,
                                           kWindowBackgroundColor);
        }
        const sf::Uint32 code_point = code_points[static_cast<unsigned char>(cell.ch)];
        if (!isBlank(code_point)) {
            ink.mark(pending_cells.appendGlyph(
                sf::Vector2f(s * pixel.x, s * pixel.y), drawn_glyph_size,
                font->getGlyph(code_point, drawn_glyph_size, true), toSfColor(cell.color)));
        }
    }
    drawn_cells = frame_cells.size();
    // The batch's texture coordinates are in texels; the page's size at drawing
    // time turns them into the page's own.
    pending_cells.drawInto(*window, font->getTexture(drawn_glyph_size));
}

void DisplayManager::setRecording(bool on) {
    recording = on;
    recorded_cells.clear();
}

void DisplayManager::presentFrame() {
    if (terminal && platform) {
        platform->presentCells(picture_cells);
    }
    recorded_cells.clear();
    picture_cells.clear();
    if (!window) {
        return;
    }
    const ShownPicture::Clock::time_point now = ShownPicture::Clock::now();
    if (frameNeedsDrawing(now)) {
        presentPicture();
        shown.presented(frame_cells, now);
        if (frame_cut) {
            shown.forget();
        }
    }
    frame_cells.clear();
    drawn_cells = 0;
    frame_begun = false;
    frame_cut = false;
}

void DisplayManager::presentPicture() {
    // When only the picture's age calls for presenting it (the frame is the
    // picture shown, and the window system has not touched the window), the
    // back buffer is shown without being given up, and later such presents
    // need no drawing.
    const bool only_aged = skip_unchanged_frames && !frame_begun && !frame_cut &&
                           !shown.isRecovering() && shown.shows(frame_cells);
    if (only_aged && back_buffer_shown && platform->presentKeepingBackBuffer(*window)) {
        return;
    }
    flushPendingCells();
    back_buffer_shown = only_aged && platform->presentKeepingBackBuffer(*window);
    if (!back_buffer_shown) {
        window->display();
    }
    back_buffer_spent = true;
}

bool DisplayManager::frameNeedsDrawing(ShownPicture::Clock::time_point now) {
    // Read every frame, so that the window system's news does not pile up.
    if (platform && platform->takePictureLoss()) {
        shown.forget();
    }
    if (!skip_unchanged_frames || frame_begun) {
        return true;
    }
    if (platform && platform->isHidden()) {
        return false;
    }
    return shown.needsDrawing(frame_cells, now);
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
