#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "vl/core/RecordedInput.h"
#include "vl/core/frameSummary.h"
#include "vl/input/HeldInput.h"

namespace vl {

/// The longest line a recording may hold, a checks line with every object's
/// checksum; a longer one makes it bad.
constexpr std::size_t kMaxRecordingLine = 160 + 4 * kMaxCheckedObjects;
/// The most input events one frame of a recording may hold.
constexpr std::size_t kMaxInputsPerFrame = 256;

/// Reads a recording that RecordingWriter wrote, a frame at a time, so that
/// its memory stays small whatever the file's length. Anything that is not
/// what the writer writes (a missing or unknown header, another game, a newer
/// format or engine, a bad or out-of-order line, a key, action or button the
/// engine does not have, a position that is not a finite number near the
/// picture) makes it bad, with a one-line problem naming the file and the
/// line. Line ends may be LF or CR LF; numbers read the same in every locale.
class RecordingReader {
  public:
    /// What readFrame found.
    enum class Step {
        Frame,  ///< the frame's inputs and summary
        End,    ///< the end line: the recording holds no more frames
        Bad,    ///< the file is bad: getProblem says where and why
        /// the file stops after whole frames, or inside one, without its end
        /// line, as a game killed while recording leaves it: getProblem says
        /// "FILE: cut off after frame N, before its end"
        CutOff,
    };

    /// Opens the file and reads its header; -1, with the problem set, when it
    /// is missing ("FILE: no such file"), a folder ("FILE: a folder, not a
    /// recording"), cannot be read ("FILE: cannot be read (REASON)"), is no
    /// recording, is of another game than game, or is of a newer format or
    /// engine.
    int open(const std::string& path, const std::string& game);
    /// The same for a recording read from a stream, which the reader then
    /// owns; name stands for the file in problems.
    int open(std::unique_ptr<std::istream> stream, const std::string& name,
             const std::string& game);
    /// Reads the next frame, which must be numbered frame: its inputs in the
    /// order they were broadcast (inputs is emptied first), its summary and,
    /// when it gives them, the keys and buttons held (getHeld).
    Step readFrame(int frame, std::vector<RecordedInput>& inputs, FrameSummary& summary);
    /// The number of frames the end line gives, read when the file was
    /// opened; -1 for a recording without one (cut off) or a stream that
    /// cannot be searched.
    int getRecordedFrames() const { return recorded_frames; }
    /// Whether the recording gives the random source's seed (format 2 on).
    bool hasSeed() const { return format >= 2; }
    /// The seed the random source started from while recording.
    std::uint64_t getSeed() const { return seed; }
    /// The version of the recording's format, from its first line.
    int getFormat() const { return format; }
    /// The keys and buttons held in the last frame read: the last held line
    /// so far, none before it and in recordings of format 1 and 2.
    const HeldInput& getHeld() const { return held; }
    /// "FILE:LINE: what is wrong", or "FILE: what is wrong" for a file that
    /// cannot be opened; empty while nothing is wrong.
    const std::string& getProblem() const { return problem; }

  private:
    /// Reads the next line into line; false at the end of the file or when
    /// the line is too long (the problem is then set).
    bool nextLine();
    /// Sets the problem at the current line; returns Step::Bad.
    Step bad(const std::string& message);

    std::unique_ptr<std::istream> in;
    std::string path;
    std::string line;
    int recorded_frames = -1;
    std::uint64_t seed = 0;
    int format = 0;
    HeldInput held;
    /// Whether line ended the file without a line end.
    bool cut_line = false;
    int line_number = 0;
    std::string problem;
};

}  // namespace vl
