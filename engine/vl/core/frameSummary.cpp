#include "vl/core/frameSummary.h"

#include <cstring>
#include <string>

#include "vl/display/ViewObject.h"
#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"
#include "vl/world/WorldManager.h"

namespace vl {

namespace {

constexpr std::uint64_t kFnvPrime = 1099511628211ull;

class Hash {
  public:
    explicit Hash(std::uint64_t start) : value(start) {}

    void add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value = (value ^ bytes[i]) * kFnvPrime;
        }
    }
    // Floats by their bits: two runs agree only when every bit does.
    void add(float number) { add(&number, sizeof number); }
    void add(std::int32_t number) { add(&number, sizeof number); }
    void add(Vector vector) {
        add(vector.x);
        add(vector.y);
    }
    // The length first, so that "ab" + "c" and "a" + "bc" differ.
    void add(const std::string& text) {
        add(static_cast<std::int32_t>(text.size()));
        add(text.data(), text.size());
    }

    std::uint64_t value;
};

}  // namespace

FrameSummary summarizeFrame(std::uint64_t input_checksum) {
    const ObjectList& objects = WorldManager::getInstance().allObjects();
    Hash hash(kNoInput);
    for (int i = 0; i < objects.count(); ++i) {
        const Object& object = *objects[i];
        hash.add(object.getType());
        hash.add(object.getPosition());
        hash.add(object.getDirection());
        hash.add(object.getSpeed());
        const Box box = object.getBox();
        hash.add(box.corner);
        hash.add(box.horizontal);
        hash.add(box.vertical);
        hash.add(static_cast<std::int32_t>(object.getSolidness()));
        hash.add(static_cast<std::int32_t>(object.getAltitude()));
        const Animation animation = object.getAnimation();
        hash.add(animation.name);
        hash.add(static_cast<std::int32_t>(animation.frame_index));
        if (const auto* display = dynamic_cast<const ViewObject*>(&object)) {
            hash.add(static_cast<std::int32_t>(display->getValue()));
        }
    }
    return FrameSummary{objects.count(), hash.value, input_checksum};
}

std::uint64_t addInputToChecksum(std::uint64_t checksum, const Event& event) {
    Hash hash(checksum);
    if (event.getType() == kKeyboardEvent) {
        const auto& keyboard = static_cast<const EventKeyboard&>(event);
        hash.add(event.getType());
        hash.add(static_cast<std::int32_t>(keyboard.getKey()));
        hash.add(static_cast<std::int32_t>(keyboard.getAction()));
    } else if (event.getType() == kMouseEvent) {
        const auto& mouse = static_cast<const EventMouse&>(event);
        hash.add(event.getType());
        hash.add(static_cast<std::int32_t>(mouse.getAction()));
        hash.add(static_cast<std::int32_t>(mouse.getButton()));
        hash.add(mouse.getPixelPosition());
    }
    return hash.value;
}

}  // namespace vl
