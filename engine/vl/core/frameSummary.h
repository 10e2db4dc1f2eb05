#pragma once

#include <cstdint>

#include "vl/world/Event.h"

namespace vl {

/// The checksum of a frame without input events.
constexpr std::uint64_t kNoInput = 14695981039346656037ull;

/// What a recording keeps of a frame, to tell whether a replay does the same:
/// the input events broadcast in it and the world after its update.
struct FrameSummary {
    /// How many objects the world holds.
    int objects = 0;
    /// A 64-bit FNV-1a hash over every object, in the world's order, of its
    /// type, position, direction, speed, box, solidness, altitude, sprite
    /// label and frame index and, for a value display, its value.
    std::uint64_t world = 0;
    /// The same kind of hash over every field of the frame's input events, in
    /// the order they were broadcast: kNoInput for none.
    std::uint64_t input = kNoInput;
};

/// The world as it is now, after a frame whose input gave input_checksum.
FrameSummary summarizeFrame(std::uint64_t input_checksum);
/// The input checksum with a keyboard or mouse event folded in; any other
/// event leaves it as it is.
std::uint64_t addInputToChecksum(std::uint64_t checksum, const Event& event);

/// Whether two summaries agree.
inline bool operator==(const FrameSummary& a, const FrameSummary& b) {
    return a.objects == b.objects && a.world == b.world && a.input == b.input;
}

}  // namespace vl
