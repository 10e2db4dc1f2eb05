#include <gtest/gtest.h>

#include <climits>

#include <vl/vl.h>

namespace {

TEST(Sprite, HoldsFramesUpToItsCapacityAndTheEmptyFrameElsewhere) {
    vl::Sprite sprite(2);
    for (const char* cells : {"a", "b", "c"}) {
        sprite.insertFrame(vl::Frame(1, 1, cells));
    }
    EXPECT_EQ(sprite.getFrameCount(), 2);
    EXPECT_EQ(sprite.getFrame(1).getCells(), "b");
    for (const int index : {-1, 2, INT_MIN}) {
        const vl::Frame frame = sprite.getFrame(index);
        EXPECT_EQ(frame.getWidth() + frame.getHeight(), 0) << index;
        EXPECT_TRUE(frame.getCells().empty()) << index;
    }

    vl::Sprite negative(-5);
    negative.insertFrame(vl::Frame(1, 1, "a"));
    EXPECT_EQ(negative.getFrameCount(), 0);

    vl::Sprite huge(INT_MAX);
    huge.insertFrame(vl::Frame(1, 1, "a"));
    EXPECT_EQ(huge.getFrameCount(), 1);
}

}  // namespace
