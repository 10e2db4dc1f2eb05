#include "InputRecorder.h"

#include <utility>

namespace {

// The name of an enum value counted from -1 (Undefined); a value outside the
// names reads as Undefined.
template <typename Enum>
std::string nameOf(Enum value, const std::vector<std::string>& names_from_minus_one) {
    const int index = static_cast<int>(value) + 1;
    const bool known = index > 0 && index < static_cast<int>(names_from_minus_one.size());
    return known ? names_from_minus_one[static_cast<size_t>(index)] : "Undefined";
}

std::string describe(const vl::Event& event) {
    if (event.getType() == vl::kKeyboardEvent) {
        const auto& keyboard = static_cast<const vl::EventKeyboard&>(event);
        return "key " + std::to_string(static_cast<int>(keyboard.getKey())) + " " +
               nameOf(keyboard.getAction(), {"Undefined", "Pressed", "Released", "Held"});
    }
    const auto& mouse = static_cast<const vl::EventMouse&>(event);
    const vl::Vector pixels = mouse.getPixelPosition();
    return "mouse " + nameOf(mouse.getAction(), {"Undefined", "Undefined", "Held", "Moved"}) + " " +
           nameOf(mouse.getButton(), {"Undefined", "Left", "Right", "Middle"}) + " " +
           std::to_string(static_cast<int>(pixels.x)) + "," +
           std::to_string(static_cast<int>(pixels.y));
}

}  // namespace

InputRecorder::InputRecorder() {
    setType("InputRecorder");
}

int InputRecorder::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kKeyboardEvent && event->getType() != vl::kMouseEvent) {
        return 0;
    }
    records.push_back(describe(*event));
    if (on_record) {
        on_record(records.back());
    }
    return 1;
}

std::vector<std::string> InputRecorder::take() {
    return std::exchange(records, {});
}
