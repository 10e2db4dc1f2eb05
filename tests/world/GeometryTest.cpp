#include <gtest/gtest.h>

#include <limits>

#include <vl/vl.h>

using vl::Box;
using vl::Vector;

TEST(Geometry, BoxesOverlapInclusivelyAndSymmetrically) {
    const Box unit(Vector(0, 0), 1, 1);
    const struct {
        Box other;
        bool overlaps;
    } cases[] = {
        {Box(Vector(1, 0), 1, 1), true},        // shared edge
        {Box(Vector(1, 1), 1, 1), true},        // shared corner
        {Box(Vector(1.01f, 0), 1, 1), false},   // a gap to the right
        {Box(Vector(0, -1.01f), 1, 1), false},  // a gap above
        {Box(Vector(0.5f, 0.5f), 0, 0), true},  // a point inside
        {Box(Vector(-5, -5), 20, 20), true},    // containing
        {unit, true},                           // itself
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vl::boxesOverlap(unit, c.other), c.overlaps)
            << c.other.corner.x << "," << c.other.corner.y;
        EXPECT_EQ(vl::boxesOverlap(c.other, unit), c.overlaps) << "not symmetric";
    }
    const Box point(Vector(3, 3), 0, 0);
    EXPECT_TRUE(vl::boxesOverlap(point, point));
    const Box nan_box(Vector(std::numeric_limits<float>::quiet_NaN(), 0), 1, 1);
    EXPECT_FALSE(vl::boxesOverlap(unit, nan_box));
}
