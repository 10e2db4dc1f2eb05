#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "PerCellRenderer.h"
#include "support/DisplayFixture.h"
#include "support/DisplayScreen.h"
#include "support/PixelChecks.h"

namespace {

const sf::IntRect kWholeWindow(0, 0, vl::kWindowHorizontalPixels, vl::kWindowVerticalPixels);
const vl::Color kNoColor = static_cast<vl::Color>(8);

// The window of this process, if an earlier test in it has not opened one.
bool windowAlreadyOpen() {
    return vl::DisplayManager::getInstance().getWindow() != nullptr;
}

// True when every lit pixel of area is a shade of color: the same channels
// lit, none brighter than color's.
bool onlyShadesOf(const sf::Image& image, sf::IntRect area, sf::Color color) {
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            const sf::Color p = image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y));
            if (p.r > color.r || p.g > color.g || p.b > color.b) {
                return false;
            }
        }
    }
    return true;
}

// The smallest rectangle holding every lit pixel of area.
sf::IntRect litBounds(const sf::Image& image, sf::IntRect area) {
    int left = area.left + area.width;
    int top = area.top + area.height;
    int right = area.left - 1;
    int bottom = area.top - 1;
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            if (image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)) !=
                sf::Color::Black) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return sf::IntRect(left, top, right - left + 1, bottom - top + 1);
}

TEST(DisplayCellsTest, SizesAndConversions) {
    const vl::DisplayManager& display = vl::DisplayManager::getInstance();
    EXPECT_EQ(display.getHorizontalPixels(), 1024);
    EXPECT_EQ(display.getVerticalPixels(), 768);
    EXPECT_EQ(display.getHorizontalCells(), 82);
    EXPECT_EQ(display.getVerticalCells(), 24);
    EXPECT_EQ(vl::cellWidth(), 12.0f);
    EXPECT_EQ(vl::cellHeight(), 32.0f);
    EXPECT_EQ(vl::cellsToPixels(vl::Vector(0, 0)), vl::Vector(0, 0));
    EXPECT_EQ(vl::cellsToPixels(vl::Vector(81, 23)), vl::Vector(972, 736));
    EXPECT_EQ(vl::cellsToPixels(vl::Vector(10.5f, 3.25f)), vl::Vector(126, 104));
    EXPECT_EQ(vl::pixelsToCells(vl::Vector(126, 104)), vl::Vector(10.5f, 3.25f));
    EXPECT_EQ(vl::pixelsToCells(vl::Vector(1, 1)), vl::Vector(1.0f / 12, 1.0f / 32));
    EXPECT_EQ(vl::pixelsToCells(vl::Vector(1023, 767)), vl::Vector(1023.0f / 12, 767.0f / 32));
    EXPECT_EQ(vl::pixelsToCells(vl::Vector(-6, -16)), vl::Vector(-0.5f, -0.5f));
}

// Needs a process whose display was never started, as ctest runs each test.
TEST(DisplayStartUpTest, NothingIsDrawnBeforeStartUpAndWhiteIsTheFirstColour) {
    if (windowAlreadyOpen()) {
        GTEST_SKIP() << "an earlier test in this process started the display";
    }
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    EXPECT_EQ(display.drawCell(vl::Vector(1, 1), '#', vl::Red), -1);
    EXPECT_EQ(display.drawText(vl::Vector(5, 5), "abc", vl::Red), 0);
    EXPECT_EQ(display.captureFrame().getSize(), sf::Vector2u(0, 0));
    display.presentFrame();
    EXPECT_FALSE(display.isStarted());

    ASSERT_TRUE(enterRunFolder());
    const int started = display.startUp();
    if (display.getWindow() == nullptr) {
        EXPECT_EQ(started, -1);
        GTEST_SKIP() << "no X display can be opened; run under xvfb-run";
    }
    EXPECT_EQ(started, 0);
    sf::RenderWindow* window = display.getWindow();
    EXPECT_EQ(display.startUp(), 0);
    EXPECT_EQ(display.getWindow(), window);
    EXPECT_TRUE(display.isStarted());

    // A colour outside the eight keeps the last one used: white before any.
    display.drawCell(vl::Vector(5, 5), '#', kNoColor);
    display.drawCell(vl::Vector(8, 5), '#', vl::Red);
    display.drawCell(vl::Vector(11, 5), '#', static_cast<vl::Color>(-1));
    display.drawCell(vl::Vector(14, 5), '#', kNoColor);
    const sf::Image image = display.captureFrame();
    EXPECT_TRUE(cellHasInk(image, vl::Vector(5, 5), sf::Color::White));
    EXPECT_TRUE(cellHasInk(image, vl::Vector(8, 5), sf::Color::Red));
    EXPECT_TRUE(cellHasInk(image, vl::Vector(11, 5), sf::Color::Red));
    EXPECT_TRUE(cellHasInk(image, vl::Vector(14, 5), sf::Color::Red));
    display.presentFrame();
}

