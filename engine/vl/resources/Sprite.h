#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "vl/resources/Color.h"
#include "vl/resources/Frame.h"

namespace vl {

/// A labelled set of frames of one size and one colour. frame_capacity is the
/// most frames the sprite will ever hold; frames are stored as they arrive, so
/// a large declared capacity costs nothing until frames are inserted. A sprite
/// file can hold a failed block on every line, so an empty frame takes only its
/// slot.
class Sprite {
  public:
    /// An empty sprite that will hold at most capacity frames.
    explicit Sprite(int capacity);

    /// Characters in every frame row.
    int getWidth() const { return width; }
    /// Sets the width getWidth returns.
    void setWidth(int value) { width = value; }
    /// Rows in every frame.
    int getHeight() const { return height; }
    /// Sets the height getHeight returns.
    void setHeight(int value) { height = value; }
    /// The colour every frame is drawn in.
    Color getColor() const { return color; }
    /// Sets the colour getColor returns.
    void setColor(Color value) { color = value; }
    /// How many draws each frame stays on screen; 1 or less moves on every draw.
    int getSlowdown() const { return slowdown; }
    /// Sets the slowdown getSlowdown returns.
    void setSlowdown(int value) { slowdown = value; }
    /// The label the sprite is registered under.
    std::string getLabel() const { return label; }
    /// Sets the label getLabel returns.
    void setLabel(std::string value) { label = std::move(value); }
    /// The most frames the sprite will hold.
    int getFrameCapacity() const { return frame_capacity; }
    /// The frames held, empty ones included.
    int getFrameCount() const { return static_cast<int>(slots.size()); }

    /// Appends the frame while there is room; a frame beyond the capacity is dropped.
    void insertFrame(const Frame& frame);
    /// The frame at index, or the empty frame for an index the sprite does not hold.
    Frame getFrame(int index) const;
    /// The same without the copy, for drawing.
    const Frame& frameAt(int index) const;

  private:
    int width = 0;
    int height = 0;
    int frame_capacity;
    Color color = kDefaultColor;
    int slowdown = 1;
    /// Per frame, where it lies in frames, or -1 for the empty frame.
    std::vector<int32_t> slots;
    std::deque<Frame> frames;
    std::string label;
};

}  // namespace vl
