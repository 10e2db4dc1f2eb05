#pragma once

#include <X11/Xlib.h>

#include <string>

// Watches the X server from a connection of its own: finds a top-level
// window by its title and tells whether part of it shows anything.
class WindowWatcher {
  public:
    WindowWatcher();
    ~WindowWatcher();
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;

    bool connected() const { return display != nullptr; }
    // The first window titled title among the root's children and theirs
    // (a window manager puts a frame between), or 0.
    Window find(const std::string& title);
    // Whether a pixel of the rectangle is not near black; false when the window
    // cannot be read (not mapped yet, or gone).
    bool showsLight(Window window, int left, int top, unsigned width, unsigned height);

  private:
    Window findBelow(Window parent, const std::string& title, int depth);

    Display* display;
};
