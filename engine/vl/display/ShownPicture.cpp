#include "vl/display/ShownPicture.h"

namespace vl {

bool ShownPicture::needsDrawing(const std::vector<FrameCell>& frame, Clock::time_point now) const {
    return frames_to_draw > 0 || now - drawn_at >= kMaxPictureAge || !shows(frame);
}

void ShownPicture::presented(std::vector<FrameCell>& frame, Clock::time_point now) {
    cells.swap(frame);
    drawn_at = now;
    if (frames_to_draw > 0) {
        --frames_to_draw;
    }
}

}  // namespace vl
