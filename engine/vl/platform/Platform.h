#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <memory>
#include <string>
#include <vector>

#include "vl/display/FrameCell.h"

#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"

namespace vl {

/// What the display asks for when it opens its window.
struct WindowRequest {
    /// The picture's size in pixels at scale 1.
    sf::Vector2i picture_size;
    /// The whole-number scale wanted; a platform may open the window smaller.
    int scale = 1;
    /// The window's title.
    std::string title;
};

/// The window a platform opened, and where.
struct OpenedWindow {
    /// Null when no window could be made.
    std::unique_ptr<sf::RenderWindow> window;
    /// The scale the window opened at: the one asked for, or the largest that fits.
    int scale = 1;
    /// The window's area on the screen, inside the window manager's frame.
    sf::IntRect area;
};

/// Everything the engine asks of the operating system and the window system
/// beyond the window library: whether a window can be drawn in, where it opens,
/// what happened to it, which keys and buttons are down, fullscreen and
/// presenting without a swap. The display owns one, made by makePlatform; the
/// window it opens lives on it, so the window goes before the platform.
class Platform {
  public:
    virtual ~Platform() = default;

    /// Why no window can be drawn in here, such as "the X server has no GLX
    /// extension"; empty when one can.
    virtual std::string missingSupport() = 0;
    /// Opens the window at the largest scale up to the one asked for whose
    /// window, frame included, fits the work area of the monitor it opens on,
    /// centred there; where even scale 1 does not fit, a smaller window of the
    /// picture's shape. A null window, with nothing made, when none can be.
    virtual OpenedWindow openWindow(const WindowRequest& request) = 0;
    /// Fills the monitor with the window, or gives it back the area.
    virtual void setFullscreen(sf::RenderWindow& window, bool on, const sf::IntRect& area) = 0;

    /// Hands the platform every event the window library read from the window,
    /// before the engine handles it.
    virtual void noteWindowEvent(const sf::Event& event) = 0;
    /// Whether the window's picture may have been lost or spoilt since the last
    /// call (exposed, mapped, moved, resized, focused, shown again), so it must
    /// be drawn anew. A platform that cannot tell says true every time.
    virtual bool takePictureLoss() = 0;
    /// Whether, as of the last takePictureLoss, no part of the window is seen.
    virtual bool isHidden() const = 0;
    /// Whether the window was asked to close since the last call.
    virtual bool takeCloseRequest() = 0;
    /// Whether the window was destroyed by someone else: the game cannot go on.
    virtual bool isWindowLost() const = 0;
    /// Whether the window has the keyboard focus.
    virtual bool hasFocus() = 0;
    /// Whether the window gained or lost the focus since the last call.
    virtual bool takeFocusMove() = 0;

    /// Takes a sample of which keys and mouse buttons are down, for wasKeyDown
    /// and wasButtonDown to answer from. False, with nothing down, when the
    /// devices cannot be read.
    virtual bool sampleDevices() = 0;
    /// Whether the key was down at the last sample; false for Undefined.
    virtual bool wasKeyDown(Key key) const = 0;
    /// Whether the button was down at the last sample; false for Undefined.
    virtual bool wasButtonDown(MouseButton button) const = 0;

    /// Shows what the window's back buffer holds and leaves the back buffer as
    /// it was, where a swap leaves it undefined. False, with nothing done, where
    /// the driver cannot.
    virtual bool presentKeepingBackBuffer(sf::RenderWindow& window) = 0;

    /// Whether the platform shows the picture as character cells of its own
    /// (a terminal) instead of in a window: it then opens with openCells,
    /// shows frames with presentCells and gives input through pollEvent.
    virtual bool showsCells() const { return false; }
    /// Takes over the place the cells are shown in; -1 when it cannot.
    virtual int openCells() { return -1; }
    /// Shows a frame's cells, in drawing order, relative to the view.
    virtual void presentCells(const std::vector<FrameCell>&) {}
    /// The next input event, as the window library gives a window's, with
    /// positions in picture pixels; false when none is waiting.
    virtual bool pollEvent(sf::Event&) { return false; }
};

/// The window platform this engine was built for: x11 on Linux unless the
/// build chose the portable one.
std::unique_ptr<Platform> makePlatform();
/// The terminal platform, which every build has beside its window platform.
std::unique_ptr<Platform> makeTerminalPlatform();

}  // namespace vl