// Needs a process whose display was never started, as ctest runs each test.
TEST(DisplayStartUpTest, MissingFontKeepsTheWindowAndDrawsAsTextWould) {
    if (windowAlreadyOpen()) {
        GTEST_SKIP() << "an earlier test in this process started the display";
    }
    const std::filesystem::path empty_folder =
        std::filesystem::temp_directory_path() / ("vl-no-font-" + std::to_string(getpid()));
    std::filesystem::create_directories(empty_folder);
    ASSERT_EQ(chdir(empty_folder.c_str()), 0);
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    EXPECT_EQ(display.startUp(), -1);
    if (display.getWindow() == nullptr) {
        std::filesystem::remove_all(empty_folder);
        GTEST_SKIP() << "no X display can be opened; run under xvfb-run";
    }
    EXPECT_FALSE(display.isStarted());
    EXPECT_EQ(display.startUp(), 0);
    EXPECT_FALSE(display.isStarted());

    // Without glyphs the cells still draw their backgrounds, and whatever the
    // empty glyph gives, as sf::Text gives it.
    PerCellRenderer reference(*display.getWindow());
    EXPECT_FALSE(reference.loaded());
    EXPECT_EQ(display.drawCell(vl::Vector(3, 3), '#', vl::Green), 0);
    EXPECT_EQ(display.drawText(vl::Vector(10, 6), "text", vl::Red), 0);
    const sf::Image drawn = display.captureFrame();
    display.presentFrame();
    reference.drawCell(vl::Vector(3, 3), '#', vl::Green);
    for (int i = 0; i < 4; ++i) {
        reference.drawCell(vl::Vector(8.0f + i, 6), "text"[i], vl::Red);
    }
    const sf::Image expected = reference.capture();
    reference.clear();
    const PixelDifference difference = comparePixels(drawn, expected);
    EXPECT_EQ(difference.count, 0) << "first at " << difference.first;
    std::filesystem::remove_all(empty_folder);
}

class DisplayManagerTest : public DisplayFixture {
  protected:
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
};

TEST_F(DisplayManagerTest, EachColourLandsInItsCell) {
    const sf::Color colors[] = {sf::Color::Black,  sf::Color::Red,  sf::Color::Green,
                                sf::Color::Yellow, sf::Color::Blue, sf::Color::Magenta,
                                sf::Color::Cyan,   sf::Color::White};
    // A white glyph under the black one shows that black hides it.
    display.drawCell(vl::Vector(4, 10), '#', vl::White);
    for (int i = 0; i < 8; ++i) {
        display.drawCell(vl::Vector(4.0f + 6 * i, 10), '#', static_cast<vl::Color>(i));
    }
    const sf::Image image = display.captureFrame();
    savePicture(image, "display-colours.png");
    EXPECT_TRUE(cellIsBlank(image, vl::Vector(4, 10)));
    for (int i = 1; i < 8; ++i) {
        SCOPED_TRACE(i);
        const vl::Vector cell(4.0f + 6 * i, 10);
        const int px = 12 * (4 + 6 * i);
        const int py = 32 * 10;
        EXPECT_TRUE(cellHasInk(image, cell, colors[i]));
        // The bold '#' (14 x 18 pixels, 1 right of the cell's side and 18
        // above the baseline 24 pixels down) with a pixel of smoothing around
        // it: it overhangs the 12-pixel cell on the right only.
        const sf::IntRect around(px - 12, py - 32, 36, 96);
        EXPECT_EQ(litBounds(image, around), sf::IntRect(px, py + 5, 16, 20));
        EXPECT_TRUE(onlyShadesOf(image, around, colors[i]));
    }
    EXPECT_EQ(countLitPixels(image, kWholeWindow),
              countLitPixels(image, sf::IntRect(12 * 3, 32 * 9, 12 * 46, 32 * 3)));
}

