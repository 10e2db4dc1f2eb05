#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <vl/platform/terminal/TerminalScreen.h>

namespace {

const std::string kBegin = "\x1b[?2026h";
const std::string kEnd = "\x1b[?2026l";

vl::FrameCell cell(float x, float y, char ch, vl::Color color) {
    return vl::FrameCell{vl::Vector(x, y), ch, color};
}

// A frame writes only what changed, inside one synchronized update, at the
// cell its position falls in, centred in the terminal; a still frame writes
// nothing; a terminal too small says what it needs.
TEST(TerminalScreen, WritesOnlyWhatChangedWhereItLands) {
    vl::TerminalScreen screen;
    screen.resize(100, 30);
    EXPECT_EQ(screen.getLeft(), 9);
    EXPECT_EQ(screen.getTop(), 3);
    const std::vector<vl::FrameCell> first = {
        cell(0, 0, '#', vl::Green), cell(10.7f, 3.2f, '@', vl::Red), cell(81, 23, 'z', vl::White),
        cell(82, 5, 'x', vl::Red), cell(-0.5f, 5, 'x', vl::Red)};
    EXPECT_EQ(screen.frame(first), kBegin + "\x1b[0;40m\x1b[2J" + "\x1b[4;10H\x1b[32m#" +
                                       "\x1b[7;20H\x1b[31m@" + "\x1b[27;91H\x1b[37mz" + kEnd);
    EXPECT_EQ(screen.frame(first), "");

    // The @ turns green and moves right by a cell; a later cell covers an earlier one.
    const std::vector<vl::FrameCell> second = {
        cell(0, 0, '#', vl::Green), cell(11, 3, '@', vl::Green), cell(81, 23, 'q', vl::White),
        cell(81, 23, 'z', vl::White)};
    EXPECT_EQ(screen.frame(second), kBegin + "\x1b[7;20H\x1b[37m \x1b[32m@" + kEnd);

    screen.resize(80, 20);
    const std::string small = screen.frame(second);
    EXPECT_NE(small.find("vl needs 82 x 24 cells; this terminal has 80 x 20"), std::string::npos);
    EXPECT_EQ(screen.frame(second), "");
    screen.resize(82, 24);
    EXPECT_EQ(screen.frame({cell(0, 0, '\xe9', vl::Cyan)}),
              kBegin + "\x1b[0;40m\x1b[2J\x1b[1;1H\x1b[36m\xc3\xa9" + kEnd);
}

}  // namespace
