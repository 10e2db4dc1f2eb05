#include "resources/Sprite.h"

namespace vl {

namespace {
const Frame kEmptyFrame;
}

Sprite::Sprite(int capacity) : frame_capacity(capacity < 0 ? 0 : capacity) {}

void Sprite::insertFrame(const Frame& frame) {
    if (getFrameCount() < frame_capacity) {
        frames.push_back(frame);
    }
}

Frame Sprite::getFrame(int index) const {
    return frameAt(index);
}

const Frame& Sprite::frameAt(int index) const {
    if (index < 0 || index >= getFrameCount()) {
        return kEmptyFrame;
    }
    return frames[static_cast<size_t>(index)];
}

}  // namespace vl
