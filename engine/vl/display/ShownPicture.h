#pragma once

#include <chrono>
#include <vector>

#include "vl/display/FrameCell.h"

namespace vl {

/// What the window shows, as far as the display knows: the cells of the frame
/// last presented and when it was presented. Tells whether a new frame needs
/// drawing, so that a still screen costs no drawing.
///
/// A window's picture can be lost without the display doing anything (covered
/// and uncovered, resized); forget says so. Since some servers drop a covered
/// window's contents without telling, a picture is also drawn anew once it is
/// kMaxPictureAge old.
class ShownPicture {
  public:
    /// The clock pictures are timed with: steady, whatever the wall clock does.
    using Clock = std::chrono::steady_clock;

    /// The longest a picture is shown without being drawn again.
    static constexpr std::chrono::milliseconds kMaxPictureAge{250};
    /// Frames drawn whatever they hold after the picture was lost. A window's
    /// GL drawable takes a new size only at the next present, so the first
    /// frame after a resize may be drawn at the old size.
    static constexpr int kFramesDrawnAfterLoss = 2;

    /// Whether presenting a frame of these cells at now would change what the
    /// window shows, or the picture must be drawn anew anyway.
    bool needsDrawing(const std::vector<FrameCell>& frame, Clock::time_point now) const;
    /// Whether the frame's cells are those last presented, in the same order.
    bool shows(const std::vector<FrameCell>& frame) const { return frame == cells; }
    /// A frame of these cells was drawn and presented at now. The cells are
    /// taken over; frame is left with the old picture's, to be reused.
    void presented(std::vector<FrameCell>& frame, Clock::time_point now);
    /// Whether frames are still being drawn because the picture was lost.
    bool isRecovering() const { return frames_to_draw > 0; }
    /// The window may no longer show the picture: the next
    /// kFramesDrawnAfterLoss frames are drawn whatever they hold.
    void forget() { frames_to_draw = kFramesDrawnAfterLoss; }

  private:
    std::vector<FrameCell> cells;
    Clock::time_point drawn_at;
    /// A new window shows nothing yet.
    int frames_to_draw = kFramesDrawnAfterLoss;
};

}  // namespace vl
