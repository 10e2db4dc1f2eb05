#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <vl/core/RecordingReader.h>
#include <vl/core/RecordingWriter.h>
#include <vl/core/random.h>
#include <vl/world/EventStep.h>
#include "support/TestFolder.h"

namespace {

// Numbers are written with a point, as in the C locale, whatever the locale:
// here German, whose decimal sign is a comma, made for the test.
void useLocaleWithDecimalComma() {
    const std::string locales = testFolder() + "/locales";
    // localedef's status 1 is for warnings only.
    ASSERT_LE(std::system(("mkdir -p " + locales + " && localedef -i de_DE -f UTF-8 " + locales +
                           "/de_DE.utf8 2>/dev/null; [ $? -le 1 ]")
                              .c_str()),
              0)
        << "localedef (Debian package locales) cannot make the locale";
    setenv("LOCPATH", locales.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 0.5);
    ASSERT_STREQ(text, "0,5");
}

// What the writer writes the reader gives back, field for field, floats to
// the last bit, frame after frame, then the end, in a locale whose decimal
// sign is a comma.
TEST(Recording, ReadsBackWhatWasWritten) {
    useLocaleWithDecimalComma();
    const std::string file = testFolder() + "/round-trip";
    vl::RecordingWriter writer;
    ASSERT_EQ(writer.open(file, "Velloc", 0x0123456789abcdefull), 0);
    const vl::EventKeyboard press(vl::Key::P, vl::KeyAction::Pressed);
    const vl::EventMouse move(vl::MouseAction::Moved, vl::MouseButton::Undefined,
                              vl::Vector(0.1f, 1e-7f));
    vl::HeldInput held;
    held.setKey(vl::Key::Space);
    held.setKey(vl::Key::Backspace);
    held.setButton(vl::MouseButton::Middle);
    writer.writeHeld(1, held);
    writer.writeInput(1, press);
    writer.writeInput(1, move);
    writer.writeInput(1, vl::EventStep());
    vl::FrameSummary first{3, 0xfedcba9876543210ull, 7, true, 9, {1, 0xffff}, {}, {5, 6, 0xabcd}};
    first.rows[23] = 0x1234;
    writer.writeFrame(1, first);
    writer.writeHeld(2, held);
    writer.writeFrame(2, vl::FrameSummary{0, 1, vl::kNoInput, true, 2, {}, {}, {}});
    ASSERT_EQ(writer.close(2), 0);

    vl::RecordingReader reader;
    ASSERT_EQ(reader.open(file, "Velloc"), 0) << reader.getProblem();
    EXPECT_EQ(reader.getSeed(), 0x0123456789abcdefull);
    std::vector<vl::RecordedInput> inputs;
    vl::FrameSummary summary;
    ASSERT_EQ(reader.readFrame(1, inputs, summary), vl::RecordingReader::Step::Frame);
    EXPECT_EQ(reader.getHeld(), held);
    ASSERT_EQ(inputs.size(), 2u);
    EXPECT_FALSE(inputs[0].is_mouse);
    EXPECT_EQ(inputs[0].keyboard.getKey(), vl::Key::P);
    EXPECT_EQ(inputs[0].keyboard.getAction(), vl::KeyAction::Pressed);
    EXPECT_TRUE(inputs[1].is_mouse);
    EXPECT_EQ(inputs[1].mouse.getAction(), vl::MouseAction::Moved);
    EXPECT_EQ(inputs[1].mouse.getPixelPosition(), move.getPixelPosition());
    EXPECT_EQ(std::tie(summary.objects, summary.world, summary.input, summary.picture,
                       summary.has_details, summary.fields, summary.rows, summary.object_checks),
              std::tie(first.objects, first.world, first.input, first.picture, first.has_details,
                       first.fields, first.rows, first.object_checks));
    ASSERT_EQ(reader.readFrame(2, inputs, summary), vl::RecordingReader::Step::Frame);
    EXPECT_TRUE(inputs.empty() && summary.object_checks.empty());
    EXPECT_EQ(reader.getHeld(), held);
    EXPECT_EQ(reader.readFrame(3, inputs, summary), vl::RecordingReader::Step::End);
    std::ifstream text(file);
    const std::string written(std::istreambuf_iterator<char>(text), {});
    EXPECT_NE(written.find(" 0.1 1e-07\n"), std::string::npos);
    EXPECT_NE(written.find("held 1 800000000000000001 4\n"), std::string::npos);
    EXPECT_EQ(written.find("held 2"), std::string::npos);
    std::setlocale(LC_ALL, "C");
}

// Every kind of bad file ends in one problem naming the file and the line.
TEST(Recording, BadFilesNameTheirLineAndWhatIsWrong) {
    const std::string head = "vl-recording 2\ngame Velloc\nengine 1.0.0\nseed 0000000000000007\n";
    const std::string frame1 = "frame 1 0 0000000000000000 0000000000000000\n";
    const std::string head3 = "vl-recording 3" + head.substr(14);
    const std::string checks1 = "checks 1 " + std::string(36, '0') + ' ' + std::string(96, 'a');
    const std::string frame1_3 = "frame 1 1 0000000000000000 0000000000000000 0000000000000000\n";
    const std::string kNoInputLine =
        ":5: expected \"key 1 KEY ACTION\", \"mouse 1 ACTION BUTTON X Y\" or the frame's summary";
    const struct {
        std::string text;
        std::string problem;
    } cases[] = {
        {"", ": empty, not a recording"},
        {"P1\n3 2\n", ":1: not a recording: the first line is not \"vl-recording 3\""},
        {"vl-recording 0\n", ":1: not a recording: the first line is not \"vl-recording 3\""},
        {"vl-recording 7\n",
         ":1: recorded in a newer format (7); this program reads \"vl-recording 3\" and older"},
        {"vl-recording 2\ngame Velloc\nengine 1.0.0\nframe 1\n",
         ":4: expected \"seed HEXADECIMAL\""},
        {"vl-recording 1\ngame Snake\n", ":2: a recording of Snake, not of Velloc"},
        {"vl-recording 1\ngame Velloc\n", ":2: expected \"engine VERSION\""},
        {head + frame1, ": cut off after frame 1, before its end"},
        {head + frame1 + "key 2 50 0\nframe 2 0 00000000000",
         ": cut off after frame 1, before its end"},
        {"vl-recording 1\r\ngame Velloc\r\nengine 1.0.0\r\n" + frame1 + "end 2\r\n",
         ":5: expected \"end 1\""},
        {"vl-recording 1\ngame Velloc\nengine 1.0.10\n",
         ":3: recorded by a newer engine (1.0.10); this is engine 1.0.0"},
        {head + "frame 2 0 0000000000000000 0000000000000000\n", ":5: expected a line of frame 1"},
        {head + "frame 1 0 0000000000000000\n", ":5: expected \"frame 1 OBJECTS WORLD INPUT\""},
        {head + "key 1 50\n", kNoInputLine},
        {head + "held 1 000000000000000000 0\n", kNoInputLine},
        {head + "mouse 1 2 -1 nan 0\n", kNoInputLine},
        {head + "mouse 1 2 -1 inf 0\n", kNoInputLine},
        {head + "mouse 1 2 -1 1e3 5000\n", kNoInputLine},
        {head + "mouse 1 0 -1 1 1\n", kNoInputLine},
        {head + "mouse 1 2 3 1 1\n", kNoInputLine},
        {head + "key 1 72 0\n", kNoInputLine},
        {head + "key 1 50 3\n", kNoInputLine},
        {head + frame1 + "end 2\n", ":6: expected \"end 1\""},
        {head + std::string(vl::kMaxRecordingLine + 1, 'k') + "\n",
         ":5: longer than " + std::to_string(vl::kMaxRecordingLine) + " characters"},
        {head +
             [] {
                 std::string many;
                 for (int i = 0; i < 257; ++i) {
                     many += "key 1 50 0\n";
                 }
                 return many;
             }(),
         ":261: more than 256 input events in frame 1"},
        {head3 + frame1_3, ":5: expected \"checks 1 FIELDS ROWS OBJECTS\""},
        {head3 + checks1 + " -\n" + frame1_3,
         ":6: the checks line has 0 object checksums for 1 objects"},
        {head3 + checks1 + " 00g0\n", ":5: expected one \"checks 1 FIELDS ROWS OBJECTS\""},
        {head3 + checks1 + " 0000\n" + checks1 + " 0000\n",
         ":6: expected one \"checks 1 FIELDS ROWS OBJECTS\""},
        {head3 + checks1 + "a 0000\n", ":5: expected one \"checks 1 FIELDS ROWS OBJECTS\""},
        {head3 + "held 1 000000000000000000 8\n", ":5: expected one \"held 1 KEYS BUTTONS\""},
        {head3 + "held 1 00000000000000000 0\n", ":5: expected one \"held 1 KEYS BUTTONS\""},
        {head3 + "held 1 000000000000000000 0\nheld 1 000000000000000000 1\n",
         ":6: expected one \"held 1 KEYS BUTTONS\""},
        {head3 + checks1 + " 0000\nframe 1 1 0000000000000000 0000000000000000\n",
         ":6: expected \"frame 1 OBJECTS WORLD INPUT PICTURE\""},
    };
    for (const auto& c : cases) {
        const std::string file = writeTestFile("bad", c.text);
        vl::RecordingReader reader;
        std::vector<vl::RecordedInput> inputs;
        vl::FrameSummary summary;
        if (reader.open(file, "Velloc") == 0) {
            int frame = 1;
            while (reader.readFrame(frame, inputs, summary) == vl::RecordingReader::Step::Frame) {
                ++frame;
            }
        }
        EXPECT_EQ(reader.getProblem(), file + c.problem);
    }
    const std::string loop = testFolder() + "/loop";
    ASSERT_EQ(symlink("loop", loop.c_str()), 0);
    for (const auto& [path, problem] : {
             std::pair{testFolder() + "/missing", ": no such file"},
             std::pair{testFolder(), ": a folder, not a recording"},
             std::pair{loop, ": cannot be read (Too many levels of symbolic links)"},
         }) {
        vl::RecordingReader reader;
        EXPECT_EQ(reader.open(path, "Velloc"), -1);
        EXPECT_EQ(reader.getProblem(), path + problem);
    }
}

// The random source gives the same numbers from the same seed, each one
// within its bounds, both ends reached.
TEST(Random, ASeedGivesTheSameNumbersWithinTheirBounds) {
    const struct {
        int low, high;
    } ranges[] = {{0, 0}, {1, 6}, {-3, 3}, {5, 2}, {INT32_MIN, INT32_MAX}};
    for (const auto& range : ranges) {
        vl::seedRandom(42);
        std::vector<int> first;
        for (int i = 0; i < 200; ++i) {
            first.push_back(vl::randomInt(range.low, range.high));
        }
        vl::seedRandom(42);
        for (int i = 0; i < 200; ++i) {
            EXPECT_EQ(vl::randomInt(range.low, range.high), first[static_cast<size_t>(i)]);
        }
        const int high = std::max(range.low, range.high);
        const auto [least, most] = std::minmax_element(first.begin(), first.end());
        EXPECT_GE(*least, range.low);
        EXPECT_LE(*most, high);
        if (high - static_cast<long long>(range.low) < 10) {
            EXPECT_EQ(*least, range.low);
            EXPECT_EQ(*most, high);
        }
    }
    EXPECT_EQ(vl::getRandomSeed(), 42u);
    for (int i = 0; i < 1000; ++i) {
        const float unit = vl::randomUnit();
        ASSERT_GE(unit, 0.0f);
        ASSERT_LT(unit, 1.0f);
    }
}

}  // namespace
