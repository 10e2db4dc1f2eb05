#include "vl/display/DesktopConnection.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace vl {

namespace {

// An X server that has just lost its last client resets and drops the
// connections that arrive meanwhile; a few short waits see it through.
constexpr int kConnectAttempts = 10;
constexpr std::chrono::milliseconds kConnectRetryDelay(50);

// The window library draws through GL on 8 bits for each of red, green and blue.
constexpr int kColorBits = 8;
constexpr int kLeastDepth = 24;

// _NET_WM_STATE's "add" and "remove", and a request from a plain application.
constexpr long kStateRemove = 0;
constexpr long kStateAdd = 1;
constexpr long kSourceApplication = 1;

// What the display watches of its window: whatever may spoil or hide its
// picture, and the focus. The window's close requests come to this connection
// too. Never keys: the X server hands a key press to a second client that
// watches it with a release of the same time before it, as it marks a repeat,
// and the window library, told to give one press per hold, drops both.
constexpr long kWatchedEvents = ExposureMask | VisibilityChangeMask | StructureNotifyMask |
                                FocusChangeMask | PropertyChangeMask;

struct XFreeDeleter {
    void operator()(void* data) const { XFree(data); }
};

// The symbol a key's cap carries in the default keyboard layout, for the keys
// the engine translates; NoSymbol for others.
KeySym keySymbolOf(sf::Keyboard::Key key) {
    const int value = static_cast<int>(key);
    if (value >= sf::Keyboard::A && value <= sf::Keyboard::Z) {
        return XK_a + static_cast<KeySym>(value - sf::Keyboard::A);
    }
    if (value >= sf::Keyboard::Num0 && value <= sf::Keyboard::Num9) {
        return XK_0 + static_cast<KeySym>(value - sf::Keyboard::Num0);
    }
    if (value >= sf::Keyboard::F1 && value <= sf::Keyboard::F12) {
        return XK_F1 + static_cast<KeySym>(value - sf::Keyboard::F1);
    }
    static const std::pair<sf::Keyboard::Key, KeySym> kNamedKeys[] = {
        {sf::Keyboard::Space, XK_space},
        {sf::Keyboard::Enter, XK_Return},
        {sf::Keyboard::Escape, XK_Escape},
        {sf::Keyboard::Tab, XK_Tab},
        {sf::Keyboard::Left, XK_Left},
        {sf::Keyboard::Right, XK_Right},
        {sf::Keyboard::Up, XK_Up},
        {sf::Keyboard::Down, XK_Down},
        {sf::Keyboard::Pause, XK_Pause},
        {sf::Keyboard::Hyphen, XK_minus},
        {sf::Keyboard::Equal, XK_equal},
        {sf::Keyboard::Tilde, XK_grave},
        {sf::Keyboard::Period, XK_period},
        {sf::Keyboard::Comma, XK_comma},
        {sf::Keyboard::Slash, XK_slash},
        {sf::Keyboard::Backslash, XK_backslash},
        {sf::Keyboard::Multiply, XK_KP_Multiply},
        {sf::Keyboard::Quote, XK_apostrophe},
        {sf::Keyboard::Semicolon, XK_semicolon},
        {sf::Keyboard::LControl, XK_Control_L},
        {sf::Keyboard::RControl, XK_Control_R},
        {sf::Keyboard::LShift, XK_Shift_L},
        {sf::Keyboard::RShift, XK_Shift_R},
        {sf::Keyboard::Backspace, XK_BackSpace},
    };
    for (const auto& [named, symbol] : kNamedKeys) {
        if (named == key) {
            return symbol;
        }
    }
    return NoSymbol;
}

Display* connect() {
    for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
        Display* display = XOpenDisplay(nullptr);
        if (display != nullptr || std::getenv("DISPLAY") == nullptr) {
            return display;
        }
        std::this_thread::sleep_for(kConnectRetryDelay);
    }
    return nullptr;
}

