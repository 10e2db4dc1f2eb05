#include "support/Probe.h"

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
    if (event.getType() != vl::kMouseEvent) {
        return event.getType();
    }
    const auto& mouse = static_cast<const vl::EventMouse&>(event);
    const vl::Vector pixels = mouse.getPixelPosition();
    return "mouse " +
           nameOf(mouse.getAction(),
                  {"Undefined", "Undefined", "Held", "Moved", "Pressed", "Released"}) +
           " " + nameOf(mouse.getButton(), {"Undefined", "Left", "Right", "Middle"}) + " " +
           std::to_string(static_cast<int>(pixels.x)) + "," +
           std::to_string(static_cast<int>(pixels.y));
}

}  // namespace

Probe::Probe(std::string probe_name, std::vector<std::string>* probe_log)
    : name(std::move(probe_name)), log(probe_log) {
    setType("Probe");
}

Probe::~Probe() {
    note("destroyed");
}

int Probe::handleEvent(const vl::Event* event) {
    note(describe(*event));
    if (on_event) {
        on_event(*this, *event);
    }
    return vl::Object::handleEvent(event);
}

int Probe::draw() {
    note("draw");
    return 0;
}

void Probe::note(const std::string& what) {
    log->push_back(name.empty() ? what : name + ":" + what);
}
