#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <vl/vl.h>
#include "TempFolder.h"

namespace {

const std::string kRedHeader = "frames 2\nwidth 3\nheight 2\ncolor red\nslowdown 4\n";
const std::string kRedBlocks = "abc\ndef\nend\nghi\njkl\nend\neof\n";

std::string header(const std::string& frames, const std::string& width, const std::string& height,
                   const std::string& color, const std::string& slowdown) {
    return frames + "\n" + width + "\n" + height + "\n" + color + "\n" + slowdown + "\n";
}

std::string redWith(const std::string& color_line) {
    return header("frames 2", "width 3", "height 2", color_line, "slowdown 4") + kRedBlocks;
}

// Rows five wide, one row a block: every block attempt shows in the frames.
std::string fiveWide(int frames) {
    return header("frames " + std::to_string(frames), "width 5", "height 1", "color green",
                  "slowdown 1");
}

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return out;
}

std::string withoutFinalLineFeed(std::string text) {
    text.pop_back();
    return text;
}

// What a loaded sprite holds; an empty text in frames stands for the empty frame.
struct Loaded {
    int capacity;
    int width;
    int height;
    vl::Color color;
    int slowdown;
    std::vector<std::string> frames;
};

const Loaded kRed{2, 3, 2, vl::Red, 4, {"abcdef", "ghijkl"}};
const Loaded kWhite{2, 3, 2, vl::White, 4, {"abcdef", "ghijkl"}};

Loaded green(int capacity, std::vector<std::string> frames) {
    return {capacity, 5, 1, vl::Green, 1, std::move(frames)};
}

struct LoadCase {
    std::string name;
    std::string text;
    bool loads;
    Loaded expected;
};

const std::vector<LoadCase> kLoadCases = {
    {"well_formed", kRedHeader + kRedBlocks, true, kRed},
    {"color_capitalised", redWith("color Red"), true, kWhite},
    {"color_unknown", redWith("color purple"), true, kWhite},
    {"color_key_alone", redWith("color"), true, kWhite},
    {"color_line_empty", redWith(""), true, kWhite},
    {"color_line_too_short", redWith("col"), true, kWhite},
    {"value_then_letters",
     header("frames 2x", "width 3abc", "height 2z", "color red", "slowdown 4x5") + kRedBlocks, true,
     kRed},
    {"equals_separator",
     header("frames=2", "width=3", "height=2", "color=red", "slowdown=4") + kRedBlocks, true, kRed},
    {"wrong_keys_same_length",
     header("framez 2", "widht 3", "heigth 2", "paint red", "slowness 4") + kRedBlocks, true, kRed},
    {"blanks_and_signs",
     header("frames \t +2", "width   3", "height 2", "color red", "slowdown -7") + kRedBlocks,
     true,
     {2, 3, 2, vl::Red, -7, {"abcdef", "ghijkl"}}},
    {"crlf", withCrLf(kRedHeader + kRedBlocks), true, kRed},
    {"crlf_without_final_line_feed", withoutFinalLineFeed(withCrLf(kRedHeader + kRedBlocks)), true,
     kRed},
    {"cr_not_before_line_feed_is_a_cell",
     kRedHeader + "a\rc\ndef\nend\nghi\njkl\nend\neof\n",
     true,
     {2, 3, 2, vl::Red, 4, {"a\rcdef", "ghijkl"}}},
    {"empty_file", "", false, {}},
    {"header_ends_early", "frames 2\nwidth 3\n", false, {}},
    {"slowdown_key_alone",
     header("frames 2", "width 3", "height 2", "color red", "slowdown"),
     false,
     {}},
    {"width_line_empty", header("frames 2", "", "height 2", "color red", "slowdown 4"), false, {}},
    {"height_reads_minus_one",
     header("frames 2", "width 3", "height -1", "color red", "slowdown 4"),
     false,
     {}},
    {"frames_below_minus_one",
     header("frames -2", "width 3", "height 2", "color red", "slowdown 4"),
     false,
     {}},
    {"header_line_too_short",
     header("frames 2", "wid", "height 2", "color red", "slowdown 4"),
     false,
     {}},
    {"frames_beyond_32_bits",
     header("frames 2147483648", "width 3", "height 2", "color red", "slowdown 4"),
     false,
     {}},
    {"width_far_beyond_32_bits",
     header("frames 2", "width 99999999999999999999999", "height 2", "color red", "slowdown 4"),
     false,
     {}},
    {"slowdown_below_32_bits",
     header("frames 2", "width 3", "height 2", "color red", "slowdown -2147483649"),
     false,
     {}},
    {"largest_frame_count",
     header("frames 2147483647", "width 3", "height 2", "color red", "slowdown 4") + kRedBlocks,
     true,
     {2147483647, 3, 2, vl::Red, 4, {"abcdef", "ghijkl", ""}}},
    {"huge_width_and_height",
     header("frames 9", "width 2000000000", "height 2000000000", "color red", "slowdown 4") +
         "abc\nend\neof\n",
     true,
     {9, 2000000000, 2000000000, vl::Red, 4, {"", "", "", ""}}},
    {"smallest_width",
     header("frames 9", "width -2147483648", "height 1", "color red", "slowdown 4") +
         "abc\nend\neof\n",
     true,
     {9, -2147483648, 1, vl::Red, 4, {"", "", "", ""}}},
    {"negative_height",
     header("frames 9", "width 3", "height -2", "color red", "slowdown 4") + "end\nxyz\neof\n",
     true,
     {9, 3, -2, vl::Red, 4, {"", "", "", ""}}},
    {"trailing_blank_in_row", fiveWide(9) + "abcde \nend\nfghij\nend\neof\n", true,
     green(9, {"", "", "fghij", "", ""})},
    {"short_row", fiveWide(9) + "abcd\nend\nfghij\nend\neof\n", true,
     green(9, {"", "", "fghij", "", ""})},
    {"long_row", fiveWide(9) + "abcdef\nend\nfghij\nend\neof\n", true,
     green(9, {"", "", "fghij", "", ""})},
    {"missing_end", fiveWide(9) + "abcde\nfghij\nklmno\nend\neof\n", true,
     green(9, {"", "klmno", "", ""})},
    {"more_blocks_than_declared", fiveWide(1) + "abcde\nend\nfghij\nend\neof\n", true,
     green(1, {"abcde"})},
    {"fewer_blocks_with_final_line_feed", fiveWide(4) + "abcde\nend\nfghij\nend\neof\n", true,
     green(4, {"abcde", "fghij", "", ""})},
    {"fewer_blocks_without_final_line_feed", fiveWide(4) + "abcde\nend\nfghij\nend\neof", true,
     green(4, {"abcde", "fghij", ""})},
    {"zero_frames", fiveWide(0) + "abcde\nend\neof\n", true, green(0, {})},
};