Atom atom(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

// The items of a window's property of 32-bit items of that type, at most
// max_items; none when the window lacks it or it is of another type.
std::vector<unsigned long> readProperty(Display* display, Window window, const char* name,
                                        Atom item_type, long max_items) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, atom(display, name), 0, max_items, False,
                                          item_type, &type, &format, &count, &remaining, &data);
    const std::unique_ptr<unsigned char, XFreeDeleter> owned(data);
    if (status != Success || type != item_type || format != 32 || data == nullptr) {
        return {};
    }
    // Xlib hands 32-bit items over as longs.
    const auto* items = reinterpret_cast<const unsigned long*>(data);
    return std::vector<unsigned long>(items, items + count);
}

// A double-buffered GL visual with 8 bits for each of red, green and blue;
// null when the screen has none. The caller frees it.
XVisualInfo* chooseVisual(Display* display) {
    int attributes[] = {GLX_RGBA,   GLX_DOUBLEBUFFER, GLX_RED_SIZE, kColorBits, GLX_GREEN_SIZE,
                        kColorBits, GLX_BLUE_SIZE,    kColorBits,   None};
    return glXChooseVisual(display, DefaultScreen(display), attributes);
}

// Motif's window manager hints, which most window managers read for the
// decorations and actions a window offers: a border and a title bar with its
// menu and minimise button; moving and minimising, no resizing, no closing.
struct MotifHints {
    unsigned long flags = 3;  // functions and decorations are given
    unsigned long functions = 4 | 8;
    unsigned long decorations = 2 | 8 | 16 | 32;
    long input_mode = 0;
    unsigned long state = 0;
};

}  // namespace

DesktopConnection::DesktopConnection() : display(connect()) {}

DesktopConnection::~DesktopConnection() {
    if (display != nullptr) {
        XCloseDisplay(display);
    }
}

std::string DesktopConnection::missingSupport() const {
    if (display == nullptr) {
        return "no X display could be opened";
    }
    int error_base = 0;
    int event_base = 0;
    if (glXQueryExtension(display, &error_base, &event_base) == False) {
        return "the X server has no GLX extension";
    }
    // The window is made on the screen's own depth, so a deeper GL visual
    // beside a shallow screen does not help.
    const int screen = DefaultScreen(display);
    const std::string too_shallow = "the screen has no GL visual of " +
                                    std::to_string(kLeastDepth) + " bits or more (its depth is " +
                                    std::to_string(DefaultDepth(display, screen)) + " bits)";
    if (DefaultDepth(display, screen) < kLeastDepth) {
        return too_shallow;
    }
    const std::unique_ptr<XVisualInfo, XFreeDeleter> visual(chooseVisual(display));
    if (!visual || visual->depth < kLeastDepth) {
        return too_shallow;
    }
    return std::string();
}

sf::IntRect DesktopConnection::primaryMonitor() const {
    if (display == nullptr) {
        return sf::IntRect();
    }
    const int screen = DefaultScreen(display);
    const sf::IntRect whole_screen(0, 0, DisplayWidth(display, screen),
                                   DisplayHeight(display, screen));
    int event_base = 0;
    int error_base = 0;
    if (XRRQueryExtension(display, &event_base, &error_base) == False) {
        return whole_screen;
    }
    const Window root = RootWindow(display, screen);
    const RROutput primary = XRRGetOutputPrimary(display, root);
    if (primary == None) {
        return whole_screen;
    }
    const std::unique_ptr<XRRScreenResources, decltype(&XRRFreeScreenResources)> resources(
        XRRGetScreenResourcesCurrent(display, root), XRRFreeScreenResources);
    if (!resources) {
        return whole_screen;
    }
    const std::unique_ptr<XRROutputInfo, decltype(&XRRFreeOutputInfo)> output(
        XRRGetOutputInfo(display, resources.get(), primary), XRRFreeOutputInfo);
    if (!output || output->crtc == None) {
        return whole_screen;
    }
    const std::unique_ptr<XRRCrtcInfo, decltype(&XRRFreeCrtcInfo)> crtc(
        XRRGetCrtcInfo(display, resources.get(), output->crtc), XRRFreeCrtcInfo);
    if (!crtc || crtc->width == 0 || crtc->height == 0) {
        return whole_screen;
    }
    return sf::IntRect(crtc->x, crtc->y, static_cast<int>(crtc->width),
                       static_cast<int>(crtc->height));
}

