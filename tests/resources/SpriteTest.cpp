#include <gtest/gtest.h>

#include <climits>

#include <vl/vl.h>

namespace {

void expectEmpty(const vl::Frame& frame) {
    EXPECT_EQ(frame.getWidth(), 0);
    EXPECT_EQ(frame.getHeight(), 0);
    EXPECT_TRUE(frame.getCells().empty());
}

TEST(Sprite, StartsWhiteAndEmpty) {
    const vl::Sprite sprite(3);
    EXPECT_EQ(sprite.getColor(), vl::White);
    EXPECT_EQ(sprite.getSlowdown(), 1);
    EXPECT_EQ(sprite.getLabel(), "");
    EXPECT_EQ(sprite.getFrameCapacity(), 3);
    EXPECT_EQ(sprite.getFrameCount(), 0);
    expectEmpty(sprite.getFrame(0));
}

TEST(Sprite, HoldsFramesUpToItsCapacity) {
    vl::Sprite sprite(2);
    sprite.insertFrame(vl::Frame(1, 1, "a"));
    sprite.insertFrame(vl::Frame(1, 1, "b"));
    sprite.insertFrame(vl::Frame(1, 1, "c"));
    EXPECT_EQ(sprite.getFrameCount(), 2);
    EXPECT_EQ(sprite.getFrame(0).getCells(), "a");
    EXPECT_EQ(sprite.getFrame(1).getCells(), "b");
    expectEmpty(sprite.getFrame(-1));
    expectEmpty(sprite.getFrame(2));
    expectEmpty(sprite.getFrame(INT_MIN));

    vl::Sprite mixed(4);
    mixed.insertFrame(vl::Frame());
    mixed.insertFrame(vl::Frame(2, 1, "ab"));
    mixed.insertFrame(vl::Frame(0, 3, ""));
    mixed.insertFrame(vl::Frame());
    EXPECT_EQ(mixed.getFrameCount(), 4);
    expectEmpty(mixed.getFrame(0));
    EXPECT_EQ(mixed.frameAt(1).getCells(), "ab");
    EXPECT_EQ(mixed.frameAt(2).getHeight(), 3);
    expectEmpty(mixed.getFrame(3));

    vl::Sprite none(0);
    none.insertFrame(vl::Frame(1, 1, "a"));
    EXPECT_EQ(none.getFrameCount(), 0);
    expectEmpty(none.getFrame(0));

    vl::Sprite negative(-5);
    negative.insertFrame(vl::Frame(1, 1, "a"));
    EXPECT_EQ(negative.getFrameCount(), 0);

    vl::Sprite huge(INT_MAX);
    huge.insertFrame(vl::Frame(1, 1, "a"));
    EXPECT_EQ(huge.getFrameCount(), 1);
    EXPECT_EQ(huge.getFrameCapacity(), INT_MAX);
}

TEST(Sprite, CellsAreRowAfterRow) {
    const vl::Frame frame(3, 2, "abcdef");
    EXPECT_EQ(frame.getCells()[1 * 3 + 0], 'd');
    EXPECT_EQ(frame.getCells()[0 * 3 + 2], 'c');
}

}  // namespace
