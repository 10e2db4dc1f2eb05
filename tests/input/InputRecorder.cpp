#include "InputRecorder.h"

#include <utility>

namespace {

std::string keyActionName(vl::KeyAction action) {
    switch (action) {
        case vl::KeyAction::Pressed:
            return "Pressed";
        case vl::KeyAction::Released:
            return "Released";
        case vl::KeyAction::Held:
            return "Held";
        default:
            return "Undefined";
    }
}

std::string mouseActionName(vl::MouseAction action) {
    switch (action) {
        case vl::MouseAction::Held:
            return "Held";
        case vl::MouseAction::Moved:
            return "Moved";
        default:
            return "Undefined";
    }
}

std::string buttonName(vl::MouseButton button) {
    switch (button) {
        case vl::MouseButton::Left:
            return "Left";
        case vl::MouseButton::Right:
            return "Right";
        case vl::MouseButton::Middle:
            return "Middle";
        default:
            return "Undefined";
    }
}

std::string describe(const vl::Event& event) {
    if (event.getType() == vl::kKeyboardEvent) {
        const auto& keyboard = static_cast<const vl::EventKeyboard&>(event);
        return "key " + std::to_string(static_cast<int>(keyboard.getKey())) + " " +
               keyActionName(keyboard.getAction());
    }
    const auto& mouse = static_cast<const vl::EventMouse&>(event);
    const vl::Vector pixels = mouse.getPixelPosition();
    return "mouse " + mouseActionName(mouse.getAction()) + " " + buttonName(mouse.getButton()) +
           " " + std::to_string(static_cast<int>(pixels.x)) + "," +
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
