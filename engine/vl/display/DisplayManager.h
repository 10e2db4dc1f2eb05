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
#include "vl/display/FrameCell.h"
#include "vl/display/InkMap.h"
#include "vl/display/PictureLayout.h"
#include "vl/display/ShownPicture.h"
#include "vl/platform/Platform.h"
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
/// The most cells a frame gathers before it draws them into the window, about
/// two full screens: a caller that never presents uses bounded memory.
constexpr std::size_t kMaxFrameCells = 1 << 12;
/// The largest whole-number scale a window opens at: four times 1024 × 768
/// covers a 4K monitor's width.
constexpr int kMaxWindowScale = 4;

/// The game's one window, seen as a grid of character cells. The cells of a
/// frame are gathered and drawn together by presentFrame, which leaves out a
/// frame that would show nothing new: see setSkipUnchangedFrames.
///
/// Games always see a 1024 × 768 picture. The window may be larger (a scale,
/// fullscreen, or a window manager's resize): the picture is then drawn larger
/// with glyphs rasterised at the larger size, keeps its shape, and is centred
/// between black bars; pointer positions are mapped back to picture pixels.
class DisplayManager : public Manager {
  public:
    /// The one display manager, built on first use.
    static DisplayManager& getInstance();
    ~DisplayManager() override;

    /// Opens the window, with its frame, inside the work area of the monitor
    /// it opens on, centred there, and loads the font. A scale that does not
    /// fit is lowered to the largest that does, with one line saying so; where
    /// even scale 1 does not fit, the window is made smaller and the picture
    /// drawn smaller to fit. -1 when no window can be made (getStartUpProblem
    /// says why; nothing is made) or the font cannot be loaded (the window stays).
    /// In a terminal (setTerminal, or VL_BACKEND=terminal in the environment
    /// of a game that does not choose), takes the terminal over instead: no
    /// window and no font; -1 when standard input or output is no terminal.
    int startUp() override;
    /// Why the last start-up made no window, such as "the X server has no GLX
    /// extension"; empty when a window was made.
    const std::string& getStartUpProblem() const { return start_up_problem; }
    /// Whether the next start-up draws into the terminal on standard output
    /// rather than a window; a game's choice here wins over VL_BACKEND.
    void setTerminal(bool on) {
        terminal = on;
        terminal_chosen = true;
    }
    /// Whether the display draws, or will draw, into the terminal.
    bool isTerminal() const { return terminal; }

    /// The window opens at scale × 1024 × 768 pixels, with the picture drawn
    /// that many times larger, where that fits the screen. Takes effect at the
    /// next start-up. -1, and no change, for a scale outside 1 to kMaxWindowScale.
    int setScale(int new_scale);
    /// The scale the window opens at: 1 unless a game sets another; after
    /// start-up, the one it opened at.
    int getScale() const { return scale; }
    /// Fills the primary monitor with the window, or gives it back its size and
    /// place. Before start-up, the window opens that way. The picture follows
    /// the window's new size once the window system has resized it.
    void setFullscreen(bool on);
    /// Whether the window is (or will open) fullscreen.
    bool isFullscreen() const { return fullscreen; }
    /// The image the window shows as its icon, copied. Takes effect at once on
    /// an open window, else at start-up; an empty image leaves the icon alone.
    void setIcon(const sf::Image& image);

    /// The window's title, "Velloc" unless a game sets its own. A new title
    /// shows on the window that the next start-up opens; an open window keeps
    /// its title.
    void setTitle(const std::string& new_title) { title = new_title; }
    /// The title the next start-up gives the window.
    const std::string& getTitle() const { return title; }
    /// The open window, owned by the display; null before start-up or without a display.
    sf::RenderWindow* getWindow() const { return window.get(); }
    /// What the engine asks of the operating and window system beyond the
    /// window library; it made the window (or took the terminal) and watches
    /// it. Owned by the display; null before a start-up that succeeded.
    Platform* getPlatform() const { return platform.get(); }
    /// Whether the window was destroyed by someone else (a window manager's
    /// kill, another program), or the terminal hung up: the game loop then
    /// ends the game.
    bool isWindowLost() const { return platform && platform->isWindowLost(); }
    /// The picture's width in pixels: 1024, whatever the window's size
    /// (getLayout says where the picture lies in the window).
    int getHorizontalPixels() const { return horizontal_pixels; }
    /// The picture's height in pixels: 768, whatever the window's size.
    int getVerticalPixels() const { return vertical_pixels; }
    /// The picture's width in cells: 82.
    int getHorizontalCells() const { return horizontal_cells; }
    /// The picture's height in cells: 24.
    int getVerticalCells() const { return vertical_cells; }
    /// Where the picture lies in the window at its current size.
    const PictureLayout& getLayout() const { return layout; }
    /// Lays the picture out anew when the window's size has changed since the
    /// last layout, and starts the frame again on black; the input manager
    /// calls it for every resize it reads, before the frame is drawn.
    void fitToWindow();
    /// Whether the window was asked to close since the last call; the input
    /// manager asks once a frame.
    bool takeCloseRequest() const;
    /// A position in window pixels as a position in the 1024 × 768 picture's
    /// pixels; outside the picture (over a bar) it lies outside 0 to 1024 × 768.
    Vector windowToPicture(int x, int y) const;

