#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "vl/core/frameSummary.h"
#include "vl/input/HeldInput.h"
#include "vl/world/Event.h"

namespace vl {

/// The first line of every recording, with the version of its format; the
/// reader also reads formats 1 (no seed, held input, checks or picture) and 2
/// (no held input, checks or picture).
inline constexpr char kRecordingFirstLine[] = "vl-recording 3";
/// The engine's version, which a recording names on its third line.
inline constexpr char kEngineVersion[] = "1.0.0";

/// Writes a recording: a text file of lines, the header (format version,
/// game, engine version, the random source's seed in hexadecimal), then for
/// each frame the keys and buttons held when they changed, the input events
/// broadcast in it, in order, and its summary, and last an end line with the
/// number of frames. Numbers read the same in every locale: floats as the
/// shortest text that gives them back exactly, checksums in lower-case
/// hexadecimal. docs/engine.md describes every line.
///
///     vl-recording 3
///     game Velloc
///     engine 1.0.0
///     seed 5d2a0c6e81f3b947
///     held 12 000000000000000001 1
///                                 frame, keys (bit k is Key k), buttons
///     key 12 50 0                 frame, key, action
///     mouse 12 2 -1 512 384       frame, action, button, x, y
///     checks 12 FIELDS ROWS OBJECTS
///                                 frame, then 16-bit checksums in 4 digits
///                                 each: 9 fields, 24 rows, one per object
///     frame 12 7 9c1e0f37a2b4d851 5d2a0c6e81f3b947 0e41a5b8c2d9f377
///                                 frame, objects, world, input and
///                                 picture checksums
///     end 4410
class RecordingWriter {
  public:
    /// Creates (or empties) the file and writes the header naming the game and
    /// the seed the random source starts from. -1 when the file cannot be
    /// written.
    int open(const std::string& path, const std::string& game, std::uint64_t seed);
    /// Whether a recording is being written.
    bool isOpen() const { return out.is_open(); }
    /// Writes a keyboard or mouse event broadcast in the frame; other events
    /// are not input and are left out.
    void writeInput(int frame, const Event& event);
    /// Writes the keys and buttons held in the frame when they differ from
    /// the last ones written (none, at the start).
    void writeHeld(int frame, const HeldInput& held);
    /// Writes the frame's summary (its checks line and frame line), and hands
    /// the frame's lines to the operating system. A write that fails (a full
    /// disk, say) closes the recording: getFailedFrame then names the frame.
    void writeFrame(int frame, const FrameSummary& summary);
    /// The frame whose lines could not be written, or 0.
    int getFailedFrame() const { return failed_frame; }
    /// Writes the end line and closes the file. -1 when any write failed
    /// (a full disk, say), and when nothing was open.
    int close(int frames);

  private:
    std::ofstream out;
    int failed_frame = 0;
    HeldInput last_held;
};

}  // namespace vl
