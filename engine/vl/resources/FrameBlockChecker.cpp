#include "vl/resources/FrameBlockChecker.h"

#include "vl/resources/SpriteFile.h"

namespace vl {

namespace {

std::string count(int n, const char* thing) {
    return std::to_string(n) + " " + thing + (n == 1 ? "" : "s");
}

}  // namespace

FrameBlockChecker::FrameBlockChecker(ProblemList& problem_list, int frame_width, int frame_height,
                                     int declared_frames, int declared_frames_line)
    : problems(problem_list),
      width(frame_width),
      height(frame_height),
      frame_count(declared_frames),
      frames_line(declared_frames_line) {}

void FrameBlockChecker::takeLine(const std::string& text, int number) {
    if (file_end_line != 0) {
        if (!text.empty() && !reported_text_after_end) {
            report(number, [&] {
                return quoteFound(kFileEnd) + " on line " + std::to_string(file_end_line) +
                       " should be the last line";
            });
            reported_text_after_end = true;
        }
        return;
    }
    // In a sprite three characters wide "eof" and "end" can be rows: the
    // loader reads rows by count, so such a line is a row where one is due.
    const bool may_be_row = width == 3;
    const bool frames_due = frame <= frame_count;
    if (rows == 0 && text == kFileEnd) {
        if (!(may_be_row && frames_due)) {
            file_end_line = number;
            return;
        }
        // Whether it is a row or the last line shows when the block ends.
        row_or_file_end_line = number;
    }
    if (text == kFrameEnd && !(may_be_row && rows < height)) {
        closeBlock(number);
    } else {
        takeRow(text, number);
    }
}

void FrameBlockChecker::report(int line, const std::function<std::string()>& message) {
    // A file can be broken on every line: past the list's limit, the message
    // is not even made.
    problems.add(line, problems.isFull() ? std::string() : message());
    reported = true;
}

void FrameBlockChecker::takeRow(const std::string& text, int number) {
    ++rows;
    if (rows > height) {
        if (rows == height + 1) {
            report(number, [&] {
                return "frame " + std::to_string(frame) + " has more than " + count(height, "row") +
                       ": expected " + quoteFound(kFrameEnd) + ", found " + quoteFound(text);
            });
        }
        return;
    }
    if (text.size() != static_cast<size_t>(width)) {
        report(number, [&] {
            const bool ends_in_blank =
                text.size() > static_cast<size_t>(width) && text.back() == ' ';
            return "row " + std::to_string(rows) + " of frame " + std::to_string(frame) + " is " +
                   count(static_cast<int>(text.size()), "character") + " wide, expected " +
                   std::to_string(width) + (ends_in_blank ? "; it ends in a blank" : "");
        });
    }
}

void FrameBlockChecker::closeBlock(int number) {
    if (rows < height) {
        report(number, [&] {
            return "frame " + std::to_string(frame) + " has " + count(rows, "row") + ", expected " +
                   std::to_string(height);
        });
    }
    ++frame;
    rows = 0;
    row_or_file_end_line = 0;
}

void FrameBlockChecker::finish(int lines_read) {
    if (row_or_file_end_line != 0) {
        if (rows > 1) {
            report(row_or_file_end_line + 1, [&] {
                return quoteFound(kFileEnd) + " on line " + std::to_string(row_or_file_end_line) +
                       " should be the last line";
            });
        }
        file_end_line = row_or_file_end_line;
        rows = 0;
    }
    if (rows > 0) {
        report(lines_read + 1, [&] {
            return "the file ends inside frame " + std::to_string(frame) + ": expected " +
                   quoteFound(kFrameEnd);
        });
    } else if (file_end_line == 0) {
        problems.add(lines_read + 1, "the file ends without " + quoteFound(kFileEnd));
    }
    const int blocks = frame - 1;
    // A block problem can join or split blocks; only a file whose blocks are
    // all sound is counted.
    if (!reported && frame_count >= 1 && blocks != frame_count) {
        report(frames_line, [&] {
            return quoteFound(kFramesKey) + " is " + std::to_string(frame_count) +
                   ", but the file holds " + count(blocks, "frame block");
        });
    }
}

}  // namespace vl