    /// Draws one character on an opaque black cell at a world position. A colour
    /// outside the eight keeps the colour last used. -1 before start-up or
    /// without a window; after a font that failed to load, 0 with the cells
    /// drawn black and no glyphs.
    int drawCell(Vector position, char ch, Color color);
    /// Draws a text centred on position, one cell per character.
    int drawText(Vector position, const std::string& text, Color color);
    /// Shows the frame drawn since the last call and readies an empty one. A
    /// skipped frame (see setSkipUnchangedFrames) is neither drawn nor
    /// presented, and the window keeps its picture.
    void presentFrame();
    /// The window's pixels with everything drawn so far this frame, without
    /// presenting or clearing: what the window shows once the frame is
    /// presented, skipped or not. An empty image without a window. A frame
    /// captured is drawn and presented, not skipped.
    sf::Image captureFrame();

    /// While on (the default), presentFrame skips a frame whose cells are those
    /// of the frame last presented, in the same order, and every frame while
    /// the window is minimised, unmapped or wholly covered. The picture is
    /// drawn anew, whatever the cells, for two frames after the window system
    /// may have spoilt it (exposed, resized, focused, shown again, fullscreen
    /// switched) and at least every ShownPicture::kMaxPictureAge while seen.
    /// Where the GL driver can present without giving up the back buffer, a
    /// picture presented again only for its age is drawn the first time and
    /// then shown from the back buffer as it is. Off, every frame is drawn and
    /// presented.
    void setSkipUnchangedFrames(bool on) { skip_unchanged_frames = on; }
    /// Whether unchanged and unseen frames are skipped.
    bool isSkippingUnchangedFrames() const { return skip_unchanged_frames; }

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
    /// The cells drawn this frame, with or without a window, in drawing order
    /// and relative to the view's corner, up to kMaxRecordedCells: the picture
    /// a recording checks. presentFrame empties it.
    const std::vector<FrameCell>& getPictureCells() const { return picture_cells; }
    /// Empties getPictureCells until the next drawCell, so that a recording
    /// or replay started between frames checks only its own frames' cells.
    void forgetPictureCells() { picture_cells.clear(); }

  private:
    DisplayManager();

    /// Draws the frame's cells not yet drawn into the back buffer, clearing
    /// it first when it still holds the last presented frame.
    void flushPendingCells();
    /// Draws the frame where it needs drawing and presents it.
    void presentPicture();
    /// Whether presentFrame must draw and present the frame gathered so far.
    bool frameNeedsDrawing(ShownPicture::Clock::time_point now);
    /// Makes the window, names it and puts it in its place; -1 with
    /// start_up_problem set when none can be made.
    int openWindow();
    /// Takes the terminal over for the picture; -1, with the problem set, when
    /// it cannot.
    int openTerminal();
    /// Whether the next start-up uses the terminal: the game's choice, else
    /// VL_BACKEND; -1, with the problem set, for a VL_BACKEND it does not know.
    int chooseBackend();
    /// Lays every glyph a cell can show into the font page of the drawn size,
    /// in a fixed order: the page never grows during a frame, and each glyph
    /// lies at the same texel in every run.
    void prepareGlyphs();

    std::unique_ptr<sf::Font> font;
    std::unique_ptr<sf::RenderWindow> window;
    std::unique_ptr<Platform> platform;
    std::string start_up_problem;
    int scale = 1;
    bool fullscreen = false;
    sf::Image icon;
    /// The window's size and place on the monitor when not fullscreen.
    sf::IntRect windowed_area;
    PictureLayout layout;
    sf::Vector2u laid_out_size;
    int horizontal_pixels = kWindowHorizontalPixels;
    int vertical_pixels = kWindowVerticalPixels;
    int horizontal_cells = kWindowHorizontalCells;
    int vertical_cells = kWindowVerticalCells;
    std::string title = kWindowTitle;
    std::string font_file = kFontFile;
    /// The glyph size of a 1 × picture, and the one glyphs are drawn at now.
    unsigned glyph_size;
    unsigned drawn_glyph_size;
    /// The code point sf::String gives each 8-bit character in the default locale.
    std::array<sf::Uint32, 256> code_points;
    /// The cells of this frame, in drawing order; the first drawn_cells of
    /// them are already in the back buffer.
    std::vector<FrameCell> frame_cells;
    std::size_t drawn_cells = 0;
    /// Whether the back buffer holds any of this frame: then it is presented.
    bool frame_begun = false;
    /// Whether frame_cells lost cells to the limit: then it is no picture to
    /// compare with.
    bool frame_cut = false;
    bool skip_unchanged_frames = true;
    ShownPicture shown;
    /// Whether the back buffer still holds a presented frame, to be cleared
    /// before the next one is drawn in it.
    bool back_buffer_spent = false;
    /// Whether the back buffer holds the shown picture, kept through its
    /// present, so that presenting it again needs no drawing.
    bool back_buffer_shown = false;
    CellBatch pending_cells;
    InkMap ink{horizontal_pixels, vertical_pixels};
    Color glyph_color = kDefaultColor;
    bool recording = false;
    std::vector<CellRecord> recorded_cells;
    std::vector<FrameCell> picture_cells;
    bool terminal = false;
    bool terminal_chosen = false;
};

/// Cell size in pixels, in whole pixels: 1024 / 82 = 12 wide, 768 / 24 = 32 high.
float cellWidth();
float cellHeight();
/// Conversions without rounding; a pixel converts to a fractional cell.
Vector cellsToPixels(Vector cells);
Vector pixelsToCells(Vector pixels);

}  // namespace vl
