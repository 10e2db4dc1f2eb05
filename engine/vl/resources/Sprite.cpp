#include "vl/resources/Sprite.h"

namespace vl {

namespace {
const Frame kEmptyFrame;
constexpr int32_t kEmptySlot = -1;
}  // namespace

Sprite::Sprite(int capacity) : frame_capacity(capacity < 0 ? 0 : capacity) {}

void Sprite::insertFrame(const Frame& frame) {
    if (getFrameCount() >= frame_capacity) {
        return;
    }
    if (frame.getWidth() == 0 && frame.getHeight() == 0 && frame.getCells().empty()) {
        slots.push_back(kEmptySlot);
        return;
    }
    slots.push_back(static_cast<int32_t>(frames.size()));
    frames.push_back(frame);
}

Frame Sprite::getFrame(int index) const {
    return frameAt(index);
}

const Frame& Sprite::frameAt(int index) const {
    if (index < 0 || index >= getFrameCount()) {
        return kEmptyFrame;
    }
    const int32_t slot = slots[static_cast<size_t>(index)];
    return slot == kEmptySlot ? kEmptyFrame : frames[static_cast<size_t>(slot)];
}

}  // namespace vl
