#include "vl/platform/x11/X11Platform.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "vl/input/KeyName.h"
#include "vl/platform/programFiles.h"

namespace vl {

namespace {

static_assert(kKeyNames[0].x_symbol == XK_space && kKeyNames[2].x_symbol == XK_Escape &&
                  kKeyNames[16].x_symbol == XK_KP_Multiply && kKeyNames[23].x_symbol == XK_F1 &&
                  kKeyNames[35].x_symbol == XK_a && kKeyNames[70].x_symbol == XK_0 &&
                  kKeyNames[71].x_symbol == XK_BackSpace,
              "the key table carries X11's key symbols");

// An X server that has just lost its last client resets and drops the
// connections that arrive meanwhile; a few short waits see it through.
constexpr int kConnectAttempts = 10;
constexpr std::chrono::milliseconds kConnectRetryDelay(50);
// How long a window manager has to tell a window's frame or to show it.
constexpr std::chrono::milliseconds kWindowManagerAnswerTime(500);

// The window library draws through GL on 8 bits for each of red, green and blue.
constexpr int kColorBits = 8;
constexpr int kLeastDepth = 24;

// _NET_WM_STATE's "add" and "remove", and a request from a plain application.
constexpr long kStateRemove = 0;
constexpr long kStateAdd = 1;
constexpr long kSourceApplication = 1;

// What the platform watches of its window: whatever may spoil or hide its
// picture, its end, and the focus. The window's close requests and the window
// manager's pings come to this connection too. Never keys: the X server hands
// a key press to a second client that watches it with a release of the same
// time before it, as it marks a repeat, and the window library, told to give
// one press per hold, drops both.
constexpr long kWatchedEvents = ExposureMask | VisibilityChangeMask | StructureNotifyMask |
                                FocusChangeMask | PropertyChangeMask;

// In the order of X11Platform's AtomName.
const char* const kAtomNames[] = {
    "WM_PROTOCOLS",
    "WM_DELETE_WINDOW",
    "_NET_WM_PING",
    "_NET_WM_NAME",
    "UTF8_STRING",
    "_MOTIF_WM_HINTS",
    "_NET_WM_PID",
    "_NET_WM_STATE",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_STATE_FULLSCREEN",
    "_NET_SUPPORTING_WM_CHECK",
    "_NET_WORKAREA",
    "_NET_CURRENT_DESKTOP",
    "_NET_FRAME_EXTENTS",
    "_NET_REQUEST_FRAME_EXTENTS",
    "_NET_SUPPORTED",
};

struct XFreeDeleter {
    void operator()(void* data) const { XFree(data); }
};

// X errors and a lost connection end the program through Xlib's default
// handlers. The handlers here keep it running and note what happened to the
// engine's own connection; errors on the window library's connection (its
// requests on a window destroyed from outside) are dropped.
Display* engine_display = nullptr;
unsigned long engine_errors = 0;
XErrorEvent last_engine_error{};
bool engine_connection_broken = false;

int noteError(Display* display, XErrorEvent* error) {
    if (display == engine_display) {
        ++engine_errors;
        last_engine_error = *error;
    }
    return 0;
}

int noteBrokenConnection(Display* display) {
    if (display == engine_display) {
        engine_connection_broken = true;
    }
    return 0;
}

// Xlib exits the program after a lost connection unless this returns: the
// window is then lost and the game ends as it wants to.
void keepRunning(Display*, void*) {}

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

// The items of a window's property of 32-bit items of that type, at most
// max_items; none when the window lacks it or it is of another type.
std::vector<unsigned long> readProperty(Display* display, Window window, Atom name, Atom item_type,
                                        long max_items) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, name, 0, max_items, False, item_type,
                                          &type, &format, &count, &remaining, &data);
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

bool isEmpty(const sf::IntRect& area) {
    return area.width <= 0 || area.height <= 0;
}

sf::IntRect randrMonitor(Display* display, Window root) {
    // Asked of the server first: RandR's library keeps 32 bytes it never
    // frees for a server without the extension.
    int opcode = 0;
    int event_base = 0;
    int error_base = 0;
    if (XQueryExtension(display, "RANDR", &opcode, &event_base, &error_base) == False ||
        XRRQueryExtension(display, &event_base, &error_base) == False) {
        return sf::IntRect();
    }
    const std::unique_ptr<XRRScreenResources, decltype(&XRRFreeScreenResources)> resources(
        XRRGetScreenResourcesCurrent(display, root), XRRFreeScreenResources);
    if (!resources) {
        return sf::IntRect();
    }
    // The primary output's monitor, else the first output's that shows anything.
    const auto monitorOf = [display, &resources](RROutput output_id) {
        const std::unique_ptr<XRROutputInfo, decltype(&XRRFreeOutputInfo)> output(
            XRRGetOutputInfo(display, resources.get(), output_id), XRRFreeOutputInfo);
        if (!output || output->crtc == None) {
            return sf::IntRect();
        }
        const std::unique_ptr<XRRCrtcInfo, decltype(&XRRFreeCrtcInfo)> crtc(
            XRRGetCrtcInfo(display, resources.get(), output->crtc), XRRFreeCrtcInfo);
        if (!crtc) {
            return sf::IntRect();
        }
        return sf::IntRect(crtc->x, crtc->y, static_cast<int>(crtc->width),
                           static_cast<int>(crtc->height));
    };
    const RROutput primary = XRRGetOutputPrimary(display, root);
    const sf::IntRect primary_monitor = primary != None ? monitorOf(primary) : sf::IntRect();
    if (!isEmpty(primary_monitor)) {
        return primary_monitor;
    }
    for (int i = 0; i < resources->noutput; ++i) {
        const sf::IntRect monitor = monitorOf(resources->outputs[i]);
        if (!isEmpty(monitor)) {
            return monitor;
        }
    }
    return sf::IntRect();
}

sf::IntRect xineramaMonitor(Display* display) {
    int event_base = 0;
    int error_base = 0;
    if (XineramaQueryExtension(display, &event_base, &error_base) == False ||
        XineramaIsActive(display) == False) {
        return sf::IntRect();
    }
    int count = 0;
    const std::unique_ptr<XineramaScreenInfo, XFreeDeleter> screens(
        XineramaQueryScreens(display, &count));
    if (!screens || count < 1) {
        return sf::IntRect();
    }
    const XineramaScreenInfo& first = screens.get()[0];
    return sf::IntRect(first.x_org, first.y_org, first.width, first.height);
}

}  // namespace

