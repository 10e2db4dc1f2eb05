#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include "vl/core/Manager.h"
#include "vl/display/CellBatch.h"
#include "vl/display/CellRecord.h"
#include "vl/display/InkMap.h"
#include "vl/resources/Color.h"
#include "vl/world/Vector.h"

namespace vl {

constexpr int kWindowHorizontalPixels = 1024;
constexpr int kWindowVerticalPixels = 768;
constexpr int kWindowHorizontalCells = 82;
constexpr int kWindowVerticalCells = 24;
inline constexpr char kWindowTitle[] = "Velloc";
inline constexpr char kFontFile[] = "vl-font.ttf";
/// The glyph size is twice the smaller side of a cell, drawn bold.
constexpr unsigned kGlyphSizeFactor = 2;
/// The most cells a record holds; cells drawn beyond it are not recorded.
constexpr std::size_t kMaxRecordedCells = 1 << 16;

/// The game's one window, seen as a grid of character cells. The cells of a
/// frame are gathered into one batch and drawn together by presentFrame.
class DisplayManager : public Manager {
  public:
    /// The one display manager, built on first use.
    static DisplayManager& getInstance();
    ~DisplayManager() override;

    /// Opens the window and loads the font. -1 when no display can be opened
    /// (the window is not made) or the font cannot be loaded (the window stays).
    int startUp() override;

    /// The window's title, "Velloc" unless a game sets its own. A new title
    /// shows on the window that the next start-up opens; an open window keeps
    /// its title.
    void setTitle(const std::string& new_title) { title = new_title; }
    /// The title the next start-up gives the window.
    const std::string& getTitle() const { return title; }
    /// The open window, owned by the display; null before start-up or without a display.
    sf::RenderWindow* getWindow() const { return window.get(); }
    /// The window's width in pixels: 1024.
    int getHorizontalPixels() const { return horizontal_pixels; }
    /// The window's height in pixels: 768.
    int getVerticalPixels() const { return vertical_pixels; }
    /// The window's width in cells: 82.
    int getHorizontalCells() const { return horizontal_cells; }
    /// The window's height in cells: 24.
    int getVerticalCells() const { return vertical_cells; }

    /// Draws one character on an opaque black cell at a world position. A colour
    /// outside the eight keeps the colour last used. -1 without window or font.
    int drawCell(Vector position, char ch, Color color);
    /// Draws a text centred on position, one cell per character.
    int drawText(Vector position, const std::string& text, Color color);
    /// Shows the frame drawn since the last call and clears the window.
    void presentFrame();
    /// The window's pixels with everything drawn so far this frame, without
    /// presenting or clearing; an empty image without a window.
    sf::Image captureFrame();

    /// Turns recording of drawn cells on or off; either way the record starts
    /// empty. While on, every drawCell call appends what it draws, up to
    /// kMaxRecordedCells, also without a window or font: it then still returns
    /// -1, but follows the colour rule as if it drew. presentFrame empties the
    /// record.
    void setRecording(bool on);
    /// Whether drawn cells are being recorded.
    bool isRecording() const { return recording; }
    /// The cells drawn this frame while recording, in drawing order.
    const std::vector<CellRecord>& getRecordedCells() const { return recorded_cells; }

  private:
    DisplayManager();

    /// Draws the cells drawn since the last flush into the back buffer.
    void flushPendingCells();

    std::unique_ptr<sf::Font> font;
    std::unique_ptr<sf::RenderWindow> window;
    int horizontal_pixels = kWindowHorizontalPixels;
    int vertical_pixels = kWindowVerticalPixels;
    int horizontal_cells = kWindowHorizontalCells;
    int vertical_cells = kWindowVerticalCells;
    sf::Uint32 window_style;
    std::string title = kWindowTitle;
    std::string font_file = kFontFile;
    unsigned glyph_size;
    /// The code point sf::String gives each 8-bit character in the default locale.
    std::array<sf::Uint32, 256> code_points;
    CellBatch pending_cells;
    InkMap ink{horizontal_pixels, vertical_pixels};
    Color glyph_color = kDefaultColor;
    bool recording = false;
    std::vector<CellRecord> recorded_cells;
};

/// Cell size in pixels, in whole pixels: 1024 / 82 = 12 wide, 768 / 24 = 32 high.
float cellWidth();
float cellHeight();
/// Conversions without rounding; a pixel converts to a fractional cell.
Vector cellsToPixels(Vector cells);
Vector pixelsToCells(Vector pixels);

}  // namespace vl
