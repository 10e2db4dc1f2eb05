#include <gtest/gtest.h>

#include <vl/display/DesktopConnection.h>
#include <vl/display/PictureLayout.h>

namespace {

// The 1024 x 768 picture in windows that a window manager, fullscreen or a
// scale may give it: as large as fits, its shape kept, centred between bars.
TEST(PictureLayout, FillsTheWindowAsFarAsItsShapeAllows) {
    struct Case {
        int window_width, window_height;
        float scale;
        int width, height, left, top;
    };
    const Case cases[] = {
        {1024, 768, 1, 1024, 768, 0, 0},
        {2048, 1536, 2, 2048, 1536, 0, 0},
        {1600, 1200, 1.5625f, 1600, 1200, 0, 0},
        {640, 480, 0.625f, 640, 480, 0, 0},
        {1920, 1080, 1.40625f, 1440, 1080, 240, 0},
        {1916, 1036, 1036.0f / 768, 1381, 1036, 267, 0},
        {1024, 2000, 1, 1024, 768, 0, 616},
        {0, -5, 1.0f / 1024, 1, 1, 0, 0},
    };
    for (const Case& c : cases) {
        const vl::PictureLayout layout = vl::fitPicture(c.window_width, c.window_height, 1024, 768);
        SCOPED_TRACE(std::to_string(c.window_width) + " x " + std::to_string(c.window_height));
        EXPECT_FLOAT_EQ(layout.scale, c.scale);
        EXPECT_EQ(layout.width, c.width);
        EXPECT_EQ(layout.height, c.height);
        EXPECT_EQ(layout.left, c.left);
        EXPECT_EQ(layout.top, c.top);
    }
}

// A window lands centred on the monitor, wholly on it when the monitor is
// large enough, and at the monitor's edge in a direction where it is not.
TEST(WindowPlacement, CentresOnTheMonitorOrStartsAtItsEdge) {
    struct Case {
        sf::IntRect monitor;
        sf::Vector2i window;
        sf::Vector2i corner;
    };
    const Case cases[] = {
        {{0, 0, 1024, 768}, {1024, 768}, {0, 0}},
        {{0, 0, 1920, 1080}, {1024, 768}, {448, 156}},
        {{0, 0, 3840, 1080}, {1024, 768}, {1408, 156}},
        {{0, 0, 3440, 1440}, {1024, 768}, {1208, 336}},
        {{0, 0, 3840, 2160}, {2048, 1536}, {896, 312}},
        {{0, 0, 800, 600}, {1024, 768}, {0, 0}},
        {{0, 0, 1280, 720}, {1024, 768}, {128, 0}},
        {{1920, 0, 2560, 1440}, {1024, 768}, {2688, 336}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vl::centredCorner(c.monitor, c.window), c.corner)
            << c.monitor.left << "," << c.monitor.top << " " << c.monitor.width << " x "
            << c.monitor.height;
    }
}

}  // namespace
