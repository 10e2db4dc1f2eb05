#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include <vl/display/DesktopConnection.h>

// After the test library, whose names Xlib's macros would replace.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// What window managers and other programs do to a window, done here on a
// connection of the test's own, one step after another; the window's own
// connection must read from each that its picture may be spoilt, and whether
// it can be seen at all.
TEST(DesktopConnectionTest, ReadsWhatHidesTheWindowAndWhatMaySpoilItsPicture) {
    const std::unique_ptr<Display, decltype(&XCloseDisplay)> x(XOpenDisplay(nullptr),
                                                               XCloseDisplay);
    ASSERT_NE(x, nullptr) << "no X display: run under xvfb-run";
    const int screen = DefaultScreen(x.get());
    // In the corner that the centred windows of other test programs leave free.
    const sf::IntRect area(DisplayWidth(x.get(), screen) - 110,
                           DisplayHeight(x.get(), screen) - 110, 100, 100);
    vl::DesktopConnection desktop;
    const ::Window window = desktop.makeWindow(area, "watched", "vl-tests");
    ASSERT_NE(window, 0u);
    XMapWindow(x.get(), window);
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
        {"made", [] {}, false},
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
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!(lost && desktop.isHidden() == is_hidden) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            lost = desktop.takePictureLoss() || lost;
        }
        EXPECT_TRUE(lost);
        EXPECT_EQ(desktop.isHidden(), is_hidden);
    }
    XDestroyWindow(x.get(), cover);
}

}  // namespace
