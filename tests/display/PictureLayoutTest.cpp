#include <gtest/gtest.h>

#include <vl/display/PictureLayout.h>
#include <vl/platform/WindowPlacement.h>

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

// A window opens at the largest scale up to the one asked for whose window,
// frame included, fits the work area, centred there; where none fits, smaller
// in the picture's shape.
TEST(WindowPlacement, FitsTheWorkAreaFrameIncludedAtTheLargestScale) {
    struct Case {
        sf::IntRect work_area;
        vl::FrameMargins frame;
        int asked_scale, scale;
        sf::Vector2i size, corner;
    };
    const vl::FrameMargins none;
    const vl::FrameMargins titled{1, 20, 1, 5};
    const Case cases[] = {
        {{0, 0, 1920, 1080}, none, 1, 1, {1024, 768}, {448, 156}},
        {{0, 0, 1920, 1080}, titled, 1, 1, {1024, 768}, {447, 143}},
        {{0, 0, 1024, 768}, none, 1, 1, {1024, 768}, {0, 0}},
        {{0, 0, 1024, 768}, titled, 1, 1, {990, 743}, {16, 0}},
        {{0, 0, 1366, 768}, titled, 1, 1, {990, 743}, {187, 0}},
        {{0, 0, 1920, 1080}, titled, 2, 1, {1024, 768}, {447, 143}},
        {{0, 0, 3840, 2160}, none, 2, 2, {2048, 1536}, {896, 312}},
        {{0, 0, 3840, 2160}, none, 4, 2, {2048, 1536}, {896, 312}},
        {{0, 0, 4096, 3072}, none, 4, 4, {4096, 3072}, {0, 0}},
        {{1920, 0, 2560, 1440}, none, 1, 1, {1024, 768}, {2688, 336}},
        {{0, 32, 1280, 720}, titled, 1, 1, {926, 695}, {176, 32}},
        {{0, 0, 0, 0}, titled, 3, 1, {1024, 768}, {0, 0}},
    };
    for (const Case& c : cases) {
        const vl::WindowPlacement placement =
            vl::placeWindow(c.work_area, c.frame, sf::Vector2i(1024, 768), c.asked_scale);
        SCOPED_TRACE(std::to_string(c.work_area.width) + " x " +
                     std::to_string(c.work_area.height) + " at scale " +
                     std::to_string(c.asked_scale));
        EXPECT_EQ(placement.scale, c.scale);
        EXPECT_EQ(placement.size, c.size);
        EXPECT_EQ(placement.frame_corner, c.corner);
    }
}

}  // namespace
