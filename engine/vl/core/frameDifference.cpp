#include "vl/core/frameDifference.h"

#include <charconv>
#include <cmath>

#include "vl/world/Object.h"
#include "vl/world/WorldManager.h"

namespace vl {

namespace {

const char* keyActionName(KeyAction action) {
    static constexpr const char* kNames[] = {"Pressed", "Released", "Held"};
    const auto index = static_cast<std::size_t>(action);
    return index < 3 ? kNames[index] : "Undefined";
}

const char* mouseActionName(MouseAction action) {
    static constexpr const char* kNames[] = {"Held", "Moved", "Pressed", "Released"};
    const auto index = static_cast<std::size_t>(action) - 1;
    return index < 4 ? kNames[index] : "Undefined";
}

const char* buttonName(MouseButton button) {
    static constexpr const char* kNames[] = {"Left", "Right", "Middle"};
    const auto index = static_cast<std::size_t>(button);
    return index < 3 ? kNames[index] : "Undefined";
}

std::string number(float value) {
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

std::string describe(const RecordedInput& input) {
    if (!input.is_mouse) {
        return "key " + std::to_string(static_cast<int>(input.keyboard.getKey())) + ' ' +
               keyActionName(input.keyboard.getAction());
    }
    const EventMouse& mouse = input.mouse;
    std::string text = std::string("mouse ") + mouseActionName(mouse.getAction());
    if (mouse.getButton() != MouseButton::Undefined) {
        text += std::string(" ") + buttonName(mouse.getButton());
    }
    return text + " at " + number(mouse.getPixelPosition().x) + ',' +
           number(mouse.getPixelPosition().y);
}

bool sameInput(const RecordedInput& a, const RecordedInput& b) {
    if (a.is_mouse != b.is_mouse) {
        return false;
    }
    if (!a.is_mouse) {
        return a.keyboard.getKey() == b.keyboard.getKey() &&
               a.keyboard.getAction() == b.keyboard.getAction();
    }
    return a.mouse.getAction() == b.mouse.getAction() &&
           a.mouse.getButton() == b.mouse.getButton() &&
           a.mouse.getPixelPosition() == b.mouse.getPixelPosition();
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    }
    return text;
}

std::string describeCell(const FrameCell& cell) {
    return std::string("'") + cell.ch + "' " + colorName(cell.color) + " at " +
           number(cell.view_position.x) + ',' + number(cell.view_position.y);
}

}  // namespace

std::string describeInputDifference(const std::vector<RecordedInput>& sent,
                                    const std::vector<RecordedInput>& recorded,
                                    bool checksums_agree) {
    std::size_t i = 0;
    while (i < sent.size() && i < recorded.size() && sameInput(sent[i], recorded[i])) {
        ++i;
    }
    const std::string place = "its input event " + std::to_string(i + 1);
    if (i < sent.size() && i < recorded.size()) {
        return place + " is " + describe(sent[i]) + ", the recording's " + describe(recorded[i]);
    }
    if (i < sent.size()) {
        return place + ", " + describe(sent[i]) + ", is not in the recording";
    }
    if (i < recorded.size()) {
        return place + ", " + describe(recorded[i]) + ", was recorded but not sent";
    }
    return checksums_agree ? std::string()
                           : "its input events do not give the checksum recorded with them";
}

std::string describeWorldDifference(const FrameSummary& now, const FrameSummary& recorded) {
    if (now.objects == recorded.objects && now.world == recorded.world) {
        return std::string();
    }
    std::string text;
    if (now.objects != recorded.objects) {
        text = "the world holds " + std::to_string(now.objects) + " objects, the recording " +
               std::to_string(recorded.objects);
    }
    if (!recorded.has_details) {
        return text.empty() ? "an object's type, place, motion, box, sprite or value differs from "
                              "the recording"
                            : text;
    }
    std::size_t first = 0;
    while (first < now.object_checks.size() && first < recorded.object_checks.size() &&
           now.object_checks[first] == recorded.object_checks[first]) {
        ++first;
    }
    const ObjectList& objects = WorldManager::getInstance().allObjects();
    std::string object;
    if (first < static_cast<std::size_t>(objects.count())) {
        object = "object " + std::to_string(first + 1) + " (" +
                 objects[static_cast<int>(first)]->getType() + ")";
    } else if (first < recorded.object_checks.size()) {
        object = "object " + std::to_string(first + 1) + " (no longer in the world)";
    }
    std::vector<std::string> fields;
    for (std::size_t field = 0; field < kSummaryFields; ++field) {
        if (now.fields[field] != recorded.fields[field]) {
            fields.emplace_back(kSummaryFieldNames[field]);
        }
    }
    if (!text.empty()) {
        return object.empty() ? text : text + "; the first that differs is " + object;
    }
    const std::string differing = fields.empty() ? std::string("fields") : listed(fields);
    return object.empty() ? "the objects' " + differing + " differ"
                          : object + " differs in its " + differing;
}

std::string describePictureDifference(const FrameSummary& now, const FrameSummary& recorded,
                                      const std::vector<FrameCell>& cells) {
    if (!recorded.has_details || now.picture == recorded.picture) {
        return std::string();
    }
    std::size_t row = 0;
    while (row < kSummaryRows && now.rows[row] == recorded.rows[row]) {
        ++row;
    }
    if (row == kSummaryRows) {
        return "the picture differs outside its rows, or in the order its cells are drawn";
    }
    constexpr std::size_t kCellsShown = 3;
    std::vector<std::string> shown;
    std::size_t in_row = 0;
    for (const FrameCell& cell : cells) {
        if (rowOf(cell) == row && in_row++ < kCellsShown) {
            shown.push_back(describeCell(cell));
        }
    }
    if (in_row > kCellsShown) {
        shown.push_back(std::to_string(in_row - kCellsShown) + " more");
    }
    return "the picture differs in row " + std::to_string(row) + ", which now shows " +
           (shown.empty() ? std::string("nothing") : listed(shown));
}

}  // namespace vl
