#pragma once

#include <string>
#include <vector>

#include "vl/core/RecordedInput.h"
#include "vl/core/frameSummary.h"
#include "vl/display/FrameCell.h"

namespace vl {

/// How a replayed frame's input differs from the recorded one, in words:
/// the first event sent that is not the recording's, or the first recorded
/// one not sent. Empty when both lists and checksums agree.
std::string describeInputDifference(const std::vector<RecordedInput>& sent,
                                    const std::vector<RecordedInput>& recorded,
                                    bool checksums_agree);
/// How the world now differs from the recorded summary, in words: the number
/// of objects, the first object whose checksum differs (its place in the
/// world's list and its type) and the fields that differ. Empty when the
/// world agrees.
std::string describeWorldDifference(const FrameSummary& now, const FrameSummary& recorded);
/// How the picture now differs from the recorded summary, in words: the
/// first row that differs and what it now shows. Empty when the picture
/// agrees or the recording keeps none.
std::string describePictureDifference(const FrameSummary& now, const FrameSummary& recorded,
                                      const std::vector<FrameCell>& cells);

}  // namespace vl
