#pragma once

#include <array>
#include <functional>
#include <string>

#include "vl/platform/Platform.h"
#include "vl/platform/WindowPlacement.h"

// Xlib's connection and event types, named here so that users of this header
// do not get Xlib's macros.
struct _XDisplay;
union _XEvent;

namespace vl {

/// The platform on an X server, through a connection of the engine's own
/// beside the window library's: it checks that a window can be drawn in, makes
/// the window and places it inside the monitor's work area, answers the window
/// manager's pings, watches whether the window's picture is seen and kept, and
/// reads the keyboard and mouse cheaply. The window library would place the
/// window off screen and, where it lands wholly off screen, wait for it forever.
///
/// X errors on any connection of the program are trapped rather than ending
/// it; an error or a lost connection on this one marks the window lost.
class X11Platform : public Platform {
  public:
    /// Connects to the server named by DISPLAY; missingSupport says whether it worked.
    X11Platform();
    /// Closes the connection, which destroys a window it made: destroy the
    /// window library's window first.
    ~X11Platform() override;
    X11Platform(const X11Platform&) = delete;
    X11Platform& operator=(const X11Platform&) = delete;

    std::string missingSupport() override;
    OpenedWindow openWindow(const WindowRequest& request) override;
    void setFullscreen(sf::RenderWindow& window, bool on, const sf::IntRect& area) override;
    void noteWindowEvent(const sf::Event&) override {}
    bool takePictureLoss() override;
    bool isHidden() const override { return unmapped || minimised || covered; }
    bool takeCloseRequest() override;
    bool isWindowLost() const override;
    /// Asks the server only when the focus may have moved since it last did,
    /// so that asking every frame costs no request.
    bool hasFocus() override;
    bool takeFocusMove() override;
    /// Reads the keys and pointer buttons of the whole server, one request each.
    bool sampleDevices() override;
    bool wasKeyDown(Key key) const override;
    bool wasButtonDown(MouseButton button) const override;
    /// Needs the GL driver's GLX_MESA_copy_sub_buffer.
    bool presentKeepingBackBuffer(sf::RenderWindow& window) override;

    /// The area of the monitor a window opens on, less what panels take (the
    /// window manager's work area); the whole monitor without one. The monitor
    /// is RandR's primary or first, else Xinerama's first, else the screen.
    sf::IntRect workArea() const;

  private:
    /// The atoms the platform uses, interned once.
    enum AtomName {
        WmProtocols,
        WmDeleteWindow,
        NetWmPing,
        NetWmName,
        Utf8String,
        MotifWmHints,
        NetWmPid,
        NetWmState,
        NetWmStateHidden,
        NetWmStateFullscreen,
        NetSupportingWmCheck,
        NetWorkarea,
        NetCurrentDesktop,
        NetFrameExtents,
        NetRequestFrameExtents,
        NetSupported,
        AtomCount
    };

    bool isUsable() const;
    /// Takes every event that has come in into the fields below: those already
    /// read, and with read_connection those one read of the connection brings.
    void readNews(bool read_connection);
    bool takeNews(bool& flag, bool read_connection);
    void takeEvent(_XEvent& event);
    bool hasWindowManager() const;
    /// The frame a window manager puts around the window, asked for before
    /// the window is shown; none without a window manager or an answer.
    FrameMargins askFrameMargins();
    /// Reads the connection until done says so or the window manager's time
    /// to answer has passed; whether done said so.
    bool awaitNews(const std::function<bool()>& done);
    /// The window's frame on the screen, border included; empty without one.
    sf::IntRect frameArea() const;
    /// Moves and sizes the window as placed, its frame's corner where the
    /// placement says, and tells opened.
    void place(const WindowPlacement& placement, const FrameMargins& frame, OpenedWindow& opened);
    /// Once the window manager has framed and shown the window, moves and
    /// sizes it again where the frame does not lie inside the work area.
    void refitFramedWindow(const WindowRequest& request, OpenedWindow& opened);
    void setSizeLimits(unsigned long window, const sf::IntRect& area, bool fixed) const;
    bool hasHiddenState() const;
    sf::IntRect monitorArea() const;
    unsigned long makeWindow(const std::string& title);

    _XDisplay* display = nullptr;
    std::array<unsigned long, AtomCount> atoms{};
    unsigned long watched = 0;
    bool unmapped = false;
    bool mapped = false;
    bool minimised = false;
    bool covered = false;
    bool picture_lost = false;
    bool close_requested = false;
    bool destroyed = false;
    bool focus_known = false;
    bool focused = false;
    bool focus_moved = false;
    /// One bit for each key code, as the server gives them.
    std::array<char, 32> keys_down{};
    unsigned int buttons_down = 0;
};

}  // namespace vl
