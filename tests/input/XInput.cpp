#include "XInput.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <thread>

namespace xinput {

namespace {

// An X server resets when its last client leaves and turns new connections
// away while it does; the attempt is made again.
constexpr int kAttempts = 20;
constexpr auto kRetryPause = std::chrono::milliseconds(20);

// One connection for the whole test program.
Display* connection() {
    static Display* display = [] {
        Display* opened = nullptr;
        for (int attempt = 0; attempt < kAttempts && opened == nullptr; ++attempt) {
            opened = XOpenDisplay(nullptr);
            if (opened == nullptr) {
                std::this_thread::sleep_for(kRetryPause);
            }
        }
        return opened;
    }();
    return display;
}

}  // namespace

bool connect() {
    return connection() != nullptr;
}

bool available() {
    return std::system("xdotool version >/dev/null 2>&1") == 0;
}

bool run(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (std::system(command.c_str()) == 0) {
            return true;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
    return false;
}

bool focus(unsigned long window) {
    const std::string id = std::to_string(window);
    return run("mousemove --window " + id + " 512 384 windowfocus --sync " + id);
}

void releaseAll() {
    run("keyup --delay 0 w a s d Left Alt_L 1 0 p F12 mouseup 1 mouseup 2 mouseup 3");
}

QuickKeyRepeat::QuickKeyRepeat() {
    Display* display = connection();
    saved = display != nullptr && XkbGetAutoRepeatRate(display, XkbUseCoreKbd, &delay, &interval);
    if (saved) {
        XkbSetAutoRepeatRate(display, XkbUseCoreKbd, 100, 20);
        XSync(display, False);
    }
}

QuickKeyRepeat::~QuickKeyRepeat() {
    if (saved) {
        XkbSetAutoRepeatRate(connection(), XkbUseCoreKbd, delay, interval);
        XSync(connection(), False);
    }
}

bool requestClose(unsigned long window) {
    Display* display = connection();
    if (display == nullptr) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return sent != 0;
}

}  // namespace xinput