X11Platform::X11Platform() : display(connect()) {
    if (display == nullptr) {
        return;
    }
    engine_display = display;
    engine_errors = 0;
    engine_connection_broken = false;
    XSetErrorHandler(noteError);
    XSetIOErrorHandler(noteBrokenConnection);
    XSetIOErrorExitHandler(display, keepRunning, nullptr);
    static_assert(sizeof kAtomNames / sizeof kAtomNames[0] == AtomCount, "one name per atom");
    std::array<Atom, AtomCount> interned{};
    XInternAtoms(display, const_cast<char**>(kAtomNames), AtomCount, False, interned.data());
    std::copy(interned.begin(), interned.end(), atoms.begin());
}

X11Platform::~X11Platform() {
    if (display == nullptr) {
        return;
    }
    // A broken connection is left as it is: closing it would only fail again.
    if (!engine_connection_broken) {
        XCloseDisplay(display);
    }
    engine_display = nullptr;
}

bool X11Platform::isUsable() const {
    return display != nullptr && !engine_connection_broken;
}

std::string X11Platform::missingSupport() {
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

sf::IntRect X11Platform::monitorArea() const {
    const int screen = DefaultScreen(display);
    sf::IntRect monitor = randrMonitor(display, RootWindow(display, screen));
    if (isEmpty(monitor)) {
        monitor = xineramaMonitor(display);
    }
    if (isEmpty(monitor)) {
        monitor = sf::IntRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen));
    }
    return monitor;
}

sf::IntRect X11Platform::workArea() const {
    if (!isUsable()) {
        return sf::IntRect();
    }
    const sf::IntRect monitor = monitorArea();
    const Window root = DefaultRootWindow(display);
    const std::vector<unsigned long> desktop =
        readProperty(display, root, atoms[NetCurrentDesktop], XA_CARDINAL, 1);
    const unsigned long index = desktop.empty() ? 0 : desktop[0];
    const std::vector<unsigned long> areas =
        readProperty(display, root, atoms[NetWorkarea], XA_CARDINAL, 4 * 64);
    if (areas.size() < 4 * (index + 1)) {
        return monitor;
    }
    const unsigned long* area = &areas[4 * index];
    const sf::IntRect work(static_cast<int>(area[0]), static_cast<int>(area[1]),
                           static_cast<int>(area[2]), static_cast<int>(area[3]));
    sf::IntRect both;
    return monitor.intersects(work, both) && !isEmpty(both) ? both : monitor;
}

