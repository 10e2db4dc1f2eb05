#include "vl/resources/SpriteFile.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace vl {

namespace {

// Files saved with CR LF line ends load like LF files: a CR directly before
// the line feed is part of the line end. A CR anywhere else is a character.
std::string readLine(std::istream& in) {
    std::string line;
    std::getline(in, line);
    const bool ended_by_line_feed = !in.eof() && !in.fail();
    if (ended_by_line_feed && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Leading blanks, an optional sign, then digits up to the first non-digit; no
// digits reads as 0. A value outside the 32-bit range reads as -1, so the
// header treats it like a missing line.
int parseNumber(const std::string& text, size_t from) {
    size_t i = from;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // One past the largest magnitude: -2147483648 still fits.
    constexpr int64_t kMagnitudeLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMagnitudeLimit) {
            return -1;
        }
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) {
        return -1;
    }
    return static_cast<int>(value);
}

}  // namespace

std::string readKeyLine(std::istream& in, const std::string& key) {
    if (!in.good()) {
        return "";
    }
    std::string line = readLine(in);
    // A line too short to hold a separator after the key has no value; the key
    // alone is one such line.
    if (line.size() < key.size() + 1) {
        return "";
    }
    return line;
}

int readKeyNumber(std::istream& in, const std::string& key) {
    const std::string line = readKeyLine(in, key);
    if (line.empty()) {
        return -1;
    }
    // The header is read by position: whatever the key and separator
    // characters are, they are skipped.
    return parseNumber(line, key.size() + 1);
}

Frame parseFrame(std::istream& in, int width, int height) {
    std::string cells;
    for (int row = 0; row < height; ++row) {
        if (!in.good()) {
            return Frame();
        }
        // Rows are compared with the width only after reading, so a huge
        // declared width never costs more than the line actually read.
        const std::string line = readLine(in);
        if (width < 0 || line.size() != static_cast<size_t>(width)) {
            return Frame();
        }
        cells += line;
    }
    if (readLine(in) != kFrameEnd) {
        return Frame();
    }
    // No rectangle of a negative size holds width x height cells.
    if (width < 0 || height < 0) {
        return Frame();
    }
    return Frame(width, height, std::move(cells));
}

Color colorFromName(const std::string& name) {
    static const struct {
        const char* name;
        Color color;
    } kColorNames[] = {
        {"black", Black}, {"red", Red},         {"green", Green}, {"yellow", Yellow},
        {"blue", Blue},   {"magenta", Magenta}, {"cyan", Cyan},
    };
    for (const auto& entry : kColorNames) {
        if (name == entry.name) {
            return entry.color;
        }
    }
    return kDefaultColor;
}

std::unique_ptr<Sprite> readSprite(std::istream& in) {
    const int frame_count = readKeyNumber(in, kFramesKey);
    const int width = readKeyNumber(in, kWidthKey);
    const int height = readKeyNumber(in, kHeightKey);
    const std::string color_line = readKeyLine(in, kColorKey);
    const std::string color_name =
        color_line.empty() ? "" : color_line.substr(std::strlen(kColorKey) + 1);
    const int slowdown = readKeyNumber(in, kSlowdownKey);
    // A frame count below -1 cannot be a capacity: refused like a missing line.
    if (frame_count < 0 || width == -1 || height == -1 || slowdown == -1) {
        return nullptr;
    }
    // The sprite keeps only the frames actually read, so a huge declared count
    // costs nothing up front.
    auto sprite = std::make_unique<Sprite>(frame_count);
    // Every block attempt consumes at least one line, so the loop ends with
    // the file; a read error ends it too instead of spinning on a dead stream.
    while (in.good()) {
        sprite->insertFrame(parseFrame(in, width, height));
    }
    sprite->setWidth(width);
    sprite->setHeight(height);
    sprite->setSlowdown(slowdown);
    sprite->setColor(colorFromName(color_name));
    return sprite;
}

}  // namespace vl
