#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <thread>
#include <vector>

#include "support/DisplayFixture.h"
#include "support/PixelChecks.h"
#include "support/TestFolder.h"

// After the test library, whose names Xlib's macros would replace.
#include <X11/Xlib.h>

namespace {

const sf::IntRect kWholeWindow(0, 0, vl::kWindowHorizontalPixels, vl::kWindowVerticalPixels);
const vl::Color kNoColor = static_cast<vl::Color>(8);

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

// Runs body in a new process of this test program, where no display has been
// started yet; the test fails, showing why, if any check in it fails.
void inFreshProcess(const std::function<void()>& body) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            body();
            const testing::TestResult* result =
                testing::UnitTest::GetInstance()->current_test_info()->result();
            for (int i = 0; i < result->total_part_count(); ++i) {
                std::cerr << result->GetTestPartResult(i).file_name() << ":"
                          << result->GetTestPartResult(i).line_number() << ": "
                          << result->GetTestPartResult(i).message() << "\n";
            }
            std::exit(result->Failed() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
}

// The game's start-up opens the window and fits the world and its view to
// the display's cells. Before it, nothing is drawn.
TEST(DisplayStartUpTest, GameStartUpOpensTheWindowAndFitsTheWorldToIt) {
    inFreshProcess([] {
        vl::DisplayManager& display = vl::DisplayManager::getInstance();
        EXPECT_EQ(display.drawCell(vl::Vector(1, 1), '#', vl::Red), -1);
        EXPECT_EQ(display.captureFrame().getSize(), sf::Vector2u(0, 0));
        display.presentFrame();
        EXPECT_FALSE(display.isStarted());

        ASSERT_TRUE(enterRunFolder());
        vl::GameManager& game = vl::GameManager::getInstance();
        ASSERT_EQ(game.startUp(), 0) << "no window: run under xvfb-run";
        sf::RenderWindow* window = display.getWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->getSize(), sf::Vector2u(1024, 768));
        EXPECT_EQ(display.startUp(), 0);
        EXPECT_EQ(display.getWindow(), window);
        const vl::WorldManager& world = vl::WorldManager::getInstance();
        for (const vl::Box& box : {world.getWorldBounds(), world.getView()}) {
            EXPECT_EQ(box.corner, vl::Vector(0, 0));
            EXPECT_EQ(box.horizontal, 82);
            EXPECT_EQ(box.vertical, 24);
        }

        // A colour outside the eight keeps the last one used: white before any.
        display.drawCell(vl::Vector(5, 5), '#', kNoColor);
        display.drawCell(vl::Vector(8, 5), '#', vl::Red);
        display.drawCell(vl::Vector(11, 5), '#', static_cast<vl::Color>(-1));
        const sf::Image image = display.captureFrame();
        EXPECT_TRUE(cellHasInk(image, vl::Vector(5, 5), sf::Color::White));
        EXPECT_TRUE(cellHasInk(image, vl::Vector(8, 5), sf::Color::Red));
        EXPECT_TRUE(cellHasInk(image, vl::Vector(11, 5), sf::Color::Red));
        game.shutDown();
    });
}

TEST(DisplayStartUpTest, MissingFontKeepsTheWindowAndDrawsWithoutGlyphs) {
    inFreshProcess([] {
        ASSERT_EQ(chdir(testFolder().c_str()), 0);
        vl::DisplayManager& display = vl::DisplayManager::getInstance();
        EXPECT_EQ(display.startUp(), -1);
        ASSERT_NE(display.getWindow(), nullptr) << "no window: run under xvfb-run";
        EXPECT_EQ(display.startUp(), 0);
        EXPECT_FALSE(display.isStarted());
        EXPECT_EQ(display.drawCell(vl::Vector(3, 3), '#', vl::Green), 0);
        EXPECT_EQ(display.drawText(vl::Vector(10, 6), "text", vl::Red), 0);
        display.presentFrame();
    });
}

