#include "vl/core/worldSummary.h"

#include <cstring>
#include <string>

#include "vl/display/ViewObject.h"
#include "vl/world/WorldManager.h"

namespace vl {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

class Hash {
  public:
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

    std::uint64_t value = kFnvOffset;
};

}  // namespace

WorldSummary summarizeWorld() {
    const ObjectList& objects = WorldManager::getInstance().allObjects();
    Hash hash;
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
    return WorldSummary{objects.count(), hash.value};
}

}  // namespace vl