void X11Platform::setSizeLimits(unsigned long window, const sf::IntRect& area, bool fixed) const {
    const std::unique_ptr<XSizeHints, XFreeDeleter> hints(XAllocSizeHints());
    if (!hints) {
        return;
    }
    // The position is the window's own, inside the frame, for every window
    // manager alike (some read it as the frame's with the default gravity).
    hints->flags = USPosition | PPosition | PWinGravity;
    hints->win_gravity = StaticGravity;
    hints->x = area.left;
    hints->y = area.top;
    if (fixed) {
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = area.width;
        hints->min_height = hints->max_height = area.height;
    }
    XSetWMNormalHints(display, window, hints.get());
}

unsigned long X11Platform::makeWindow(const std::string& title) {
    const std::unique_ptr<XVisualInfo, XFreeDeleter> visual(chooseVisual(display));
    const Window root = RootWindow(display, visual->screen);
    // The window library selects the input events it reads, and the server
    // lets only one client take button presses; these any client may watch.
    XSetWindowAttributes attributes{};
    attributes.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    attributes.border_pixel = 0;
    attributes.background_pixel = 0;
    attributes.event_mask = kWatchedEvents;
    // Placed and sized once the window manager has told its frame.
    const Window window =
        XCreateWindow(display, root, 0, 0, 1, 1, 0, visual->depth, InputOutput, visual->visual,
                      CWColormap | CWBorderPixel | CWBackPixel | CWEventMask, &attributes);
    const std::string window_class = programName();
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
    XChangeProperty(display, window, atoms[NetWmName], atoms[Utf8String], 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    // Closing is asked of the game; a window manager's pings are answered here.
    Atom protocols[] = {atoms[WmDeleteWindow], atoms[NetWmPing]};
    XSetWMProtocols(display, window, protocols, 2);
    const MotifHints motif;
    XChangeProperty(display, window, atoms[MotifWmHints], atoms[MotifWmHints], 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&motif), 5);
    const long pid = static_cast<long>(getpid());
    XChangeProperty(display, window, atoms[NetWmPid], XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    return window;
}

bool X11Platform::awaitNews(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kWindowManagerAnswerTime;
    while (isUsable()) {
        readNews(true);
        if (done()) {
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd news{ConnectionNumber(display), POLLIN, 0};
        poll(&news, 1, static_cast<int>(left.count()));
    }
    return false;
}

sf::IntRect X11Platform::frameArea() const {
    // The window manager's frame is the window's ancestor just below the root.
    Window frame = watched;
    for (;;) {
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, frame, &root, &parent, &children, &count) == 0) {
            return sf::IntRect();
        }
        XFree(children);
        if (parent == root || parent == None) {
            break;
        }
        frame = parent;
    }
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, frame, &attributes) == 0) {
        return sf::IntRect();
    }
    const int border = attributes.border_width;
    return sf::IntRect(attributes.x, attributes.y, attributes.width + 2 * border,
                       attributes.height + 2 * border);
}

void X11Platform::place(const WindowPlacement& placement, const FrameMargins& frame,
                        OpenedWindow& opened) {
    opened.scale = placement.scale;
    opened.area =
        sf::IntRect(placement.frame_corner + sf::Vector2i(frame.left, frame.top), placement.size);
    setSizeLimits(watched, opened.area, true);
    XMoveResizeWindow(display, watched, opened.area.left, opened.area.top,
                      static_cast<unsigned>(opened.area.width),
                      static_cast<unsigned>(opened.area.height));
}

