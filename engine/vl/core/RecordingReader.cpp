#include "vl/core/RecordingReader.h"

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "vl/core/RecordingWriter.h"
#include "vl/display/DisplayManager.h"

namespace vl {

namespace {

// The words of a line, split at single spaces; at most max_words, so that a
// line of many words cannot make many strings.
std::vector<std::string> wordsOf(const std::string& line, std::size_t max_words) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= line.size() && words.size() <= max_words) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

bool readInt(const std::string& word, long low, long high, long& value) {
    if (word.empty() || word.size() > 20) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtol(word.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

// A finite number between low and high, with a point whatever the locale.
bool readFloat(const std::string& word, float low, float high, float& value) {
    const char* end = word.data() + word.size();
    const std::from_chars_result read = std::from_chars(word.data(), end, value);
    return read.ec == std::errc() && read.ptr == end && std::isfinite(value) && value >= low &&
           value <= high;
}

// Whether version (MAJOR.MINOR.PATCH) is later than this engine's.
bool isNewerEngine(const std::string& version) {
    int newer[3] = {0, 0, 0};
    int ours[3] = {0, 0, 0};
    if (std::sscanf(version.c_str(), "%d.%d.%d", &newer[0], &newer[1], &newer[2]) != 3 ||
        std::sscanf(kEngineVersion, "%d.%d.%d", &ours[0], &ours[1], &ours[2]) != 3) {
        return false;
    }
    return std::lexicographical_compare(ours, ours + 3, newer, newer + 3);
}

bool readChecksum(const std::string& word, std::uint64_t& value) {
    if (word.size() != 16 || word.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
    }
    value = std::strtoull(word.c_str(), nullptr, 16);
    return true;
}

// Exactly count 16-bit checksums of four digits each, with no space between.
bool readChecks(const std::string& word, std::uint16_t* checks, std::size_t count) {
    if (word.size() != 4 * count ||
        word.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        checks[i] = static_cast<std::uint16_t>(std::stoul(word.substr(4 * i, 4), nullptr, 16));
    }
    return true;
}

// The objects' checksums, or "-" for none.
bool readObjectChecks(const std::string& word, std::vector<std::uint16_t>& checks) {
    const std::size_t count = word == "-" ? 0 : word.size() / 4;
    if (count > kMaxCheckedObjects || (count == 0 && word != "-")) {
        return false;
    }
    checks.resize(count);
    return count == 0 || readChecks(word, checks.data(), count);
}

// Bits from hexadecimal digits, the highest first; no digit may set a bit
// beyond the last.
template <std::size_t kBits>
bool readBits(const std::string& word, std::bitset<kBits>& bits) {
    constexpr std::size_t kDigits = (kBits + 3) / 4;
    if (word.size() != kDigits || word.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
    }
    bits.reset();
    for (std::size_t digit = 0; digit < kDigits; ++digit) {
        const unsigned value =
            static_cast<unsigned>(std::stoul(word.substr(digit, 1), nullptr, 16));
        for (std::size_t bit = 0; bit < 4; ++bit) {
            const std::size_t index = (kDigits - 1 - digit) * 4 + bit;
            if ((value >> bit & 1u) != 0 && index >= kBits) {
                return false;
            }
            if ((value >> bit & 1u) != 0) {
                bits.set(index);
            }
        }
    }
    return true;
}

// The largest frame number a recording can hold: about 2 years at 30 frames a second.
constexpr long kMaxFrame = 2000000000;
constexpr long kMaxObjects = 1000000;
// The values of the engine's keys, key actions, mouse actions and buttons.
constexpr long kLastKey = static_cast<long>(Key::Backspace);
constexpr long kLastMouseAction = static_cast<long>(MouseAction::Released);
constexpr long kLastButton = static_cast<long>(MouseButton::Middle);
// Pointer positions lie in the picture's pixels, or over the bars beside it
// in a window of another shape: never more than four pictures away.
constexpr float kMaxPointerReach = 4;

// The frames the stream's last line, "end N", gives; -1 without one. The
// stream is left at its start.
int endLineFrames(std::istream& in) {
    constexpr std::streamoff kTail = 32;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (!in || size <= 0) {
        in.clear();
        in.seekg(0);
        return -1;
    }
    in.seekg(std::max<std::streamoff>(0, size - kTail));
    std::string tail(static_cast<std::size_t>(std::min(size, kTail)), '\0');
    in.read(tail.data(), static_cast<std::streamsize>(tail.size()));
    in.clear();
    in.seekg(0);
    while (!tail.empty() && (tail.back() == '\n' || tail.back() == '\r')) {
        tail.pop_back();
    }
    const std::size_t line_end = tail.rfind('\n');
    if (line_end == std::string::npos && size > kTail) {
        return -1;
    }
    const std::size_t start = line_end == std::string::npos ? 0 : line_end + 1;
    long frames = -1;
    const std::string last = tail.substr(start);
    return last.rfind("end ", 0) == 0 && readInt(last.substr(4), 0, kMaxFrame, frames)
               ? static_cast<int>(frames)
               : -1;
}

}  // namespace

int RecordingReader::open(const std::string& file_path, const std::string& game) {
    in.reset();
    path = file_path;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file_path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        problem = path + ": no such file";
        return -1;
    }
    if (status.type() == std::filesystem::file_type::directory) {
        problem = path + ": a folder, not a recording";
        return -1;
    }
    errno = 0;
    auto file = std::make_unique<std::ifstream>(file_path, std::ios::binary);
    if (!*file) {
        problem = path + ": cannot be read (" +
                  (errno != 0 ? std::string(std::strerror(errno)) : "unknown reason") + ")";
        return -1;
    }
    return open(std::move(file), file_path, game);
}

int RecordingReader::open(std::unique_ptr<std::istream> stream, const std::string& name,
                          const std::string& game) {
    in = std::move(stream);
    path = name;
    recorded_frames = endLineFrames(*in);
    line_number = 0;
    problem.clear();
    const std::string first_line = kRecordingFirstLine;
    const std::string prefix = first_line.substr(0, first_line.find(' ') + 1);
    if (!nextLine()) {
        if (problem.empty()) {
            problem = path + ": empty, not a recording";
        }
        return -1;
    }
    long version = 0;
    const long newest = std::atol(first_line.c_str() + prefix.size());
    if (line.rfind(prefix, 0) != 0 || !readInt(line.substr(prefix.size()), 1, kMaxFrame, version)) {
        bad("not a recording: the first line is not \"" + first_line + "\"");
        return -1;
    }
    if (version > newest) {
        bad("recorded in a newer format (" + line.substr(prefix.size()) +
            "); this program reads \"" + first_line + "\" and older");
        return -1;
    }
    if (!nextLine() || line.rfind("game ", 0) != 0) {
        bad("expected \"game NAME\"");
        return -1;
    }
    if (line.substr(5) != game) {
        bad("a recording of " + line.substr(5) + ", not of " + game);
        return -1;
    }
    if (!nextLine() || line.rfind("engine ", 0) != 0) {
        bad("expected \"engine VERSION\"");
        return -1;
    }
    if (isNewerEngine(line.substr(7))) {
        bad("recorded by a newer engine (" + line.substr(7) + "); this is engine " +
            kEngineVersion);
        return -1;
    }
    format = static_cast<int>(version);
    held = HeldInput();
    if (hasSeed() &&
        (!nextLine() || line.rfind("seed ", 0) != 0 || !readChecksum(line.substr(5), seed))) {
        bad("expected \"seed HEXADECIMAL\"");
        return -1;
    }
    return 0;
}

bool RecordingReader::nextLine() {
    if (!problem.empty() || !in || !std::getline(*in, line)) {
        return false;
    }
    // A last line without its line end was cut off as it was written.
    cut_line = in->eof();
    ++line_number;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (line.size() > kMaxRecordingLine) {
        bad("longer than " + std::to_string(kMaxRecordingLine) + " characters");
        return false;
    }
    return true;
}

RecordingReader::Step RecordingReader::bad(const std::string& message) {
    if (problem.empty()) {
        problem = path + ":" + std::to_string(line_number) + ": " + message;
    }
    return Step::Bad;
}

RecordingReader::Step RecordingReader::readFrame(int frame, std::vector<RecordedInput>& inputs,
                                                 FrameSummary& summary) {
    inputs.clear();
    bool has_checks = false;
    bool has_held = false;
    const std::string expected_frame = std::to_string(frame);
    while (nextLine()) {
        const std::vector<std::string> words = wordsOf(line, 6);
        const std::string& kind = words[0];
        if (cut_line && kind != "end") {
            break;
        }
        long number = 0;
        if (kind == "end") {
            if (words.size() != 2 || !readInt(words[1], 0, kMaxFrame, number) ||
                number != frame - 1 || !inputs.empty()) {
                return bad("expected \"end " + std::to_string(frame - 1) + "\"");
            }
            return Step::End;
        }
        if (words.size() < 2 || words[1] != expected_frame) {
            return bad("expected a line of frame " + expected_frame);
        }
        if (kind == "frame") {
            const std::size_t words_expected = format >= 3 ? 6 : 5;
            long objects = 0;
            if (words.size() != words_expected || !readInt(words[2], 0, kMaxObjects, objects) ||
                !readChecksum(words[3], summary.world) || !readChecksum(words[4], summary.input) ||
                (format >= 3 && !readChecksum(words[5], summary.picture))) {
                return bad("expected \"frame " + expected_frame + " OBJECTS WORLD INPUT" +
                           (format >= 3 ? " PICTURE" : "") + "\"");
            }
            summary.objects = static_cast<int>(objects);
            if (format >= 3 && !has_checks) {
                return bad("expected \"checks " + expected_frame + " FIELDS ROWS OBJECTS\"");
            }
            if (format >= 3 &&
                summary.object_checks.size() !=
                    std::min<std::size_t>(static_cast<std::size_t>(objects), kMaxCheckedObjects)) {
                return bad("the checks line has " + std::to_string(summary.object_checks.size()) +
                           " object checksums for " + std::to_string(objects) + " objects");
            }
            summary.has_details = format >= 3;
            return Step::Frame;
        }
        if (kind == "checks" && format >= 3) {
            if (has_checks || words.size() != 5 ||
                !readChecks(words[2], summary.fields.data(), kSummaryFields) ||
                !readChecks(words[3], summary.rows.data(), kSummaryRows) ||
                !readObjectChecks(words[4], summary.object_checks)) {
                return bad("expected one \"checks " + expected_frame + " FIELDS ROWS OBJECTS\"");
            }
            has_checks = true;
            continue;
        }
        if (kind == "held" && format >= 3) {
            if (has_held || words.size() != 4 || !readBits(words[2], held.keys) ||
                !readBits(words[3], held.buttons)) {
                return bad("expected one \"held " + expected_frame + " KEYS BUTTONS\"");
            }
            has_held = true;
            continue;
        }
        if (inputs.size() == kMaxInputsPerFrame) {
            return bad("more than " + std::to_string(kMaxInputsPerFrame) +
                       " input events in frame " + expected_frame);
        }
        RecordedInput input;
        long action = 0;
        long code = 0;
        const float x_reach = kMaxPointerReach * kWindowHorizontalPixels;
        const float y_reach = kMaxPointerReach * kWindowVerticalPixels;
        if (kind == "key" && words.size() == 4 && readInt(words[2], -1, kLastKey, code) &&
            readInt(words[3], 0, static_cast<long>(KeyAction::Held), action)) {
            input.keyboard.setKey(static_cast<Key>(code));
            input.keyboard.setAction(static_cast<KeyAction>(action));
        } else if (float x = 0, y = 0;
                   kind == "mouse" && words.size() == 6 &&
                   readInt(words[2], 1, kLastMouseAction, action) &&
                   readInt(words[3], -1, kLastButton, code) &&
                   readFloat(words[4], -x_reach, x_reach + kWindowHorizontalPixels, x) &&
                   readFloat(words[5], -y_reach, y_reach + kWindowVerticalPixels, y)) {
            input.is_mouse = true;
            input.mouse.setAction(static_cast<MouseAction>(action));
            input.mouse.setButton(static_cast<MouseButton>(code));
            input.mouse.setPixelPosition(Vector(x, y));
        } else {
            return bad("expected \"key " + expected_frame + " KEY ACTION\", \"mouse " +
                       expected_frame + " ACTION BUTTON X Y\" or the frame's summary");
        }
        inputs.push_back(input);
    }
    if (!problem.empty()) {
        return Step::Bad;
    }
    problem = path + ": cut off after frame " + std::to_string(frame - 1) + ", before its end";
    return Step::CutOff;
}

}  // namespace vl
