#include "vl/core/frameSummary.h"

#include <cmath>
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
    explicit Hash(std::uint64_t start = kNoInput) : value(start) {}

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
    void add(const FrameCell& cell) {
        add(cell.view_position);
        add(&cell.ch, 1);
        add(static_cast<std::int32_t>(cell.color));
    }

    std::uint16_t folded() const {
        return static_cast<std::uint16_t>(value ^ (value >> 16) ^ (value >> 32) ^ (value >> 48));
    }

    std::uint64_t value;
};

// Adds each value to the world's hash, the object's and the field's alike.
class ObjectHashes {
  public:
    ObjectHashes(Hash& world, std::array<Hash, kSummaryFields>& fields)
        : world(world), fields(fields) {}

    template <typename... Values>
    void add(SummaryField field, const Values&... values) {
        Hash& field_hash = fields[static_cast<std::size_t>(field)];
        (addEach(field_hash, values), ...);
    }

    Hash object;

  private:
    template <typename Value>
    void addEach(Hash& field_hash, const Value& value) {
        world.add(value);
        object.add(value);
        field_hash.add(value);
    }

    Hash& world;
    std::array<Hash, kSummaryFields>& fields;
};

}  // namespace

void summarizeWorld(FrameSummary& summary) {
    const ObjectList& objects = WorldManager::getInstance().allObjects();
    Hash world;
    std::array<Hash, kSummaryFields> fields;
    summary.object_checks.clear();
    for (int i = 0; i < objects.count(); ++i) {
        const Object& object = *objects[i];
        ObjectHashes hashes(world, fields);
        hashes.add(SummaryField::Type, object.getType());
        hashes.add(SummaryField::Position, object.getPosition());
        hashes.add(SummaryField::Velocity, object.getDirection(), object.getSpeed());
        const Box box = object.getBox();
        hashes.add(SummaryField::Box, box.corner, box.horizontal, box.vertical);
        hashes.add(SummaryField::Solidness, static_cast<std::int32_t>(object.getSolidness()));
        hashes.add(SummaryField::Altitude, static_cast<std::int32_t>(object.getAltitude()));
        const Animation animation = object.getAnimation();
        hashes.add(SummaryField::Sprite, animation.name);
        hashes.add(SummaryField::Frame, static_cast<std::int32_t>(animation.frame_index));
        if (const auto* display = dynamic_cast<const ViewObject*>(&object)) {
            hashes.add(SummaryField::Value, static_cast<std::int32_t>(display->getValue()));
        }
        if (summary.object_checks.size() < kMaxCheckedObjects) {
            summary.object_checks.push_back(hashes.object.folded());
        }
    }
    summary.objects = objects.count();
    summary.world = world.value;
    for (std::size_t field = 0; field < kSummaryFields; ++field) {
        summary.fields[field] = fields[field].folded();
    }
}

std::size_t rowOf(const FrameCell& cell) {
    const float row = std::floor(cell.view_position.y);
    return row >= 0 && row < static_cast<float>(kSummaryRows) ? static_cast<std::size_t>(row)
                                                              : kSummaryRows;
}

void summarizePicture(const std::vector<FrameCell>& cells, FrameSummary& summary) {
    Hash picture;
    std::array<Hash, kSummaryRows> rows;
    for (const FrameCell& cell : cells) {
        picture.add(cell);
        const std::size_t row = rowOf(cell);
        if (row < kSummaryRows) {
            rows[row].add(cell);
        }
    }
    summary.picture = picture.value;
    for (std::size_t row = 0; row < kSummaryRows; ++row) {
        summary.rows[row] = rows[row].folded();
    }
    summary.has_details = true;
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
