#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Window/WindowHandle.hpp>
#include <string>

// Xlib's connection type, named here so that users of this header do not get
// Xlib's macros.
struct _XDisplay;

namespace vl {

/// The display's own connection to the X server, for what the window library
/// does not do: checking that a window can be made, finding the monitor, and
/// placing, naming and fullscreening the window on the desktop.
class DesktopConnection {
  public:
    /// Connects to the server named by DISPLAY; isOpen tells whether it worked.
    DesktopConnection();
    ~DesktopConnection();
    DesktopConnection(const DesktopConnection&) = delete;
    DesktopConnection& operator=(const DesktopConnection&) = delete;

    /// Whether the server could be reached.
    bool isOpen() const { return display != nullptr; }
    /// Why the window library could not draw on this server (no GLX, or no GL
    /// visual of 24 bits or more); empty when it can. The library crashes on
    /// such servers, so this is asked before any window is made.
    std::string missingSupport() const;
    /// The primary monitor's area in screen pixels, or the whole screen's
    /// where the server names no primary monitor.
    sf::IntRect primaryMonitor() const;

    /// Names the window for the desktop: its class (both parts of WM_CLASS)
    /// and this process's id. Does nothing when not open.
    void nameWindow(sf::WindowHandle window, const std::string& window_class) const;
    /// Hides the window, records area as its size and place for the window
    /// manager, moves it there and shows it again: a window manager places a
    /// window when it is shown, by what it was told. Does nothing when not open.
    void showWindowAt(sf::WindowHandle window, const sf::IntRect& area) const;
    /// Fills the primary monitor with the window, or gives it back its place.
    /// With a window manager this asks for its fullscreen state; without one
    /// the window covers the monitor itself. Does nothing when not open.
    void setFullscreen(sf::WindowHandle window, bool on, const sf::IntRect& windowed_area) const;

  private:
    bool hasWindowManager() const;
    void setSizeLimits(sf::WindowHandle window, const sf::IntRect& area, bool fixed) const;

    _XDisplay* display = nullptr;
};

/// The top-left corner of a window of the given size centred on the monitor;
/// on a monitor smaller than the window in either direction, the window
/// starts at the monitor's edge in that direction.
sf::Vector2i centredCorner(const sf::IntRect& monitor, sf::Vector2i window_size);

}  // namespace vl