void X11Platform::refitFramedWindow(const WindowRequest& request, OpenedWindow& opened) {
    if (!hasWindowManager() || !awaitNews([this] { return mapped; })) {
        return;
    }
    const sf::IntRect outer = frameArea();
    const sf::IntRect work = workArea();
    sf::IntRect inside;
    if (outer.width <= 0 || (work.intersects(outer, inside) && inside == outer)) {
        return;
    }
    Window child = None;
    int x = 0;
    int y = 0;
    XTranslateCoordinates(display, watched, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    const sf::Vector2u size = opened.window->getSize();
    const FrameMargins frame{x - outer.left, y - outer.top,
                             outer.left + outer.width - x - static_cast<int>(size.x),
                             outer.top + outer.height - y - static_cast<int>(size.y)};
    const WindowPlacement placement = placeWindow(work, frame, request.picture_size, opened.scale);
    place(placement, frame, opened);
    XFlush(display);
}

FrameMargins X11Platform::askFrameMargins() {
    const Window root = DefaultRootWindow(display);
    const std::vector<unsigned long> supported =
        readProperty(display, root, atoms[NetSupported], XA_ATOM, 1024);
    if (!hasWindowManager() || std::find(supported.begin(), supported.end(),
                                         atoms[NetRequestFrameExtents]) == supported.end()) {
        return FrameMargins();
    }
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = watched;
    request.xclient.message_type = atoms[NetRequestFrameExtents];
    request.xclient.format = 32;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    std::vector<unsigned long> extents;
    awaitNews([&] {
        extents = readProperty(display, watched, atoms[NetFrameExtents], XA_CARDINAL, 4);
        return extents.size() >= 4;
    });
    if (extents.size() < 4) {
        return FrameMargins();
    }
    return FrameMargins{static_cast<int>(extents[0]), static_cast<int>(extents[2]),
                        static_cast<int>(extents[1]), static_cast<int>(extents[3])};
}

OpenedWindow X11Platform::openWindow(const WindowRequest& request) {
    OpenedWindow opened;
    if (!missingSupport().empty()) {
        return opened;
    }
    const unsigned long errors_before = engine_errors;
    watched = makeWindow(request.title);
    const FrameMargins frame = askFrameMargins();
    place(placeWindow(workArea(), frame, request.picture_size, request.scale), frame, opened);
    // The window library reaches the window through a connection of its own.
    XSync(display, False);
    if (engine_errors != errors_before || !isUsable()) {
        watched = 0;
        return opened;
    }
    // The library chooses the events it reads, then shows the window and
    // gives it the focus, on one connection and in that order: no key
    // pressed on the shown window is lost.
    opened.window = std::make_unique<sf::RenderWindow>(watched, sf::ContextSettings());
    if (!opened.window->isOpen()) {
        opened.window.reset();
        return opened;
    }
    // A window manager that does not tell its frame beforehand (i3) may leave
    // part of the framed window off the screen.
    refitFramedWindow(request, opened);
    return opened;
}

bool X11Platform::takeCloseRequest() {
    return takeNews(close_requested, true);
}

bool X11Platform::takePictureLoss() {
    return takeNews(picture_lost, true);
}

bool X11Platform::isWindowLost() const {
    return watched != 0 && (destroyed || engine_connection_broken);
}

bool X11Platform::takeNews(bool& flag, bool read_connection) {
    readNews(read_connection);
    return std::exchange(flag, false);
}

void X11Platform::readNews(bool read_connection) {
    if (!isUsable() || watched == 0) {
        return;
    }
    // Counting the queue reads the connection at most once; taking the
    // counted events then reads nothing more.
    for (int queued = XEventsQueued(display, read_connection ? QueuedAfterFlush : QueuedAlready);
         queued > 0 && isUsable(); --queued) {
        XEvent event;
        XNextEvent(display, &event);
        takeEvent(event);
    }
    const bool refused =
        engine_errors > 0 && last_engine_error.resourceid == watched &&
        (last_engine_error.error_code == BadWindow || last_engine_error.error_code == BadDrawable);
    destroyed = destroyed || refused;
}

void X11Platform::takeEvent(XEvent& event) {
    if (event.type == MappingNotify) {
        // wasKeyDown finds key codes through the keyboard's mapping.
        XRefreshKeyboardMapping(&event.xmapping);
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
            mapped = !unmapped;
            picture_lost = true;
            break;
        case DestroyNotify:
            destroyed = true;
            break;
        case VisibilityNotify:
            covered = event.xvisibility.state == VisibilityFullyObscured;
            picture_lost = true;
            break;
        case PropertyNotify:
            if (event.xproperty.atom == atoms[NetWmState]) {
                minimised = hasHiddenState();
                picture_lost = true;
            }
            break;
        case ClientMessage:
            if (event.xclient.message_type != atoms[WmProtocols]) {
                break;
            }
            if (static_cast<Atom>(event.xclient.data.l[0]) == atoms[WmDeleteWindow]) {
                close_requested = true;
            } else if (static_cast<Atom>(event.xclient.data.l[0]) == atoms[NetWmPing]) {
                // A window manager that hears nothing back marks the game as
                // not responding and offers to end it.
                const Window root = DefaultRootWindow(display);
                event.xclient.window = root;
                XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask,
                           &event);
                XFlush(display);
            }
            break;
        default:
            break;
    }
}

