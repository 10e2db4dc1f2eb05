#include "support/PixelChecks.h"

#include <cmath>
#include <memory>
#include <sstream>

#include "support/DisplayFixture.h"
#include "support/TestFolder.h"

// X last: its macros clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// Glyph strokes never reach this close to the cell's sides or its top: bold
// glyphs are 15 pixels wide on 12-pixel cells and overhang to the right.
constexpr int kInkInsetLeft = 4;
constexpr int kInkInsetRight = 3;
constexpr int kInkTop = 8;
constexpr int kInkBottom = 31;
constexpr int kMinimumStroke = 4;

sf::IntRect clipToImage(const sf::Image& image, sf::IntRect area) {
    sf::IntRect clipped;
    const sf::IntRect whole(0, 0, static_cast<int>(image.getSize().x),
                            static_cast<int>(image.getSize().y));
    whole.intersects(area, clipped);
    return clipped;
}

// The part of a cell (in view cells) that only its own glyph inks: inside its
// black background, clear of the neighbours' overhanging bold strokes.
sf::IntRect cellInkArea(vl::Vector cell) {
    const vl::Vector pixel = vl::cellsToPixels(cell);
    const int left = static_cast<int>(std::floor(pixel.x)) + kInkInsetLeft;
    const int right = static_cast<int>(std::ceil(pixel.x + vl::cellWidth())) - kInkInsetRight;
    const int top = static_cast<int>(std::floor(pixel.y)) + kInkTop;
    return sf::IntRect(left, top, right - left, kInkBottom - kInkTop);
}

int countPixels(const sf::Image& image, sf::IntRect area, sf::Color color) {
    const sf::IntRect clipped = clipToImage(image, area);
    int count = 0;
    for (int y = clipped.top; y < clipped.top + clipped.height; ++y) {
        for (int x = clipped.left; x < clipped.left + clipped.width; ++x) {
            if (image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) == color) {
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

int countLitPixels(const sf::Image& image, sf::IntRect area) {
    const sf::IntRect clipped = clipToImage(image, area);
    return clipped.width * clipped.height - countPixels(image, clipped, sf::Color::Black);
}

bool cellHasInk(const sf::Image& image, vl::Vector cell, sf::Color color) {
    return countPixels(image, cellInkArea(cell), color) >= kMinimumStroke;
}

PixelDifference comparePixels(const sf::Image& a, const sf::Image& b) {
    PixelDifference difference;
    if (a.getSize() != b.getSize()) {
        difference.count = 1;
        difference.first = "the sizes differ";
        return difference;
    }
    for (unsigned y = 0; y < a.getSize().y; ++y) {
        for (unsigned x = 0; x < a.getSize().x; ++x) {
            const sf::Color pa = a.getPixel(x, y);
            const sf::Color pb = b.getPixel(x, y);
            if (pa == pb) {
                continue;
            }
            if (difference.count++ == 0) {
                std::ostringstream where;
                where << "(" << x << ", " << y << "): " << int(pa.r) << "," << int(pa.g) << ","
                      << int(pa.b) << "," << int(pa.a) << " against " << int(pb.r) << ","
                      << int(pb.g) << "," << int(pb.b) << "," << int(pb.a);
                difference.first = where.str();
            }
        }
    }
    return difference;
}

void savePicture(const sf::Image& image, const std::string& name) {
    const std::string path = testFolder() + "/" + name;
    image.saveToFile(path);
    ::testing::Test::RecordProperty(name, path);
}

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

sf::Image readShownPixels(unsigned long window, sf::IntRect area) {
    sf::Image image;
    const DisplayHandle display(XOpenDisplay(nullptr));
    if (!display) {
        return image;
    }
    const auto handle = static_cast<::Window>(window);
    // Reading a window that is not mapped yet, or no longer, is an X error,
    // which would end the test program.
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display.get(), handle, &attributes) == 0 ||
        attributes.map_state != IsViewable) {
        return image;
    }
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