void DesktopConnection::setSizeLimits(sf::WindowHandle window, const sf::IntRect& area,
                                      bool fixed) const {
    const std::unique_ptr<XSizeHints, XFreeDeleter> hints(XAllocSizeHints());
    if (!hints) {
        return;
    }
    hints->flags = USPosition | PPosition;
    hints->x = area.left;
    hints->y = area.top;
    if (fixed) {
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = area.width;
        hints->min_height = hints->max_height = area.height;
    }
    XSetWMNormalHints(display, window, hints.get());
}

sf::WindowHandle DesktopConnection::makeWindow(const sf::IntRect& area, const std::string& title,
                                               const std::string& window_class) {
    if (!missingSupport().empty()) {
        return 0;
    }
    const std::unique_ptr<XVisualInfo, XFreeDeleter> visual(chooseVisual(display));
    const Window root = RootWindow(display, visual->screen);
    // The window library selects the input events it reads, and the server
    // lets only one client take button presses; these any client may watch.
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    attributes.border_pixel = 0;
    attributes.background_pixel = 0;
    attributes.event_mask = kWatchedEvents;
    const Window window = XCreateWindow(
        display, root, area.left, area.top, static_cast<unsigned>(area.width),
        static_cast<unsigned>(area.height), 0, visual->depth, InputOutput, visual->visual,
        CWColormap | CWBorderPixel | CWBackPixel | CWEventMask, &attributes);
    if (window == 0) {
        return 0;
    }
    std::vector<char> name(window_class.begin(), window_class.end());
    name.push_back('\0');
    XClassHint class_hint;
    class_hint.res_name = name.data();
    class_hint.res_class = name.data();
    XWMHints window_hints{};
    window_hints.flags = InputHint | StateHint;
    window_hints.input = True;
    window_hints.initial_state = NormalState;
    std::vector<char> title_text(title.begin(), title.end());
    title_text.push_back('\0');
    Xutf8SetWMProperties(display, window, title_text.data(), title_text.data(), nullptr, 0, nullptr,
                         &window_hints, &class_hint);
    XChangeProperty(display, window, atom(display, "_NET_WM_NAME"), atom(display, "UTF8_STRING"), 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    setSizeLimits(window, area, true);
    const MotifHints motif;
    XChangeProperty(display, window, atom(display, "_MOTIF_WM_HINTS"),
                    atom(display, "_MOTIF_WM_HINTS"), 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&motif), 5);
    const long pid = static_cast<long>(getpid());
    XChangeProperty(display, window, atom(display, "_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    // The window library reaches the window through a connection of its own.
    XSync(display, False);
    watched = window;
    return window;
}

bool DesktopConnection::takeCloseRequest() {
    return takeNews(close_requested, true);
}

bool DesktopConnection::takePictureLoss() {
    return takeNews(picture_lost, true);
}

bool DesktopConnection::takeNews(bool& flag, bool read_connection) {
    readNews(read_connection);
    return std::exchange(flag, false);
}

void DesktopConnection::readNews(bool read_connection) {
    if (display == nullptr || watched == 0) {
        return;
    }
    // Counting the queue reads the connection at most once; taking the
    // counted events then reads nothing more.
    for (int queued = XEventsQueued(display, read_connection ? QueuedAfterFlush : QueuedAlready);
         queued > 0; --queued) {
        XEvent event;
        XNextEvent(display, &event);
        takeEvent(event);
    }
}

void DesktopConnection::takeEvent(const XEvent& event) {
    if (event.type == MappingNotify) {
        // wasKeyDown finds key codes through the keyboard's mapping.
        XMappingEvent mapping = event.xmapping;
        XRefreshKeyboardMapping(&mapping);
        return;
    }
    if (event.xany.window != watched) {
        return;
    }
    switch (event.type) {
        case Expose:
        case ConfigureNotify:
            picture_lost = true;
            break;
        case FocusIn:
        case FocusOut:
            focus_known = false;
            focus_moved = true;
            picture_lost = picture_lost || event.type == FocusIn;
            break;
        case MapNotify:
        case UnmapNotify:
            unmapped = event.type == UnmapNotify;
            picture_lost = true;
            break;
        case VisibilityNotify:
            covered = event.xvisibility.state == VisibilityFullyObscured;
            picture_lost = true;
            break;
        case PropertyNotify:
            if (event.xproperty.atom == atom(display, "_NET_WM_STATE")) {
                minimised = hasHiddenState();
                picture_lost = true;
            }
            break;
        case ClientMessage:
            close_requested =
                close_requested ||
                (event.xclient.message_type == atom(display, "WM_PROTOCOLS") &&
                 static_cast<Atom>(event.xclient.data.l[0]) == atom(display, "WM_DELETE_WINDOW"));
            break;
        default:
            break;
    }
}

bool DesktopConnection::hasFocus() {
    // The events read with the last answer of the server, such as a sample's,
    // are as new as any.
    readNews(false);
    if (display == nullptr || watched == 0) {
        return false;
    }
    if (!focus_known) {
        Window focus = None;
        int revert_to = 0;
        XGetInputFocus(display, &focus, &revert_to);
        focused = focus == watched;
        focus_known = true;
    }
    return focused;
}

bool DesktopConnection::takeFocusMove() {
    return takeNews(focus_moved, false);
}

bool DesktopConnection::sampleDevices() {
    keys_down.fill(0);
    buttons_down = 0;
    if (display == nullptr) {
        return false;
    }
    XQueryKeymap(display, keys_down.data());
    // Only the buttons are wanted; the windows and positions share a place.
    Window window = None;
    int position = 0;
    XQueryPointer(display, DefaultRootWindow(display), &window, &window, &position, &position,
                  &position, &position, &buttons_down);
    return true;
}

bool DesktopConnection::wasKeyDown(sf::Keyboard::Key key) const {
    const KeySym symbol = keySymbolOf(key);
    const KeyCode code =
        display == nullptr || symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
    if (code == 0) {
        return false;
    }
    const auto bits = static_cast<unsigned char>(keys_down[code / 8]);
    return (bits & (1u << (code % 8))) != 0;
}

bool DesktopConnection::wasButtonDown(sf::Mouse::Button button) const {
    switch (button) {
        case sf::Mouse::Left:
            return (buttons_down & Button1Mask) != 0;
        case sf::Mouse::Middle:
            return (buttons_down & Button2Mask) != 0;
        case sf::Mouse::Right:
            return (buttons_down & Button3Mask) != 0;
        default:
            return false;
    }
}

bool DesktopConnection::hasHiddenState() const {
    const std::vector<unsigned long> states =
        readProperty(display, watched, "_NET_WM_STATE", XA_ATOM, 64);
    return std::find(states.begin(), states.end(), atom(display, "_NET_WM_STATE_HIDDEN")) !=
           states.end();
}

bool DesktopConnection::hasWindowManager() const {
    return readProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW,
                        1)
               .size() == 1;
}

void DesktopConnection::setFullscreen(sf::WindowHandle window, bool on,
                                      const sf::IntRect& windowed_area) const {
    if (display == nullptr) {
        return;
    }
    const sf::IntRect monitor = primaryMonitor();
    setSizeLimits(window, on ? monitor : windowed_area, !on);
    if (hasWindowManager()) {
        XEvent request{};
        request.xclient.type = ClientMessage;
        request.xclient.window = window;
        request.xclient.message_type = atom(display, "_NET_WM_STATE");
        request.xclient.format = 32;
        request.xclient.data.l[0] = on ? kStateAdd : kStateRemove;
        request.xclient.data.l[1] = static_cast<long>(atom(display, "_NET_WM_STATE_FULLSCREEN"));
        request.xclient.data.l[3] = kSourceApplication;
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &request);
    } else {
        const sf::IntRect& area = on ? monitor : windowed_area;
        XMoveResizeWindow(display, window, area.left, area.top, static_cast<unsigned>(area.width),
                          static_cast<unsigned>(area.height));
    }
    XFlush(display);
}

sf::Vector2i centredCorner(const sf::IntRect& monitor, sf::Vector2i window_size) {
    return sf::Vector2i(monitor.left + std::max(0, (monitor.width - window_size.x) / 2),
                        monitor.top + std::max(0, (monitor.height - window_size.y) / 2));
}

}  // namespace vl