// Fullscreen asked for before start-up opens the window over the monitor, the
// whole screen here. After a switch the next frame is drawn anew, though its
// cells are those shown, before the window system's news of the resize comes.
TEST(DisplayFullscreenTest, OpensFullscreenAndDrawsAnewAfterASwitch) {
    inFreshProcess([] {
        ASSERT_TRUE(enterRunFolder());
        vl::DisplayManager& display = vl::DisplayManager::getInstance();
        display.setFullscreen(true);
        ASSERT_EQ(display.startUp(), 0) << "no window: run under xvfb-run";
        const std::unique_ptr<Display, decltype(&XCloseDisplay)> x(XOpenDisplay(nullptr),
                                                                   XCloseDisplay);
        ASSERT_NE(x, nullptr);
        const ::Window window = display.getWindow()->getSystemHandle();
        const auto place = [&] {
            XWindowAttributes attributes{};
            XGetWindowAttributes(x.get(), window, &attributes);
            ::Window child = 0;
            int left = 0;
            int top = 0;
            XTranslateCoordinates(x.get(), window, attributes.root, 0, 0, &left, &top, &child);
            return sf::IntRect(left, top, attributes.width, attributes.height);
        };
        const sf::Vector2u screen = screenSize();
        const sf::IntRect whole_screen(0, 0, static_cast<int>(screen.x),
                                       static_cast<int>(screen.y));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (place() != whole_screen && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_EQ(place(), whole_screen);

        const auto drawRows = [&] {
            for (int row = 0; row < vl::kWindowVerticalCells; ++row) {
                display.drawText(vl::Vector(41, static_cast<float>(row)), "fullscreen", vl::Red);
            }
        };
        // The start-up's news is read and its redraw frames are spent.
        for (int frame = 0; frame < 3; ++frame) {
            drawRows();
            display.presentFrame();
        }
        // The picture is blackened without notice, and the window keeps its
        // top-left pixels through the resize: only a frame drawn after the
        // switch lights them.
        XSetWindowAttributes attributes{};
        attributes.bit_gravity = NorthWestGravity;
        XChangeWindowAttributes(x.get(), window, CWBitGravity, &attributes);
        const GC gc = XCreateGC(x.get(), window, 0, nullptr);
        XSetForeground(x.get(), gc, BlackPixel(x.get(), DefaultScreen(x.get())));
        XFillRectangle(x.get(), window, gc, 0, 0, screen.x, screen.y);
        XFreeGC(x.get(), gc);
        XSync(x.get(), False);
        drawRows();
        display.setFullscreen(false);
        display.presentFrame();
        int lit = 0;
        const auto shown_by = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (lit == 0 && std::chrono::steady_clock::now() < shown_by) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            lit = countLitPixels(readShownPixels(window, kWholeWindow), kWholeWindow);
        }
        EXPECT_GT(lit, 0) << "the frame after the switch was not drawn";
    });
}

// Takes effect at the next start-up, so no window opens at these scales.
TEST(DisplayScaleTest, ScalesFromOneToTheLargestAreTaken) {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    const struct {
        int scale;
        int result;
        int kept;
    } scales[] = {{vl::kMaxWindowScale, 0, vl::kMaxWindowScale},
                  {vl::kMaxWindowScale + 1, -1, vl::kMaxWindowScale},
                  {2, 0, 2},
                  {0, -1, 2},
                  {1, 0, 1}};
    for (const auto& [scale, result, kept] : scales) {
        EXPECT_EQ(display.setScale(scale), result) << scale;
        EXPECT_EQ(display.getScale(), kept) << scale;
    }
}

class DisplayManagerTest : public DisplayFixture {
  protected:
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
};

sf::IntRect shifted(sf::IntRect rect, int dx, int dy) {
    return sf::IntRect(rect.left + dx, rect.top + dy, rect.width, rect.height);
}

// Whatever the font, a glyph keeps its shape from cell to cell and moves by
// exactly the cells' pixel distance, fractions and the view's corner included.
TEST_F(DisplayManagerTest, GlyphsLandInTheirCells) {
    display.drawCell(vl::Vector(0, 0), 'M', vl::Green);
    display.drawCell(vl::Vector(81, 23), 'M', vl::Green);
    display.drawCell(vl::Vector(10.5f, 3.25f), 'M', vl::Green);
    const sf::Image image = display.captureFrame();
    display.presentFrame();
    savePicture(image, "display-cells.png");
    // Inside the first cell's row, overhanging the 12-pixel cell by a few pixels.
    const sf::IntRect corner = litBounds(image, sf::IntRect(0, 0, 40, 50));
    EXPECT_TRUE(sf::IntRect(0, 0, 8, 32).contains(corner.left, corner.top)) << corner.left;
    EXPECT_LE(corner.left + corner.width, 20);
    EXPECT_EQ(litBounds(image, sf::IntRect(950, 700, 74, 68)), shifted(corner, 972, 736));
    EXPECT_EQ(litBounds(image, sf::IntRect(110, 90, 40, 50)), shifted(corner, 126, 104));

    vl::WorldManager::getInstance().setView(vl::Box(vl::Vector(5.5f, 2), 82, 24));
    display.drawCell(vl::Vector(5.5f, 2), 'M', vl::Green);
    EXPECT_EQ(litBounds(display.captureFrame(), kWholeWindow), corner);
}