bool X11Platform::hasFocus() {
    // The events read with the last answer of the server, such as a sample's,
    // are as new as any.
    readNews(false);
    if (!isUsable() || watched == 0) {
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

bool X11Platform::takeFocusMove() {
    return takeNews(focus_moved, false);
}

bool X11Platform::sampleDevices() {
    keys_down.fill(0);
    buttons_down = 0;
    if (!isUsable()) {
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

bool X11Platform::wasKeyDown(Key key) const {
    const KeyName* name = findKeyName(key);
    const KeyCode code =
        name == nullptr || !isUsable() ? 0 : XKeysymToKeycode(display, name->x_symbol);
    if (code == 0) {
        return false;
    }
    const auto bits = static_cast<unsigned char>(keys_down[code / 8]);
    return (bits & (1u << (code % 8))) != 0;
}

bool X11Platform::wasButtonDown(MouseButton button) const {
    switch (button) {
        case MouseButton::Left:
            return (buttons_down & Button1Mask) != 0;
        case MouseButton::Middle:
            return (buttons_down & Button2Mask) != 0;
        case MouseButton::Right:
            return (buttons_down & Button3Mask) != 0;
        default:
            return false;
    }
}

bool X11Platform::hasHiddenState() const {
    const std::vector<unsigned long> states =
        readProperty(display, watched, atoms[NetWmState], XA_ATOM, 64);
    return std::find(states.begin(), states.end(), atoms[NetWmStateHidden]) != states.end();
}

bool X11Platform::hasWindowManager() const {
    return readProperty(display, DefaultRootWindow(display), atoms[NetSupportingWmCheck], XA_WINDOW,
                        1)
               .size() == 1;
}

void X11Platform::setFullscreen(sf::RenderWindow& window, bool on, const sf::IntRect& area) {
    if (!isUsable()) {
        return;
    }
    const Window handle = window.getSystemHandle();
    const sf::IntRect monitor = monitorArea();
    setSizeLimits(handle, on ? monitor : area, !on);
    if (hasWindowManager()) {
        XEvent request{};
        request.xclient.type = ClientMessage;
        request.xclient.window = handle;
        request.xclient.message_type = atoms[NetWmState];
        request.xclient.format = 32;
        request.xclient.data.l[0] = on ? kStateAdd : kStateRemove;
        request.xclient.data.l[1] = static_cast<long>(atoms[NetWmStateFullscreen]);
        request.xclient.data.l[3] = kSourceApplication;
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &request);
    } else {
        const sf::IntRect& target = on ? monitor : area;
        XMoveResizeWindow(display, handle, target.left, target.top,
                          static_cast<unsigned>(target.width),
                          static_cast<unsigned>(target.height));
    }
    XFlush(display);
}

namespace {

using CopySubBuffer = void (*)(Display*, GLXDrawable, int, int, int, int);

// Whether the space-separated list names the extension, whole.
bool listsExtension(const char* list, const char* name) {
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(list, name); at != nullptr; at = std::strstr(at + 1, name)) {
        const bool starts = at == list || at[-1] == ' ';
        const bool ends = at[length] == ' ' || at[length] == '\0';
        if (starts && ends) {
            return true;
        }
    }
    return false;
}

CopySubBuffer findCopySubBuffer(Display* display) {
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (extensions == nullptr || !listsExtension(extensions, "GLX_MESA_copy_sub_buffer")) {
        return nullptr;
    }
    return reinterpret_cast<CopySubBuffer>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA")));
}

}  // namespace

bool X11Platform::presentKeepingBackBuffer(sf::RenderWindow& window) {
    if (!window.setActive(true)) {
        return false;
    }
    Display* gl_display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (gl_display == nullptr || drawable == None) {
        return false;
    }
    // The window library draws every window through one X connection.
    static const CopySubBuffer copy_sub_buffer = findCopySubBuffer(gl_display);
    if (copy_sub_buffer == nullptr) {
        return false;
    }
    const sf::Vector2u size = window.getSize();
    copy_sub_buffer(gl_display, drawable, 0, 0, static_cast<int>(size.x), static_cast<int>(size.y));
    return true;
}

std::unique_ptr<Platform> makePlatform() {
    return std::make_unique<X11Platform>();
}

}  // namespace vl
