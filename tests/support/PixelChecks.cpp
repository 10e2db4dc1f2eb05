#include "support/PixelChecks.h"

#include <cmath>
#include <sstream>

#include "support/DisplayFixture.h"
#include "support/TestFolder.h"

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

}  // namespace

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

int countLitPixels(const sf::Image& image, sf::IntRect area) {
    const sf::IntRect clipped = clipToImage(image, area);
    return clipped.width * clipped.height - countPixels(image, clipped, sf::Color::Black);
}

bool cellHasInk(const sf::Image& image, vl::Vector cell, sf::Color color) {
    return countPixels(image, cellInkArea(cell), color) >= kMinimumStroke;
}

bool cellIsBlank(const sf::Image& image, vl::Vector cell) {
    return countLitPixels(image, cellInkArea(cell)) == 0;
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