// The colours' values are written out here: the pixel reference draws with
// the display's own table and cannot tell two of them swapped.
TEST_F(DisplayManagerTest, EachColourDrawsItsOwnPixels) {
    const struct {
        vl::Color color;
        sf::Color pixel;
    } colours[] = {{vl::Black, sf::Color(0, 0, 0)},    {vl::Red, sf::Color(255, 0, 0)},
                   {vl::Green, sf::Color(0, 255, 0)},  {vl::Yellow, sf::Color(255, 255, 0)},
                   {vl::Blue, sf::Color(0, 0, 255)},   {vl::Magenta, sf::Color(255, 0, 255)},
                   {vl::Cyan, sf::Color(0, 255, 255)}, {vl::White, sf::Color(255, 255, 255)}};
    for (const auto& [color, pixel] : colours) {
        display.drawCell(vl::Vector(4.0f + 8 * color, 10), '#', color);
    }
    const sf::Image image = display.captureFrame();
    display.presentFrame();
    savePicture(image, "display-colours.png");
    for (const auto& [color, pixel] : colours) {
        SCOPED_TRACE(color);
        const sf::IntRect cell((4 + 8 * color) * 12, 10 * 32, 12, 32);
        EXPECT_EQ(countLitPixels(image, cell) > 0, color != vl::Black);
        EXPECT_TRUE(cellHasInk(image, vl::Vector(4.0f + 8 * color, 10), pixel));
    }
}

// Another test's window may lie over this one: the window is moved to the
// screen's bottom-right corner, which the centred windows of other tests
// leave uncovered, and only that corner is read back.
class ShownCornerTest : public DisplayManagerTest {
  protected:
    void SetUp() override {
        DisplayManagerTest::SetUp();
        const sf::Vector2u screen = screenSize();
        const int free_width = static_cast<int>(screen.x) - (static_cast<int>(screen.x) + 1024) / 2;
        const int free_height = static_cast<int>(screen.y) - (static_cast<int>(screen.y) + 768) / 2;
        ASSERT_GE(std::min(free_width, free_height), 96)
            << "the screen has no corner that other windows leave free";
        display.getWindow()->setPosition(
            sf::Vector2i(static_cast<int>(screen.x) - 1024, static_cast<int>(screen.y) - 768));
        corner = sf::IntRect(1024 - free_width, 768 - free_height, free_width, free_height);
    }

    // Draws the cells and presents them, or skips them as the display sees fit.
    void offerCells(const std::vector<vl::CellRecord>& cells) {
        for (const vl::CellRecord& cell : cells) {
            display.drawCell(cell.position, cell.ch, cell.color);
        }
        display.presentFrame();
    }

    // Draws the cells, returns the corner of the frame drawn, and presents.
    sf::Image presentCells(const std::vector<vl::CellRecord>& cells) {
        for (const vl::CellRecord& cell : cells) {
            display.drawCell(cell.position, cell.ch, cell.color);
        }
        sf::Image frame;
        frame.create(static_cast<unsigned>(corner.width), static_cast<unsigned>(corner.height));
        frame.copy(display.captureFrame(), 0, 0, corner);
        display.presentFrame();
        return frame;
    }

