#pragma once

#include <functional>
#include <string>

#include "vl/resources/ProblemList.h"

namespace vl {

/// Follows the lines after a sprite file's header the way its author laid
/// them out: blocks of rows, each closed by "end", then "eof". Every block
/// is judged on its own, so one bad row is reported once instead of
/// throwing the following blocks out of step. Used by the sprite loader; it
/// changes nothing of what the loader reads.
class FrameBlockChecker {
  public:
    /// Checks blocks of height rows of width characters (both 1 or more)
    /// against frame_count, the number the header's line frames_line declares.
    /// Problems go to problems, which must outlive the checker.
    FrameBlockChecker(ProblemList& problems, int width, int height, int frame_count,
                      int frames_line);

    /// Takes the next line of the file, numbered from the file's first line.
    void takeLine(const std::string& text, int number);
    /// Ends the check at the end of the file, after lines_read lines.
    void finish(int lines_read);

  private:
    void takeRow(const std::string& text, int number);
    void closeBlock(int number);
    void report(int line, const std::function<std::string()>& message);

    ProblemList& problems;
    int width;
    int height;
    int frame_count;
    int frames_line;
    /// The block being read, counted from 1, and its rows so far.
    int frame = 1;
    int rows = 0;
    /// The line of "eof" once seen, and whether text after it was reported.
    int file_end_line = 0;
    bool reported_text_after_end = false;
    /// The line of an "eof" that began the block being read, which may be its
    /// first row or the file's last line.
    int row_or_file_end_line = 0;
    /// Whether any problem of the blocks was reported.
    bool reported = false;
};

}  // namespace vl
