#include "WindowWatcher.h"

#include <X11/Xutil.h>

#include <cstring>

namespace {

// A window may vanish or be unmapped between two requests; such a request
// fails quietly instead of ending the program as Xlib's own handler would.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

constexpr int kSearchDepth = 2;
constexpr unsigned long kLitChannel = 40;

// One colour channel of a pixel of a true-colour image, at 8 bits.
unsigned long channel(unsigned long pixel, unsigned long mask) {
    return mask == 0 ? 0 : (pixel & mask) >> __builtin_ctzl(mask);
}

bool hasTitle(Display* display, Window window, const std::string& title) {
    XTextProperty name{};
    if (XGetWMName(display, window, &name) == 0 || name.value == nullptr) {
        return false;
    }
    const bool same =
        name.nitems == title.size() && std::memcmp(name.value, title.data(), title.size()) == 0;
    XFree(name.value);
    return same;
}

}  // namespace

WindowWatcher::WindowWatcher() : display(XOpenDisplay(nullptr)) {
    XSetErrorHandler(ignoreError);
}

WindowWatcher::~WindowWatcher() {
    if (display != nullptr) {
        XCloseDisplay(display);
    }
}

Window WindowWatcher::find(const std::string& title) {
    if (display == nullptr) {
        return 0;
    }
    return findBelow(DefaultRootWindow(display), title, kSearchDepth);
}

Window WindowWatcher::findBelow(Window parent, const std::string& title, int depth) {
    Window root = 0;
    Window parent_of_parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, parent, &root, &parent_of_parent, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        if (hasTitle(display, children[i], title)) {
            found = children[i];
        } else if (depth > 1) {
            found = findBelow(children[i], title, depth - 1);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

bool WindowWatcher::showsLight(Window window, int left, int top, unsigned width, unsigned height) {
    XImage* image = XGetImage(display, window, left, top, width, height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    bool lit = false;
    for (unsigned y = 0; y < height && !lit; ++y) {
        for (unsigned x = 0; x < width && !lit; ++x) {
            const unsigned long pixel = XGetPixel(image, static_cast<int>(x), static_cast<int>(y));
            lit = channel(pixel, image->red_mask) > kLitChannel ||
                  channel(pixel, image->green_mask) > kLitChannel ||
                  channel(pixel, image->blue_mask) > kLitChannel;
        }
    }
    XDestroyImage(image);
    return lit;
}
