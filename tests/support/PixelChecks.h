#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <ostream>
#include <string>

#include <vl/vl.h>

// Pixel rules of the 12 x 32 character cells, for checking window captures.

// Pixels of area that are not black.
int countLitPixels(const sf::Image& image, sf::IntRect area);
// True when the cell's ink area holds a stroke of that exact colour.
bool cellHasInk(const sf::Image& image, vl::Vector cell, sf::Color color);

// How many pixels differ, and where the first one is (empty when none does;
// a size mismatch is a difference too).
struct PixelDifference {
    int count = 0;
    std::string first;
};
PixelDifference comparePixels(const sf::Image& a, const sf::Image& b);

// Writes the image as PNG into the test's own folder (testFolder) and names
// the file in the test's report.
void savePicture(const sf::Image& image, const std::string& name);

// Reads what the X server shows of an area of the window with that X id: the
// presented frame, as opposed to the back buffer that captureFrame reads.
// Where another window covers it the result is that window's pixels. An empty
// image when the window is not mapped or the area is not wholly on the screen.
sf::Image readShownPixels(unsigned long window, sf::IntRect area);
// The screen's size in pixels; (0, 0) without an X display.
sf::Vector2u screenSize();

namespace sf {
// Readable rectangles in test failures.
inline void PrintTo(const IntRect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.width << " x " << rect.height
         << ")";
}
}  // namespace sf