TEST_F(DisplayManagerTest, CellPositionsFollowTheViewAndAreNotSnapped) {
    display.drawCell(vl::Vector(0, 0), 'M', vl::Green);
    display.drawCell(vl::Vector(81, 23), 'M', vl::Green);
    display.drawCell(vl::Vector(10.5f, 3.25f), 'M', vl::Green);
    const sf::Image image = display.captureFrame();
    display.presentFrame();
    // The bold 'M' covers 13 x 18 pixels from 1 right of and 6 below the
    // cell's corner, and its smoothing one pixel more all round.
    EXPECT_EQ(litBounds(image, sf::IntRect(0, 0, 40, 50)), sf::IntRect(0, 5, 15, 20));
    EXPECT_EQ(litBounds(image, sf::IntRect(950, 700, 74, 68)), sf::IntRect(972, 741, 15, 20));
    EXPECT_EQ(litBounds(image, sf::IntRect(110, 90, 40, 50)), sf::IntRect(126, 109, 15, 20));

    vl::WorldManager::getInstance().setView(vl::Box(vl::Vector(5, 2), 82, 24));
    display.drawCell(vl::Vector(5, 2), 'M', vl::Green);
    const sf::Image shifted = display.captureFrame();
    EXPECT_EQ(litBounds(shifted, kWholeWindow), sf::IntRect(0, 5, 15, 20));
}

TEST_F(DisplayManagerTest, SpaceCoversItsCellBackground) {
    // Every column of this row is inked, then one cell is blanked by a space.
    for (int x = 0; x < 20; ++x) {
        display.drawCell(vl::Vector(static_cast<float>(x), 5), '#', vl::Red);
    }
    display.drawCell(vl::Vector(10, 5), ' ', vl::Red);
    const sf::Image image = display.captureFrame();
    savePicture(image, "display-space.png");
    // The background is 12 x 32 pixels from (px - 1.2, py + 6.4): it blanks
    // pixel columns 119 to 130 and rows 166 to 197, whatever was under them.
    EXPECT_EQ(countLitPixels(image, sf::IntRect(119, 166, 12, 32)), 0);
    EXPECT_GT(countLitPixels(image, sf::IntRect(131, 166, 4, 32)), 0);
    EXPECT_GT(countLitPixels(image, sf::IntRect(115, 166, 4, 32)), 0);
    EXPECT_TRUE(cellHasInk(image, vl::Vector(9, 5), sf::Color::Red));
    EXPECT_TRUE(cellHasInk(image, vl::Vector(11, 5), sf::Color::Red));
}

TEST_F(DisplayManagerTest, PresentClearsTheNextFrame) {
    display.drawText(vl::Vector(40, 12), "frame", vl::Cyan);
    const sf::Image drawn = display.captureFrame();
    EXPECT_GT(countLitPixels(drawn, kWholeWindow), 0);
    EXPECT_EQ(comparePixels(display.captureFrame(), drawn).count, 0);
    display.presentFrame();
    EXPECT_EQ(countLitPixels(display.captureFrame(), kWholeWindow), 0);
    display.drawText(vl::Vector(40, 12), "", vl::Cyan);
    EXPECT_EQ(countLitPixels(display.captureFrame(), kWholeWindow), 0);
}

// Another test's window may lie over this one: the window is moved to the
// screen's bottom-right corner, which the centred windows of other tests
// leave uncovered, and only that corner is read back.
TEST_F(DisplayManagerTest, PresentShowsTheFrame) {
    const sf::Vector2u screen = screenSize();
    const int free_width = static_cast<int>(screen.x) - (static_cast<int>(screen.x) + 1024) / 2;
    const int free_height = static_cast<int>(screen.y) - (static_cast<int>(screen.y) + 768) / 2;
    if (free_width < 96 || free_height < 96) {
        GTEST_SKIP() << "the screen has no corner that other windows leave free";
    }
    sf::RenderWindow& window = *display.getWindow();
    window.setPosition(
        sf::Vector2i(static_cast<int>(screen.x) - 1024, static_cast<int>(screen.y) - 768));
    const sf::IntRect corner(1024 - free_width, 768 - free_height, free_width, free_height);
    const auto shown_matches = [&](const sf::Image& expected) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const sf::Image shown = readShownPixels(window, corner);
            if (shown.getSize().x > 0 && comparePixels(shown, expected).count == 0) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    };
    for (int y = 18; y < 24; ++y) {
        for (int x = 70; x < 82; ++x) {
            display.drawCell(vl::Vector(static_cast<float>(x), static_cast<float>(y)),
                             static_cast<char>('A' + x + y), static_cast<vl::Color>(1 + x % 7));
        }
    }
    sf::Image frame;
    frame.create(static_cast<unsigned>(corner.width), static_cast<unsigned>(corner.height));
    frame.copy(display.captureFrame(), 0, 0, corner);
    ASSERT_GT(countLitPixels(frame, sf::IntRect(0, 0, corner.width, corner.height)), 0);
    display.presentFrame();
    EXPECT_TRUE(shown_matches(frame));

    display.presentFrame();
    sf::Image black;
    black.create(static_cast<unsigned>(corner.width), static_cast<unsigned>(corner.height),
                 sf::Color::Black);
    EXPECT_TRUE(shown_matches(black));
}

}  // namespace
