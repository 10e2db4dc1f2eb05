#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/WindowHandle.hpp>
#include <array>
#include <string>

// Xlib's connection and event types, named here so that users of this header
// do not get Xlib's macros.
struct _XDisplay;
union _XEvent;

namespace vl {

/// The display's own connection to the X server, for what the window library
/// does not do well: checking that a window can be drawn in, finding the
/// monitor, making, placing, naming and fullscreening the window, and watching
/// whether its picture is seen and kept, and reading the keyboard and mouse
/// cheaply. The window is made here and handed to the library, which would
/// place it off screen and, where it lands wholly off screen, wait for it
/// forever.
class DesktopConnection {
  public:
    /// Connects to the server named by DISPLAY; isOpen tells whether it worked.
    DesktopConnection();
    /// Closes the connection, which destroys a window it made: destroy the
    /// window library's window on it first.
    ~DesktopConnection();
    DesktopConnection(const DesktopConnection&) = delete;
    DesktopConnection& operator=(const DesktopConnection&) = delete;

    /// Whether the server could be reached.
    bool isOpen() const { return display != nullptr; }
    /// Why no window could be drawn in on this server (no server, no GLX, or
    /// no GL visual of 24 bits or more); empty when one can. The window
    /// library crashes on such servers, so this is asked before any window is
    /// made.
    std::string missingSupport() const;
    /// The primary monitor's area in screen pixels, or the whole screen's
    /// where the server names no primary monitor.
    sf::IntRect primaryMonitor() const;

    /// Makes a window for GL drawing over area, not yet shown, with the title, a
    /// title bar but no resize handles or close button, a fixed size, the
    /// class (both parts of WM_CLASS) and this process's id. The connection
    /// owns it and watches it (takePictureLoss). 0 when missingSupport is not
    /// empty or the server refuses.
    sf::WindowHandle makeWindow(const sf::IntRect& area, const std::string& title,
                                const std::string& window_class);
    /// Reads what the window system has done to the window made here since the
    /// last call. True when its picture may have been lost or spoilt: the
    /// window was exposed, mapped, moved or resized, focused, or its
    /// visibility changed. Without a window, false.
    bool takePictureLoss();
    /// Whether, as of the last takePictureLoss, no part of the window can be
    /// seen: unmapped, minimised (_NET_WM_STATE_HIDDEN) or wholly covered.
    bool isHidden() const { return unmapped || minimised || covered; }
    /// Fills the primary monitor with the window, or gives it back its place.
    /// With a window manager this asks for its fullscreen state; without one
    /// the window covers the monitor itself. Does nothing when not open.
    void setFullscreen(sf::WindowHandle window, bool on, const sf::IntRect& windowed_area) const;

    /// Whether the window made here was asked to close (as by a window
    /// manager's close command) since the last call. Such requests go to the
    /// client that made the window, this connection, and never reach the
    /// window library.
    bool takeCloseRequest();

    /// Whether the window made here has the keyboard focus, as of the last
    /// read of the connection (takePictureLoss, takeCloseRequest or
    /// sampleDevices read it). The server is asked only when the focus may
    /// have moved since it was last asked (the window gained or lost it), so
    /// asking every frame costs no request. False without a window.
    bool hasFocus();
    /// Whether the window gained or lost the keyboard focus since the last
    /// call, as of the last read of the connection (see hasFocus).
    bool takeFocusMove();
    /// Reads which keys are down and which pointer buttons are held on the
    /// whole server, in one request each, for wasKeyDown and wasButtonDown to
    /// answer from. False, with nothing down, when not open.
    bool sampleDevices();
    /// Whether the key was down at the last sampleDevices: any key that the
    /// engine translates (letters, digits, F1 to F12, arrows and the named
    /// keys of vl::Key); false for others.
    bool wasKeyDown(sf::Keyboard::Key key) const;
    /// Whether the left, right or middle button was held at the last
    /// sampleDevices; false for other buttons.
    bool wasButtonDown(sf::Mouse::Button button) const;

  private:
    /// Takes every event that has come in into the fields below: those
    /// already read, and with read_connection those one read of the
    /// connection brings.
    void readNews(bool read_connection);
    /// The flag as readNews leaves it, cleared.
    bool takeNews(bool& flag, bool read_connection);
    void takeEvent(const _XEvent& event);
    bool hasWindowManager() const;
    void setSizeLimits(sf::WindowHandle window, const sf::IntRect& area, bool fixed) const;
    /// Whether the window manager marks the watched window hidden.
    bool hasHiddenState() const;

    _XDisplay* display = nullptr;
    sf::WindowHandle watched = 0;
    bool unmapped = false;
    bool minimised = false;
    bool covered = false;
    bool picture_lost = false;
    bool close_requested = false;
    /// focused holds the server's last answer, until a focus event says the
    /// answer may have changed.
    bool focus_known = false;
    bool focused = false;
    bool focus_moved = false;
    /// One bit for each key code, as the server gives them.
    std::array<char, 32> keys_down{};
    unsigned int buttons_down = 0;
};

/// The top-left corner of a window of the given size centred on the monitor;
/// on a monitor smaller than the window in either direction, the window
/// starts at the monitor's edge in that direction.
sf::Vector2i centredCorner(const sf::IntRect& monitor, sf::Vector2i window_size);

}  // namespace vl
