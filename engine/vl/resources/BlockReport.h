#pragma once

#include <functional>
#include <string>

#include "vl/resources/ProblemList.h"

namespace vl {

/// How one attempt of the sprite loader at a frame block ended: the loader
/// fills it in as it reads, so a report built from it says what the load gives.
struct BlockAttempt {
    /// The first line the attempt read; 0 when the file had ended.
    int first_line = 0;
    /// The text of the first line.
    std::string first_text;
    /// Whether the attempt made a frame.
    bool made_frame = false;
    /// The line the attempt failed on.
    int failed_line = 0;
    /// The row it was reading then, from 1; height + 1 while "end" was due.
    int failed_row = 0;
    /// The text found on the line it failed on.
    std::string found;
    /// Whether it failed because the file ended.
    bool file_ended = false;
};

/// Turns the sprite loader's block attempts into problems that say what the
/// load gives: which frames load empty, are dropped, or are read out of step
/// after a broken block. It reads no line itself, so it cannot disagree with
/// the loader.
class BlockReport {
  public:
    /// A report for blocks of height rows of width characters (both 1 or
    /// more) in a sprite of frame_count frames, declared on line frames_line.
    /// Problems go to problems, which must outlive the report.
    BlockReport(ProblemList& problems, int width, int height, int frame_count, int frames_line);

    /// Takes the attempt that was offered to the sprite as frame number frame
    /// (from 1); taken tells whether the sprite kept it.
    void take(const BlockAttempt& attempt, int frame, bool taken);
    /// Ends the report at the end of the file, whose last line that was not
    /// empty is last_text, after lines_read lines.
    void finish(const std::string& last_text, int lines_read);

  private:
    std::string describeFailure(const BlockAttempt& attempt, int frame) const;
    void report(int line, const std::function<std::string()>& message);

    ProblemList& problems;
    int width;
    int height;
    int frame_count;
    int frames_line;
    /// Attempts before the file's "eof": the frame blocks the file holds.
    int blocks = 0;
    bool previous_failed = false;
    bool ended_inside_frame = false;
    /// Set once an attempt fails at "eof" or at the end of the file; its line.
    bool past_end = false;
    int file_end_line = 0;
    /// The frames that load empty past the end, and the frames dropped beyond
    /// the declared count.
    int first_empty = 0;
    int last_empty = 0;
    int dropped = 0;
};

}  // namespace vl
