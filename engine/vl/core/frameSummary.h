#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "vl/display/FrameCell.h"
#include "vl/world/Event.h"

namespace vl {

/// The checksum of a frame without input events, and the start of every
/// checksum.
constexpr std::uint64_t kNoInput = 14695981039346656037ull;

/// The fields of an object a summary checks, each with a checksum of its own
/// over the whole world, so that a replay can say which of them differ.
enum class SummaryField {
    Type,
    Position,
    Velocity,  ///< direction and speed
    Box,
    Solidness,
    Altitude,
    Sprite,  ///< the animation's sprite label
    Frame,   ///< the animation's frame index
    Value,   ///< a value display's value
};
/// How many fields SummaryField names.
constexpr std::size_t kSummaryFields = 9;
/// The fields' names, in SummaryField's order.
inline constexpr const char* kSummaryFieldNames[kSummaryFields] = {
    "type", "position", "velocity", "box", "solidness", "altitude", "sprite", "frame", "value"};
/// How many picture rows get a checksum of their own: the display's 24.
constexpr std::size_t kSummaryRows = 24;
/// How many objects, from the first, get a checksum of their own.
constexpr std::size_t kMaxCheckedObjects = 1000;

/// What a recording keeps of a frame, to tell whether a replay does the same:
/// the input events broadcast in it, the world after its update and the
/// picture drawn. The details (has_details) tell where a difference lies;
/// recordings of format 1 and 2 lack them and the picture.
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
    /// Whether the picture and the checks below were taken.
    bool has_details = false;
    /// The same kind of hash over every cell drawn, in drawing order: its
    /// position relative to the view, character and colour.
    std::uint64_t picture = kNoInput;
    /// A 16-bit checksum of each field over all objects, in SummaryField's order.
    std::array<std::uint16_t, kSummaryFields> fields{};
    /// A 16-bit checksum of the cells drawn in each row of the picture.
    std::array<std::uint16_t, kSummaryRows> rows{};
    /// A 16-bit checksum of each of the first kMaxCheckedObjects objects.
    std::vector<std::uint16_t> object_checks;
};

/// Fills the summary's world part (objects, world, fields, object_checks)
/// from the world as it is now.
void summarizeWorld(FrameSummary& summary);
/// Fills the summary's picture part (picture, rows) from the frame's cells,
/// and marks the summary as having details.
void summarizePicture(const std::vector<FrameCell>& cells, FrameSummary& summary);
/// The input checksum with a keyboard or mouse event folded in; any other
/// event leaves it as it is.
std::uint64_t addInputToChecksum(std::uint64_t checksum, const Event& event);
/// The row a cell lies in; kSummaryRows for a cell outside the picture.
std::size_t rowOf(const FrameCell& cell);

}  // namespace vl
