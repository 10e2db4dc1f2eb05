#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <vl/vl.h>
#include "support/TestFolder.h"

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
    Loaded expected;
};

const std::vector<LoadCase> kLoadCases = {
    {"well_formed", kRedHeader + kRedBlocks, kRed},
    {"color_capitalised", redWith("color Red"), kWhite},
    {"value_then_letters",
     header("frames 2x", "width 3abc", "height 2z", "color red", "slowdown 4x5") + kRedBlocks,
     kRed},
    {"equals_separator",
     header("frames=2", "width=3", "height=2", "color=red", "slowdown=4") + kRedBlocks, kRed},
    {"wrong_keys_same_length",
     header("framez 2", "widht 3", "heigth 2", "paint red", "slowness 4") + kRedBlocks, kRed},
    {"blanks_and_signs",
     header("frames \t +2", "width   3", "height 2", "color red", "slowdown -7") + kRedBlocks,
     {2, 3, 2, vl::Red, -7, {"abcdef", "ghijkl"}}},
    {"crlf", withCrLf(kRedHeader + kRedBlocks), kRed},
    {"cr_not_before_line_feed_is_a_cell",
     kRedHeader + "a\rc\ndef\nend\nghi\njkl\nend\neof\n",
     {2, 3, 2, vl::Red, 4, {"a\rcdef", "ghijkl"}}},
    {"width_key_and_separator_reads_0",
     header("frames 2", "width ", "height 2", "color red", "slowdown 4") + kRedBlocks,
     {2, 0, 2, vl::Red, 4, {"", ""}}},
    {"largest_frame_count",
     header("frames 2147483647", "width 3", "height 2", "color red", "slowdown 4") + kRedBlocks,
     {2147483647, 3, 2, vl::Red, 4, {"abcdef", "ghijkl", ""}}},
    {"huge_width_and_height",
     header("frames 9", "width 2000000000", "height 2000000000", "color red", "slowdown 4") +
         "abc\nend\neof\n",
     {9, 2000000000, 2000000000, vl::Red, 4, {"", "", "", ""}}},
    {"negative_height",
     header("frames 9", "width 3", "height -2", "color red", "slowdown 4") + "end\nxyz\neof\n",
     {9, 3, -2, vl::Red, 4, {"", "", "", ""}}},
    {"trailing_blank_in_row", fiveWide(9) + "abcde \nend\nfghij\nend\neof\n",
     green(9, {"", "", "fghij", "", ""})},
    {"missing_end", fiveWide(9) + "abcde\nfghij\nklmno\nend\neof\n",
     green(9, {"", "klmno", "", ""})},
    {"more_blocks_than_declared", fiveWide(1) + "abcde\nend\nfghij\nend\neof\n",
     green(1, {"abcde"})},
    {"fewer_blocks_with_final_line_feed", fiveWide(4) + "abcde\nend\nfghij\nend\neof\n",
     green(4, {"abcde", "fghij", "", ""})},
    {"fewer_blocks_without_final_line_feed", fiveWide(4) + "abcde\nend\nfghij\nend\neof",
     green(4, {"abcde", "fghij", ""})},
    {"zero_frames", fiveWide(0) + "abcde\nend\neof\n", green(0, {})},
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
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    for (const LoadCase& c : kLoadCases) {
        SCOPED_TRACE(c.name);
        const std::string file = writeTestFile(c.name + "-spr.txt", c.text);
        ASSERT_EQ(resources.loadSprite(file, c.name), 0);
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

std::vector<std::string> problemLines(const vl::ProblemList& problems) {
    std::vector<std::string> lines;
    for (const vl::Problem& problem : problems.getProblems()) {
        lines.push_back(vl::formatProblem(problem));
    }
    return lines;
}

TEST(SpriteFile, FilesThatCannotBeReadLoadNothingAndSayWhy) {
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    const int count_before = resources.getSpriteCount();
    EXPECT_EQ(resources.loadSprite(testFolder() + "/missing-spr.txt", "missing"), -1);
    EXPECT_EQ(problemLines(resources.getLoadProblems()),
              std::vector<std::string>{testFolder() + "/missing-spr.txt: no such file"});
    EXPECT_EQ(resources.loadSprite(testFolder() + "/", "folder"), -1);
    EXPECT_EQ(problemLines(resources.getLoadProblems()),
              std::vector<std::string>{testFolder() + "/: a folder, not a file"});
    EXPECT_EQ(resources.getSpriteCount(), count_before);
    EXPECT_EQ(resources.getSprite("missing"), nullptr);
}

TEST(SpriteFile, TheFirstSpriteLoadedUnderALabelIsFound) {
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    ASSERT_EQ(resources.loadSprite(writeTestFile("a-spr.txt", redWith("color red")), "twin"), 0);
    ASSERT_EQ(resources.loadSprite(writeTestFile("b-spr.txt", redWith("color blue")), "twin"), 0);
    EXPECT_EQ(resources.getSprite("twin")->getColor(), vl::Red);
    EXPECT_EQ(resources.getLoadProblems().getProblems().at(0).message,
              "the label \"twin\" is taken: the sprite loaded first under it is found");
}

std::string red(const std::string& blocks) {
    return kRedHeader + blocks;
}

const std::string kTwoByTwo = header("frames 1", "width 2", "height 2", "color red", "slowdown 1");

struct ProblemCase {
    std::string text;
    // Whether the loader makes a sprite of the file.
    bool loads;
    std::vector<std::string> problems;
};

// One file for each way of departing from the format, and the lines that say so.
const std::vector<ProblemCase> kProblemCases = {
    {red(kRedBlocks), true, {}},
    {header("frames 1", "width 3", "height 2", "color red", "slowdown 1") + "eof\nend\nend\neof\n",
     true,
     {}},
    {header("frames 2", "height 2", "width 3", "color red", "slowdown 4") + kRedBlocks,
     true,
     {"f:2: expected \"width\" here, found \"height\": the header keys go in the order frames, "
      "width, height, color, slowdown",
      "f:3: expected \"height\" here, found \"width\": the header keys go in the order frames, "
      "width, height, color, slowdown"}},
    {header("frames 2", "widht 3", "height 2", "color red", "slowdown 4") + kRedBlocks,
     true,
     {"f:2: expected \"width\", found \"widht\""}},
    {"frames 2\nwidth 3\n", false, {"f:3: the file ends before the \"height\" line"}},
    {header("frames 2", "", "height 2", "color red", "slowdown 4"),
     false,
     {"f:2: the line is empty, expected \"width\" and its value"}},
    {header("frames 2", "wid", "height 2", "color red", "slowdown 4"),
     false,
     {"f:2: expected \"width\" and its value, found \"wid\""}},
    {header("frames 2", "width 3", "height 2", "color red", "slowdown"),
     false,
     {"f:5: \"slowdown\" has no value"}},
    {header("frames 2", "width 3", "height two", "color red", "slowdown 4"),
     true,
     {"f:3: \"height\" needs a number, found \"two\""}},
    // Quoted text is cut after 24 characters, and only text longer than that.
    {header("frames 2", "width 3", "height " + std::string(24, 'x'), "color red", "slowdown 4"),
     true,
     {"f:3: \"height\" needs a number, found \"" + std::string(24, 'x') + "\""}},
    {header("frames 2", "width 3", "height " + std::string(25, 'x'), "color red", "slowdown 4"),
     true,
     {"f:3: \"height\" needs a number, found \"" + std::string(24, 'x') + "...\""}},
    {header("frames 2", "width 3abc", "height 2", "color red", "slowdown 4") + kRedBlocks,
     true,
     {"f:2: \"width\" needs a whole number, found \"3abc\""}},
    {header("frames 2147483648", "width 3", "height 2", "color red", "slowdown 4"),
     false,
     {"f:1: \"frames\" is out of range: \"2147483648\""}},
    {header("frames 2", "width 3", "height -1", "color red", "slowdown 4"),
     false,
     {"f:3: \"height\" must be 1 or more, found -1"}},
    {header("frames 2", "width 0", "height 2", "color red", "slowdown 4") + kRedBlocks,
     true,
     {"f:2: \"width\" must be 1 or more, found 0"}},
    {header("frames 2", "width 3", "height 2", "color red", "slowdown -1"),
     false,
     {"f:5: \"slowdown\" of -1 reads as a missing line; use 1 for a new frame on every draw"}},
    {redWith("color Green"),
     true,
     {"f:4: unknown colour \"Green\": use black, red, green, yellow, blue, magenta, cyan or "
      "white"}},
    {red("abc\nde\nend\nghi\njkl\nend\neof\n"),
     true,
     {"f:7: row 2 of frame 1 is 2 characters wide, expected 3; frame 1 loads empty",
      "f:10: frame 2 has more than 2 rows: expected \"end\", found \"jkl\"; frame 2 loads empty"}},
    {red("abc \ndef\nend\nghi\njkl\nend\neof\n"),
     true,
     {"f:6: row 1 of frame 1 is 4 characters wide, expected 3; it ends in a blank; frame 1 "
      "loads empty",
      "f:9: frame 2 has more than 2 rows: expected \"end\", found \"ghi\"; frame 2 loads empty"}},
    {red("abc\ndef\nghi\njkl\nend\neof\n"),
     true,
     {"f:8: frame 1 has more than 2 rows: expected \"end\", found \"ghi\"; frame 1 loads empty",
      "f:11: frame 2 has more than 2 rows: expected \"end\", found \"eof\"; frame 2 loads empty"}},
    {kTwoByTwo + "ab\nend\neof\n",
     true,
     {"f:7: frame 1 has 1 row, expected 2; frame 1 loads empty"}},
    {red("abc\ndef\nend\nghi\n"),
     true,
     {"f:10: the file ends inside frame 2: expected row 2; frame 2 loads empty"}},
    {red("abc\ndef\nend\nghi\njkl\n"),
     true,
     {"f:11: the file ends inside frame 2: expected \"end\"; frame 2 loads empty"}},
    {header("frames 3", "width 5", "height 1", "color red", "slowdown 1") +
         "abcde\nfghij\nklmno\nend\neof\n",
     true,
     {"f:7: frame 1 has more than 1 row: expected \"end\", found \"fghij\"; frame 1 loads empty",
      "f:8: frame 2 is read from line 8, out of step after the broken frame before it",
      "f:1: \"frames\" is 3, but the file holds 2 frame blocks: frame 3 loads empty"}},
    {red("abc\ndef\nend\nghi\njkl\nend\n"), true, {"f:12: the file ends without \"eof\""}},
    {red(kRedBlocks + "more\n"), true, {"f:13: \"eof\" on line 12 should be the last line"}},
    {red("abc\ndef\nend\neof\n"),
     true,
     {"f:1: \"frames\" is 2, but the file holds 1 frame block: frame 2 loads empty"}},
    {red("abc\ndef\nend\nghi\njkl\nend\nmno\npqr\nend\neof\n"),
     true,
     {"f:1: \"frames\" is 2, but the file holds 3 frame blocks: frame 3 is dropped"}},
};

TEST(SpriteFile, ProblemsNameTheLineToMendAndWhatWasExpected) {
    for (const ProblemCase& c : kProblemCases) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        vl::ProblemList problems("f");
        EXPECT_EQ(vl::readSprite(in, problems) != nullptr, c.loads);
        EXPECT_EQ(problemLines(problems), c.problems);
    }
}

// Fills the sprite table. Returns the exit status of the process it runs in: 0
// when the table took sprites up to its 1000th and refused the next.
int fillSpriteTable() {
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    const std::string file = writeTestFile("one-spr.txt", kRedHeader + kRedBlocks);
    while (resources.getSpriteCount() < vl::kMaxSprites - 1) {
        resources.loadSprite(file, "filler");
    }
    const bool last_taken = resources.loadSprite(file, "last") == 0;
    const bool next_refused = resources.loadSprite(file, "one-too-many") == -1 &&
                              resources.getSprite("one-too-many") == nullptr;
    return last_taken && next_refused && resources.getSprite("last") != nullptr ? 0 : 1;
}

TEST(SpriteFile, TheTableTakesItsThousandthSpriteAndRefusesTheNext) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(fillSpriteTable()), ::testing::ExitedWithCode(0), "");
}

TEST(SpriteFile, AFileBrokenOnEveryLineCostsABoundedList) {
    vl::ProblemList problems("f");
    for (int line = 1; line <= 1000; ++line) {
        problems.add(line, "bad");
    }
    EXPECT_EQ(problemLines(problems).back(),
              "f:21: more problems follow; only the first 20 are listed");
    EXPECT_EQ(problems.getProblems().size(), static_cast<size_t>(vl::kMaxProblemsPerFile + 1));
    EXPECT_EQ(problems.getCount(), 1000);
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

}  // namespace
