#include "vl/resources/BlockReport.h"

#include "vl/resources/SpriteFile.h"

namespace vl {

namespace {

std::string count(int n, const char* thing) {
    return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

// "frame 3" or "frames 3 to 5".
std::string frameRange(int first, int last) {
    return first == last ? "frame " + std::to_string(first) + " "
                         : "frames " + std::to_string(first) + " to " + std::to_string(last) + " ";
}

}  // namespace

BlockReport::BlockReport(ProblemList& problem_list, int frame_width, int frame_height,
                         int declared_frames, int declared_frames_line)
    : problems(problem_list),
      width(frame_width),
      height(frame_height),
      frame_count(declared_frames),
      frames_line(declared_frames_line) {}

void BlockReport::report(int line, const std::function<std::string()>& message) {
    // A file can be broken on every line: past the list's limit, the message
    // is not even made.
    problems.add(line, problems.isFull() ? std::string() : message());
}

void BlockReport::take(const BlockAttempt& attempt, int frame, bool taken) {
    const bool at_end =
        !attempt.made_frame && (attempt.first_line == 0 || attempt.first_text == kFileEnd);
    if (at_end && !past_end) {
        past_end = true;
        file_end_line = attempt.first_line;
    }
    if (past_end) {
        if (taken) {
            first_empty = first_empty == 0 ? frame : first_empty;
            last_empty = frame;
        }
        return;
    }
    ++blocks;
    const bool out_of_step = previous_failed;
    previous_failed = !attempt.made_frame;
    if (attempt.made_frame) {
        if (!taken) {
            ++dropped;
        } else if (out_of_step) {
            report(attempt.first_line, [&] {
                return "frame " + std::to_string(frame) + " is read from line " +
                       std::to_string(attempt.first_line) +
                       ", out of step after the broken frame before it";
            });
        }
        return;
    }
    ended_inside_frame = ended_inside_frame || attempt.file_ended;
    // A broken block the sprite has no room for changes nothing it holds.
    if (taken) {
        report(attempt.failed_line, [&] {
            return describeFailure(attempt, frame) + "; frame " + std::to_string(frame) +
                   " loads empty";
        });
    }
}

std::string BlockReport::describeFailure(const BlockAttempt& attempt, int frame) const {
    const std::string frame_name = "frame " + std::to_string(frame);
    if (attempt.file_ended) {
        return "the file ends inside " + frame_name + ": expected " +
               (attempt.failed_row > height ? quoteFound(kFrameEnd)
                                            : "row " + std::to_string(attempt.failed_row));
    }
    if (attempt.failed_row > height) {
        return frame_name + " has more than " + count(height, "row") + ": expected " +
               quoteFound(kFrameEnd) + ", found " + quoteFound(attempt.found);
    }
    if (attempt.found == kFrameEnd) {
        return frame_name + " has " + count(attempt.failed_row - 1, "row") + ", expected " +
               std::to_string(height);
    }
    const bool ends_in_blank =
        attempt.found.size() > static_cast<size_t>(width) && attempt.found.back() == ' ';
    return "row " + std::to_string(attempt.failed_row) + " of " + frame_name + " is " +
           count(static_cast<int>(attempt.found.size()), "character") + " wide, expected " +
           std::to_string(width) + (ends_in_blank ? "; it ends in a blank" : "");
}

void BlockReport::finish(const std::string& last_text, int lines_read) {
    const std::string declared = quoteFound(kFramesKey) + " is " + std::to_string(frame_count) +
                                 ", but the file holds " + count(blocks, "frame block") + ": ";
    if (dropped > 0) {
        report(frames_line, [&] {
            return declared + frameRange(frame_count + 1, frame_count + dropped) +
                   (dropped == 1 ? "is" : "are") + " dropped";
        });
    }
    if (first_empty > 0) {
        report(frames_line, [&] {
            return declared + frameRange(first_empty, last_empty) +
                   (first_empty == last_empty ? "loads" : "load") + " empty";
        });
    }
    if (ended_inside_frame || last_text == kFileEnd) {
        return;
    }
    if (file_end_line > 0) {
        report(file_end_line + 1, [&] {
            return quoteFound(kFileEnd) + " on line " + std::to_string(file_end_line) +
                   " should be the last line";
        });
    } else {
        report(lines_read + 1, [&] { return "the file ends without " + quoteFound(kFileEnd); });
    }
}

}  // namespace vl
