#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include <vl/platform/x11/X11Platform.h>

// After the test library, whose names Xlib's macros would replace.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

using XConnection = std::unique_ptr<Display, decltype(&XCloseDisplay)>;

XConnection connectToX() {
    return XConnection(XOpenDisplay(nullptr), XCloseDisplay);
}

// Polls until done says so, at most five seconds; whether it did.
bool within5s(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

vl::OpenedWindow openWindow(vl::X11Platform& platform) {
    return platform.openWindow(vl::WindowRequest{sf::Vector2i(100, 100), 1, "watched"});
}

// A window manager's message to the window, as XSendEvent with no event mask
// delivers it: to the client that made the window.
void sendProtocol(Display* x, ::Window window, const char* protocol, long stamp) {
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(x, protocol, False));
    message.xclient.data.l[1] = stamp;
    message.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(x, window, False, NoEventMask, &message);
    XFlush(x);
}

// What window managers and other programs do to a window, done here on a
// connection of the test's own, one step after another; the platform must
// read from each that its picture may be spoilt, and whether it can be seen.
TEST(X11Platform, ReadsWhatHidesTheWindowAndWhatMaySpoilItsPicture) {
    const XConnection x = connectToX();
    ASSERT_NE(x, nullptr) << "no X display: run under xvfb-run";
    const int screen = DefaultScreen(x.get());
    vl::X11Platform platform;
    const vl::OpenedWindow opened = openWindow(platform);
    ASSERT_NE(opened.window, nullptr);
    const ::Window window = opened.window->getSystemHandle();
    // Into the corner that the centred windows of other test programs leave free.
    const sf::IntRect area(DisplayWidth(x.get(), screen) - 110,
                           DisplayHeight(x.get(), screen) - 110, 100, 100);
    XMoveWindow(x.get(), window, area.left, area.top);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = WhitePixel(x.get(), screen);
    const ::Window cover = XCreateWindow(
        x.get(), RootWindow(x.get(), screen), area.left - 10, area.top - 10, 120, 120, 0,
        CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    const Atom state = XInternAtom(x.get(), "_NET_WM_STATE", False);
    const Atom hidden = XInternAtom(x.get(), "_NET_WM_STATE_HIDDEN", False);
    const struct {
        const char* step;
        std::function<void()> act;
        bool hidden;
    } steps[] = {
        {"made and moved", [] {}, false},
        {"wholly covered", [&] { XMapRaised(x.get(), cover); }, true},
        {"uncovered", [&] { XUnmapWindow(x.get(), cover); }, false},
        {"unmapped, as minimised", [&] { XUnmapWindow(x.get(), window); }, true},
        {"mapped again", [&] { XMapWindow(x.get(), window); }, false},
        {"marked hidden, as minimised by a compositing window manager",
         [&] {
             XChangeProperty(x.get(), window, state, XA_ATOM, 32, PropModeReplace,
                             reinterpret_cast<const unsigned char*>(&hidden), 1);
         },
         true},
        {"mark taken away", [&] { XDeleteProperty(x.get(), window, state); }, false},
        {"focused", [&] { XSetInputFocus(x.get(), window, RevertToPointerRoot, CurrentTime); },
         false},
    };
    for (const auto& [step, act, is_hidden] : steps) {
        SCOPED_TRACE(step);
        act();
        XSync(x.get(), False);
        bool lost = false;
        EXPECT_TRUE(within5s([&] {
            lost = platform.takePictureLoss() || lost;
            return lost && platform.isHidden() == is_hidden;
        }));
    }
    XDestroyWindow(x.get(), cover);
}

// A window manager pings a window it asked to close and offers to end a game
// that does not answer; the answer goes to the root window. A window destroyed
// or a connection killed from outside leaves the game running, told so.
TEST(X11Platform, AnswersPingsAndOutlivesItsWindow) {
    const XConnection x = connectToX();
    ASSERT_NE(x, nullptr) << "no X display: run under xvfb-run";
    const ::Window root = DefaultRootWindow(x.get());
    XSelectInput(x.get(), root, SubstructureNotifyMask);
    const struct {
        const char* way;
        std::function<void(::Window)> end;
    } ways[] = {
        {"destroyed", [&](::Window window) { XDestroyWindow(x.get(), window); }},
        {"its client killed", [&](::Window window) { XKillClient(x.get(), window); }},
    };
    for (const auto& [way, end] : ways) {
        SCOPED_TRACE(way);
        vl::X11Platform platform;
        const vl::OpenedWindow opened = openWindow(platform);
        ASSERT_NE(opened.window, nullptr);
        const ::Window window = opened.window->getSystemHandle();
        constexpr long kStamp = 4711;
        sendProtocol(x.get(), window, "_NET_WM_PING", kStamp);
        const Atom ping = XInternAtom(x.get(), "_NET_WM_PING", False);
        EXPECT_TRUE(within5s([&] {
            platform.takePictureLoss();
            XEvent event;
            while (XCheckTypedWindowEvent(x.get(), root, ClientMessage, &event)) {
                if (static_cast<Atom>(event.xclient.data.l[0]) == ping &&
                    event.xclient.data.l[1] == kStamp) {
                    return true;
                }
            }
            return false;
        })) << "no answer to the ping";
        sendProtocol(x.get(), window, "WM_DELETE_WINDOW", CurrentTime);
        EXPECT_TRUE(within5s([&] { return platform.takeCloseRequest(); }));
        EXPECT_FALSE(platform.isWindowLost());
        end(window);
        XSync(x.get(), False);
        EXPECT_TRUE(within5s([&] {
            platform.takePictureLoss();
            platform.sampleDevices();
            return platform.isWindowLost();
        }));
        EXPECT_FALSE(platform.takeCloseRequest());
    }
}

}  // namespace