    bool shownMatches(const sf::Image& expected) const {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const sf::Image shown = readShownPixels(display.getWindow()->getSystemHandle(), corner);
            if (shown.getSize().x > 0 && comparePixels(shown, expected).count == 0) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    sf::IntRect corner;
};

// Twelve columns and six rows of letters in the colours, filling the corner.
std::vector<vl::CellRecord> cornerCells() {
    std::vector<vl::CellRecord> cells;
    for (int y = 18; y < 24; ++y) {
        for (int x = 70; x < 82; ++x) {
            cells.push_back({vl::Vector(static_cast<float>(x), static_cast<float>(y)),
                             static_cast<char>('A' + x + y), static_cast<vl::Color>(1 + x % 7)});
        }
    }
    return cells;
}

TEST_F(ShownCornerTest, PresentShowsTheFrameAndClearsForTheNext) {
    const sf::Image frame = presentCells(cornerCells());
    ASSERT_GT(countLitPixels(frame, sf::IntRect(0, 0, corner.width, corner.height)), 0);
    EXPECT_TRUE(shownMatches(frame));
    EXPECT_EQ(countLitPixels(display.captureFrame(), kWholeWindow), 0) << "not cleared";

    display.presentFrame();
    sf::Image black;
    black.create(static_cast<unsigned>(corner.width), static_cast<unsigned>(corner.height),
                 sf::Color::Black);
    EXPECT_TRUE(shownMatches(black));
}

// A frame that repeats the picture shown is skipped; the frame that changes
// one cell of it, in any way, is presented at once. Captured frames are always
// presented, so the changed frame is captured one round earlier.
TEST_F(ShownCornerTest, AFrameThatChangesOneCellIsPresented) {
    const std::vector<vl::CellRecord> still = cornerCells();
    const vl::CellRecord last = still.back();
    const struct {
        const char* change;
        std::vector<vl::CellRecord> last_cells;
    } changes[] = {
        {"character", {{last.position, '#', last.color}}},
        {"colour", {{last.position, last.ch, vl::White}}},
        {"position across", {{last.position - vl::Vector(0.5f, 0), last.ch, last.color}}},
        {"position up", {{last.position - vl::Vector(0, 0.5f), last.ch, last.color}}},
        {"one cell fewer", {}},
        {"one cell more", {last, {vl::Vector(76, 21), ' ', vl::Red}}},
    };
    const sf::Image still_picture = presentCells(still);
    for (const auto& [change, last_cells] : changes) {
        SCOPED_TRACE(change);
        std::vector<vl::CellRecord> changed(still.begin(), still.end() - 1);
        changed.insert(changed.end(), last_cells.begin(), last_cells.end());
        const sf::Image changed_picture = presentCells(changed);
        ASSERT_GT(comparePixels(changed_picture, still_picture).count, 0);
        offerCells(still);
        offerCells(still);
        EXPECT_TRUE(shownMatches(still_picture));
        offerCells(changed);
        EXPECT_TRUE(shownMatches(changed_picture));
    }
}

// Some servers drop a still window's pixels without telling it. The display
// shows its picture again within the redraw bound, from the back buffer it
// keeps, however often that happens.
TEST_F(ShownCornerTest, AStillPictureLostWithoutNoticeIsShownAgain) {
    const std::vector<vl::CellRecord> still = cornerCells();
    const sf::Image picture = presentCells(still);
    const std::unique_ptr<Display, decltype(&XCloseDisplay)> x(XOpenDisplay(nullptr),
                                                               XCloseDisplay);
    ASSERT_NE(x, nullptr);
    const ::Window window = display.getWindow()->getSystemHandle();
    const GC gc = XCreateGC(x.get(), window, 0, nullptr);
    XSetForeground(x.get(), gc, BlackPixel(x.get(), DefaultScreen(x.get())));
    for (int loss = 1; loss <= 3; ++loss) {
        SCOPED_TRACE(loss);
        XFillRectangle(x.get(), window, gc, corner.left, corner.top,
                       static_cast<unsigned>(corner.width), static_cast<unsigned>(corner.height));
        XSync(x.get(), False);
        ASSERT_EQ(countLitPixels(readShownPixels(window, corner),
                                 sf::IntRect(0, 0, corner.width, corner.height)),
                  0);
        bool shown_again = false;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!shown_again && std::chrono::steady_clock::now() < deadline) {
            offerCells(still);
            const sf::Image shown = readShownPixels(window, corner);
            shown_again = shown.getSize().x > 0 && comparePixels(shown, picture).count == 0;
        }
        EXPECT_TRUE(shown_again);
    }
    XFreeGC(x.get(), gc);
}

// Exposing a window, as uncovering it does, clears it to its black background
// and tells the window's owner. The display then draws its unchanged picture
// anew for two frames, however the window shows it.
TEST_F(ShownCornerTest, AnExposedPictureIsDrawnAnewForTwoFrames) {
    const std::vector<vl::CellRecord> still = cornerCells();
    const sf::Image picture = presentCells(still);
    ASSERT_TRUE(shownMatches(picture));
    const std::unique_ptr<Display, decltype(&XCloseDisplay)> x(XOpenDisplay(nullptr),
                                                               XCloseDisplay);
    ASSERT_NE(x, nullptr);
    const ::Window window = display.getWindow()->getSystemHandle();
    const auto width = static_cast<unsigned>(corner.width);
    const auto height = static_cast<unsigned>(corner.height);
    XClearArea(x.get(), window, corner.left, corner.top, width, height, True);
    // The server tells the display its news in order: once it has read a close
    // request sent after the exposure, it has read the exposure.
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(x.get(), "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(x.get(), "WM_DELETE_WINDOW", False));
    XSendEvent(x.get(), window, False, NoEventMask, &close);
    XSync(x.get(), False);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!display.takeCloseRequest()) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "no close request came";
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const GC gc = XCreateGC(x.get(), window, 0, nullptr);
    XSetForeground(x.get(), gc, BlackPixel(x.get(), DefaultScreen(x.get())));
    for (int frame = 1; frame <= 2; ++frame) {
        SCOPED_TRACE(frame);
        EXPECT_EQ(countLitPixels(readShownPixels(window, corner),
                                 sf::IntRect(0, 0, corner.width, corner.height)),
                  0);
        offerCells(still);
        EXPECT_TRUE(shownMatches(picture));
        // Lost again without notice: only a frame drawn anew shows it again.
        XFillRectangle(x.get(), window, gc, corner.left, corner.top, width, height);
        XSync(x.get(), False);
    }
    XFreeGC(x.get(), gc);
}

}  // namespace
