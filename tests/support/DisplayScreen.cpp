#include "support/DisplayScreen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

// The channel of an X pixel under one of the visual's masks, as 0 to 255.
sf::Uint8 channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    while ((mask & 1) == 0) {
        mask >>= 1;
        pixel >>= 1;
    }
    return static_cast<sf::Uint8>((pixel & mask) * 255 / mask);
}

}  // namespace

sf::Vector2u screenSize() {
    const DisplayHandle display(XOpenDisplay(nullptr));
    if (!display) {
        return sf::Vector2u(0, 0);
    }
    const int screen = DefaultScreen(display.get());
    return sf::Vector2u(static_cast<unsigned>(DisplayWidth(display.get(), screen)),
                        static_cast<unsigned>(DisplayHeight(display.get(), screen)));
}

sf::Image readShownPixels(const sf::RenderWindow& window, sf::IntRect area) {
    return readShownPixels(static_cast<unsigned long>(window.getSystemHandle()), area);
}

sf::Image readShownPixels(unsigned long window, sf::IntRect area) {
    sf::Image image;
    const DisplayHandle display(XOpenDisplay(nullptr));
    if (!display) {
        return image;
    }
    const auto handle = static_cast<::Window>(window);
    const int screen = DefaultScreen(display.get());
    ::Window child = 0;
    int left = 0;
    int top = 0;
    XTranslateCoordinates(display.get(), handle, RootWindow(display.get(), screen), area.left,
                          area.top, &left, &top, &child);
    if (left < 0 || top < 0 || left + area.width > DisplayWidth(display.get(), screen) ||
        top + area.height > DisplayHeight(display.get(), screen)) {
        return image;
    }
    XImage* shown =
        XGetImage(display.get(), handle, area.left, area.top, static_cast<unsigned>(area.width),
                  static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (shown == nullptr) {
        return image;
    }
    image.create(static_cast<unsigned>(area.width), static_cast<unsigned>(area.height));
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            const unsigned long pixel = XGetPixel(shown, x, y);
            image.setPixel(
                static_cast<unsigned>(x), static_cast<unsigned>(y),
                sf::Color(channel(pixel, shown->red_mask), channel(pixel, shown->green_mask),
                          channel(pixel, shown->blue_mask)));
        }
    }
    XDestroyImage(shown);
    return image;
}
