#pragma once

#include <cstdint>

namespace vl {

/// What a recording keeps of the world after each frame, to tell whether a
/// replay does the same: how many objects the world holds and a checksum of
/// every object's state.
struct WorldSummary {
    /// How many objects the world holds.
    int objects = 0;
    /// A 64-bit FNV-1a hash over every object, in the world's order, of its
    /// type, position, direction, speed, box, solidness, altitude, sprite
    /// label and frame index and, for a value display, its value.
    std::uint64_t checksum = 0;
};

/// The world as it is now.
WorldSummary summarizeWorld();

/// Whether two summaries agree.
inline bool operator==(const WorldSummary& a, const WorldSummary& b) {
    return a.objects == b.objects && a.checksum == b.checksum;
}

}  // namespace vl
