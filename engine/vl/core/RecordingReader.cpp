#include "vl/core/RecordingReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "vl/core/RecordingWriter.h"

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

bool readFloat(const std::string& word, float& value) {
    if (word.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    value = std::strtof(word.c_str(), &end);
    return errno == 0 && *end == '\0' && value == value;
}

bool readChecksum(const std::string& word, std::uint64_t& value) {
    if (word.size() != 16 || word.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
    }
    value = std::strtoull(word.c_str(), nullptr, 16);
    return true;
}

// The largest frame number a recording can hold: about 2 years at 30 frames a second.
constexpr long kMaxFrame = 2000000000;
constexpr long kMaxEnum = 1000;
constexpr long kMaxObjects = 1000000;

}  // namespace

int RecordingReader::open(const std::string& file_path, const std::string& game) {
    auto file = std::make_unique<std::ifstream>(file_path);
    if (!*file) {
        in.reset();
        path = file_path;
        problem = path + ": cannot be opened";
        return -1;
    }
    return open(std::move(file), file_path, game);
}

int RecordingReader::open(std::unique_ptr<std::istream> stream, const std::string& name,
                          const std::string& game) {
    in = std::move(stream);
    path = name;
    line_number = 0;
    problem.clear();
    const std::string first_line = kRecordingFirstLine;
    const std::string format = first_line.substr(0, first_line.find(' ') + 1);
    if (!nextLine()) {
        if (problem.empty()) {
            problem = path + ": empty, not a recording";
        }
        return -1;
    }
    if (line.rfind(format, 0) != 0) {
        bad("not a recording: the first line is not \"" + first_line + "\"");
        return -1;
    }
    if (line != first_line) {
        long version = 0;
        const bool newer = readInt(line.substr(format.size()), 2, kMaxFrame, version);
        bad(newer ? "recorded in a newer format (" + line.substr(format.size()) +
                        "); this program reads \"" + first_line + "\""
                  : "not a recording: the first line is not \"" + first_line + "\"");
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
    return 0;
}

bool RecordingReader::nextLine() {
    if (!problem.empty() || !in || !std::getline(*in, line)) {
        return false;
    }
    ++line_number;
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
    const std::string expected_frame = std::to_string(frame);
    while (nextLine()) {
        const std::vector<std::string> words = wordsOf(line, 6);
        const std::string& kind = words[0];
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
            long objects = 0;
            if (words.size() != 5 || !readInt(words[2], 0, kMaxObjects, objects) ||
                !readChecksum(words[3], summary.world) || !readChecksum(words[4], summary.input)) {
                return bad("expected \"frame " + expected_frame + " OBJECTS WORLD INPUT\"");
            }
            summary.objects = static_cast<int>(objects);
            return Step::Frame;
        }
        if (inputs.size() == kMaxInputsPerFrame) {
            return bad("more than " + std::to_string(kMaxInputsPerFrame) +
                       " input events in frame " + expected_frame);
        }
        RecordedInput input;
        long action = 0;
        long code = 0;
        if (kind == "key" && words.size() == 4 && readInt(words[2], -1, kMaxEnum, code) &&
            readInt(words[3], -1, kMaxEnum, action)) {
            input.keyboard.setKey(static_cast<Key>(code));
            input.keyboard.setAction(static_cast<KeyAction>(action));
        } else if (float x = 0, y = 0; kind == "mouse" && words.size() == 6 &&
                                       readInt(words[2], -1, kMaxEnum, action) &&
                                       readInt(words[3], -1, kMaxEnum, code) &&
                                       readFloat(words[4], x) && readFloat(words[5], y)) {
            input.is_mouse = true;
            input.mouse.setAction(static_cast<MouseAction>(action));
            input.mouse.setButton(static_cast<MouseButton>(code));
            input.mouse.setPixelPosition(Vector(x, y));
        } else {
            return bad("expected \"key " + expected_frame + " KEY ACTION\", \"mouse " +
                       expected_frame + " ACTION BUTTON X Y\" or \"frame " + expected_frame +
                       " OBJECTS WORLD INPUT\"");
        }
        inputs.push_back(input);
    }
    if (!problem.empty()) {
        return Step::Bad;
    }
    return bad("the recording stops after frame " + std::to_string(frame - 1) +
               " without its end line");
}

}  // namespace vl
