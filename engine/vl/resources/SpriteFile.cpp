#include "vl/resources/SpriteFile.h"

#include "vl/resources/BlockReport.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>

namespace vl {

namespace {

constexpr const char* kHeaderKeys[] = {kFramesKey, kWidthKey, kHeightKey, kColorKey, kSlowdownKey};

// Reads a sprite file line by line, counting the lines, and records problems
// when it has a list to record them in.
struct LineReader {
    LineReader(std::istream& stream, ProblemList* problem_list)
        : in(stream), problems(problem_list) {}

    std::istream& in;
    ProblemList* problems;
    int lines_read = 0;
    bool file_end_reported = false;
    // The last line read that was not empty.
    std::string last_text;

    // Files saved with CR LF line ends load like LF files: a CR directly before
    // the line feed is part of the line end. A CR anywhere else is a character.
    std::string next() {
        std::string line;
        std::getline(in, line);
        if (in.fail()) {
            return line;
        }
        ++lines_read;
        if (!in.eof() && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            last_text = line;
        }
        return line;
    }

    void report(int line, std::string message) {
        if (problems != nullptr) {
            problems->add(line, std::move(message));
        }
    }
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

enum class NumberShape { Whole, NoDigits, TextAfterDigits, OutOfRange };

struct ReadNumber {
    int value;
    NumberShape shape;
};

// Leading blanks, an optional sign, then digits up to the first non-digit; no
// digits reads as 0. A value outside the 32-bit range reads as -1, so the
// header treats it like a missing line.
ReadNumber parseNumber(const std::string& text, size_t from) {
    size_t i = from;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t first_digit = i;
    // One past the largest magnitude: -2147483648 still fits.
    constexpr int64_t kMagnitudeLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMagnitudeLimit) {
            return {-1, NumberShape::OutOfRange};
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) {
        return {-1, NumberShape::OutOfRange};
    }
    if (i == first_digit) {
        return {0, NumberShape::NoDigits};
    }
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    // Blanks after the number are as harmless as blanks before it.
    return {static_cast<int>(value),
            i == text.size() ? NumberShape::Whole : NumberShape::TextAfterDigits};
}

bool isHeaderKey(const std::string& word) {
    for (const char* key : kHeaderKeys) {
        if (word == key) {
            return true;
        }
    }
    return false;
}

// The message for a header line whose first word is not the key it should
// hold, or an empty text when it is.
std::string keyMismatch(const std::string& line, const std::string& key) {
    size_t word_end = 0;
    while (word_end < line.size() && isLetter(line[word_end])) {
        ++word_end;
    }
    const std::string word = line.substr(0, word_end);
    if (word == key) {
        return "";
    }
    if (isHeaderKey(word)) {
        return "expected " + quoteFound(key) + " here, found " + quoteFound(word) +
               ": the header keys go in the order frames, width, height, color, slowdown";
    }
    return "expected " + quoteFound(key) + ", found " + quoteFound(word.empty() ? line : word);
}

struct HeaderLine {
    // The line, or the empty text when it is missing or holds no value.
    std::string text;
    // A problem of this line has been reported already.
    bool reported;
};

HeaderLine readHeaderLine(LineReader& reader, const std::string& key) {
    const bool readable = reader.in.good();
    std::string line = readable ? reader.next() : "";
    if (!readable || (reader.in.fail() && line.empty())) {
        // The first header line the file lacks is the one to write.
        if (!reader.file_end_reported) {
            reader.report(reader.lines_read + 1,
                          "the file ends before the " + quoteFound(key) + " line");
            reader.file_end_reported = true;
        }
        return {"", true};
    }
    const int number = reader.lines_read;
    // A line too short to hold a separator after the key has no value; the key
    // alone is one such line.
    if (line.size() < key.size() + 1) {
        if (line.empty()) {
            reader.report(number,
                          "the line is empty, expected " + quoteFound(key) + " and its value");
        } else if (line == key) {
            reader.report(number, quoteFound(key) + " has no value");
        } else {
            reader.report(number, "expected " + quoteFound(key) + " and its value, found " +
                                      quoteFound(line));
        }
        return {"", true};
    }
    const std::string mismatch = keyMismatch(line, key);
    if (!mismatch.empty()) {
        reader.report(number, mismatch);
    }
    return {std::move(line), !mismatch.empty()};
}

struct HeaderNumber {
    int value;
    int line;
    bool reported;
};

HeaderNumber readHeaderNumber(LineReader& reader, const std::string& key) {
    const HeaderLine line = readHeaderLine(reader, key);
    if (line.text.empty()) {
        return {-1, reader.lines_read, true};
    }
    // The header is read by position: whatever the key and separator
    // characters are, they are skipped.
    const size_t value_start = key.size() + 1;
    const ReadNumber number = parseNumber(line.text, value_start);
    // Enough of the value to quote; a huge line is not copied.
    const std::string value_text = line.text.substr(value_start, 64);
    std::string message;
    switch (number.shape) {
        case NumberShape::Whole:
            break;
        case NumberShape::NoDigits:
            message = line.text.find_first_not_of(" \t", value_start) == std::string::npos
                          ? quoteFound(key) + " has no value"
                          : quoteFound(key) + " needs a number, found " + quoteFound(value_text);
            break;
        case NumberShape::TextAfterDigits:
            message = quoteFound(key) + " needs a whole number, found " + quoteFound(value_text);
            break;
        case NumberShape::OutOfRange:
            message = quoteFound(key) + " is out of range: " + quoteFound(value_text);
            break;
    }
    const bool report = !message.empty() && !line.reported;
    if (report) {
        reader.report(reader.lines_read, message);
    }
    return {number.value, reader.lines_read, line.reported || report};
}

// Reports a frame count, width or height below 1 that no other problem of its
// line explains.
void checkSize(LineReader& reader, const HeaderNumber& size, const char* key) {
    if (!size.reported && size.value < 1) {
        reader.report(size.line,
                      quoteFound(key) + " must be 1 or more, found " + std::to_string(size.value));
    }
}

void checkColorName(LineReader& reader, const HeaderLine& line, const std::string& name) {
    if (!line.reported && name != "white" && colorFromName(name) == kDefaultColor) {
        reader.report(reader.lines_read,
                      "unknown colour " + quoteFound(name) +
                          ": use black, red, green, yellow, blue, magenta, cyan or white");
    }
}

// Notes what the attempt read: its first line, and where and why it failed.
void noteLine(const LineReader& reader, BlockAttempt& attempt, const std::string& line) {
    if (attempt.first_line == 0 && !reader.in.fail()) {
        attempt.first_line = reader.lines_read;
        attempt.first_text = line;
    }
}

Frame failBlock(const LineReader& reader, BlockAttempt& attempt, int row, std::string found) {
    attempt.file_ended = reader.in.fail();
    attempt.failed_line = reader.lines_read + (attempt.file_ended ? 1 : 0);
    attempt.failed_row = row;
    attempt.found = std::move(found);
    return Frame();
}

Frame readBlock(LineReader& reader, int width, int height, BlockAttempt& attempt) {
    std::string cells;
    for (int row = 0; row < height; ++row) {
        if (!reader.in.good()) {
            return failBlock(reader, attempt, row + 1, "");
        }
        // Rows are compared with the width only after reading, so a huge
        // declared width never costs more than the line actually read.
        const std::string line = reader.next();
        noteLine(reader, attempt, line);
        if (width < 0 || line.size() != static_cast<size_t>(width)) {
            return failBlock(reader, attempt, row + 1, line);
        }
        cells += line;
    }
    const std::string end_line = reader.next();
    noteLine(reader, attempt, end_line);
    if (end_line != kFrameEnd) {
        return failBlock(reader, attempt, height + 1, end_line);
    }
    // No rectangle of a negative size holds width x height cells.
    if (width < 0 || height < 0) {
        return Frame();
    }
    attempt.made_frame = true;
    return Frame(width, height, std::move(cells));
}

std::unique_ptr<Sprite> readWithReader(LineReader& reader) {
    const HeaderNumber frame_count = readHeaderNumber(reader, kFramesKey);
    checkSize(reader, frame_count, kFramesKey);
    const HeaderNumber width = readHeaderNumber(reader, kWidthKey);
    checkSize(reader, width, kWidthKey);
    const HeaderNumber height = readHeaderNumber(reader, kHeightKey);
    checkSize(reader, height, kHeightKey);
    const HeaderLine color_line = readHeaderLine(reader, kColorKey);
    const std::string color_name =
        color_line.text.empty() ? "" : color_line.text.substr(std::strlen(kColorKey) + 1);
    checkColorName(reader, color_line, color_name);
    const HeaderNumber slowdown = readHeaderNumber(reader, kSlowdownKey);
    if (!slowdown.reported && slowdown.value == -1) {
        reader.report(slowdown.line, quoteFound(kSlowdownKey) +
                                         " of -1 reads as a missing line; use 1 for a new "
                                         "frame on every draw");
    }
    // A frame count below -1 cannot be a capacity: refused like a missing line.
    if (frame_count.value < 0 || width.value == -1 || height.value == -1 || slowdown.value == -1) {
        return nullptr;
    }
    // The sprite keeps only the frames actually read, so a huge declared count
    // costs nothing up front.
    auto sprite = std::make_unique<Sprite>(frame_count.value);
    // Blocks of a sprite without size say nothing its header did not.
    std::unique_ptr<BlockReport> blocks;
    if (reader.problems != nullptr && width.value >= 1 && height.value >= 1) {
        blocks = std::make_unique<BlockReport>(*reader.problems, width.value, height.value,
                                               frame_count.value, frame_count.line);
    }
    // Every block attempt consumes at least one line, so the loop ends with
    // the file; a read error ends it too instead of spinning on a dead stream.
    while (reader.in.good()) {
        BlockAttempt attempt;
        const Frame frame = readBlock(reader, width.value, height.value, attempt);
        const int number = sprite->getFrameCount() + 1;
        const bool taken = sprite->getFrameCount() < sprite->getFrameCapacity();
        sprite->insertFrame(frame);
        if (blocks != nullptr) {
            blocks->take(attempt, number, taken);
        }
    }
    if (blocks != nullptr) {
        blocks->finish(reader.last_text, reader.lines_read);
    }
    sprite->setWidth(width.value);
    sprite->setHeight(height.value);
    sprite->setSlowdown(slowdown.value);
    sprite->setColor(colorFromName(color_name));
    return sprite;
}

}  // namespace

std::string readKeyLine(std::istream& in, const std::string& key) {
    LineReader reader(in, nullptr);
    return readHeaderLine(reader, key).text;
}

int readKeyNumber(std::istream& in, const std::string& key) {
    LineReader reader(in, nullptr);
    return readHeaderNumber(reader, key).value;
}

Frame parseFrame(std::istream& in, int width, int height) {
    LineReader reader(in, nullptr);
    BlockAttempt attempt;
    return readBlock(reader, width, height, attempt);
}

Color colorFromName(const std::string& name) {
    for (int32_t color = Black; color <= White; ++color) {
        if (name == kColorNames[color]) {
            return static_cast<Color>(color);
        }
    }
    return kDefaultColor;
}

std::unique_ptr<Sprite> readSprite(std::istream& in) {
    LineReader reader(in, nullptr);
    return readWithReader(reader);
}

std::unique_ptr<Sprite> readSprite(std::istream& in, ProblemList& problems) {
    LineReader reader(in, &problems);
    return readWithReader(reader);
}

std::unique_ptr<Sprite> readSpriteFile(const std::string& file_name, ProblemList& problems) {
    const std::string unreadable = whyUnreadable(file_name);
    if (!unreadable.empty()) {
        problems.add(0, unreadable);
        return nullptr;
    }
    std::ifstream in(file_name);
    return readSprite(in, problems);
}

}  // namespace vl
