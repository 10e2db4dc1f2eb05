#pragma once

#include <string>

namespace vl {

/// Something wrong with an asset file, told the way a user mends it.
struct Problem {
    /// The file as it was named to the loader.
    std::string file;
    /// The line to mend, 1 for the first; 0 when the problem is the whole file.
    int line = 0;
    /// What was expected and what was found.
    std::string message;
};

/// "file:line: message", the form compilers and editors use; "file: message"
/// for a problem of the whole file.
std::string formatProblem(const Problem& problem);

/// Text found in a file, quoted for a message: shortened to a few dozen
/// characters, so that a huge line makes no huge message, with control
/// characters shown as '?'.
std::string quoteFound(const std::string& text);

/// Why the file named file_name cannot be opened for reading ("no such
/// file", ...), or an empty text when it can.
std::string whyUnreadable(const std::string& file_name);

}  // namespace vl
