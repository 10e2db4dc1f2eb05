#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "vl/core/frameSummary.h"
#include "vl/world/Event.h"

namespace vl {

/// The first line of every recording, with the version of its format; the
/// reader also reads format 1, which has no seed line.
inline constexpr char kRecordingFirstLine[] = "vl-recording 2";
/// The engine's version, which a recording names on its third line.
inline constexpr char kEngineVersion[] = "1.0.0";

/// Writes a recording: a text file of lines, the header (format version,
/// game, engine version, the random source's seed in hexadecimal), then for each frame the input
/// events broadcast in it, in order, and its summary (the world after its update, and a checksum of
/// its input), and last an end line with the number of frames.
///
///     vl-recording 2
///     game Velloc
///     engine 1.0.0
///     seed 5d2a0c6e81f3b947
///     key 12 50 0                 frame, key, action
///     mouse 12 2 -1 512 384       frame, action, button, x, y
///     frame 12 7 9c1e0f37a2b4d851 5d2a0c6e81f3b947
///                                 frame, objects, world and input checksums
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
    /// Writes the frame's summary, taken after its update, and hands the
    /// frame's lines to the operating system. A write that fails (a full
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
};

}  // namespace vl
