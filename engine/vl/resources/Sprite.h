#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "vl/resources/Color.h"
#include "vl/resources/Frame.h"

namespace vl {

// A labelled set of frames of one size and one colour. frame_capacity is the
// most frames the sprite will ever hold; frames are stored as they arrive, so
// a large declared capacity costs nothing until frames are inserted. A sprite
// file can hold a failed block on every line, so an empty frame takes only its
// slot.
class Sprite {
  public:
    explicit Sprite(int capacity);

    int getWidth() const { return width; }
    void setWidth(int value) { width = value; }
    int getHeight() const { return height; }
    void setHeight(int value) { height = value; }
    Color getColor() const { return color; }
    void setColor(Color value) { color = value; }
    int getSlowdown() const { return slowdown; }
    void setSlowdown(int value) { slowdown = value; }
    std::string getLabel() const { return label; }
    void setLabel(std::string value) { label = std::move(value); }
    int getFrameCapacity() const { return frame_capacity; }
    int getFrameCount() const { return static_cast<int>(slots.size()); }

    // Appends the frame while there is room; a frame beyond the capacity is dropped.
    void insertFrame(const Frame& frame);
    // The frame at index, or the empty frame for an index the sprite does not hold.
    Frame getFrame(int index) const;
    // The same without the copy, for drawing.
    const Frame& frameAt(int index) const;

  private:
    int width = 0;
    int height = 0;
    int frame_capacity;
    Color color = kDefaultColor;
    int slowdown = 1;
    // Per frame, where it lies in frames, or -1 for the empty frame.
    std::vector<int32_t> slots;
    std::deque<Frame> frames;
    std::string label;
};

}  // namespace vl