void expectFrames(const vl::Sprite& sprite, const Loaded& expected) {
    ASSERT_EQ(sprite.getFrameCount(), static_cast<int>(expected.frames.size()));
    for (size_t i = 0; i < expected.frames.size(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        const vl::Frame frame = sprite.getFrame(static_cast<int>(i));
        const bool empty = expected.frames[i].empty();
        EXPECT_EQ(frame.getCells(), expected.frames[i]);
        EXPECT_EQ(frame.getWidth(), empty ? 0 : expected.width);
        EXPECT_EQ(frame.getHeight(), empty ? 0 : expected.height);
    }
}

TEST(SpriteFile, LoadsEveryKindOfFileAsTheFormatSays) {
    TempFolder folder;
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    for (const LoadCase& c : kLoadCases) {
        SCOPED_TRACE(c.name);
        const std::string file = folder.write(c.name + "-spr.txt", c.text);
        const int count_before = resources.getSpriteCount();
        if (!c.loads) {
            EXPECT_EQ(resources.loadSprite(file, c.name), -1);
            EXPECT_EQ(resources.getSpriteCount(), count_before);
            EXPECT_EQ(resources.getSprite(c.name), nullptr);
            continue;
        }
        ASSERT_EQ(resources.loadSprite(file, c.name), 0);
        EXPECT_EQ(resources.getSpriteCount(), count_before + 1);
        const vl::Sprite* sprite = resources.getSprite(c.name);
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(sprite->getLabel(), c.name);
        EXPECT_EQ(sprite->getFrameCapacity(), c.expected.capacity);
        EXPECT_EQ(sprite->getWidth(), c.expected.width);
        EXPECT_EQ(sprite->getHeight(), c.expected.height);
        EXPECT_EQ(sprite->getColor(), c.expected.color);
        EXPECT_EQ(sprite->getSlowdown(), c.expected.slowdown);
        expectFrames(*sprite, c.expected);
    }
}

TEST(SpriteFile, FilesThatCannotBeReadLoadNothing) {
    TempFolder folder;
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    const int count_before = resources.getSpriteCount();
    EXPECT_EQ(resources.loadSprite(folder.path("missing-spr.txt"), "missing"), -1);
    EXPECT_EQ(resources.loadSprite(folder.path(""), "folder"), -1);
    EXPECT_EQ(resources.getSpriteCount(), count_before);
    EXPECT_EQ(resources.getSprite("missing"), nullptr);
}

TEST(SpriteFile, ColorNamesAreExact) {
    EXPECT_EQ(vl::colorFromName("black"), vl::Black);
    EXPECT_EQ(vl::colorFromName("magenta"), vl::Magenta);
    EXPECT_EQ(vl::colorFromName("cyan"), vl::Cyan);
    EXPECT_EQ(vl::colorFromName("cyan "), vl::White);
    EXPECT_EQ(vl::colorFromName("CYAN"), vl::White);
    EXPECT_EQ(vl::colorFromName(""), vl::White);
}

// Serves its text, then fails every further read as a broken disk would.
class FailingBuffer : public std::streambuf {
  public:
    explicit FailingBuffer(std::string text) : data(std::move(text)) {
        setg(data.data(), data.data(), data.data() + data.size());
    }

  protected:
    int_type underflow() override { throw std::runtime_error("read error"); }

  private:
    std::string data;
};

TEST(SpriteFile, ReadErrorEndsTheFrameLoop) {
    FailingBuffer buffer(kRedHeader + "abc\ndef\nend\ngh");
    std::istream in(&buffer);
    const std::unique_ptr<vl::Sprite> sprite = vl::readSprite(in);
    ASSERT_TRUE(in.bad());
    ASSERT_NE(sprite, nullptr);
    expectFrames(*sprite, {2, 3, 2, vl::Red, 4, {"abcdef", ""}});
}

TEST(SpriteFile, HugeFrameCountCostsOnlyTheFramesRead) {
    std::istringstream in(
        header("frames 2000000000", "width 1", "height 1", "color red", "slowdown 1") + "a\nend\n");
    const std::unique_ptr<vl::Sprite> sprite = vl::readSprite(in);
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getFrameCapacity(), 2000000000);
    EXPECT_EQ(sprite->getFrameCount(), 2);
}

}  // namespace
