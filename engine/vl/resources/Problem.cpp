#include "vl/resources/Problem.h"

#include <filesystem>
#include <fstream>

namespace vl {

namespace {

constexpr std::size_t kMaxQuotedCharacters = 24;

}  // namespace

std::string formatProblem(const Problem& problem) {
    std::string text = problem.file + ":";
    if (problem.line > 0) {
        text += std::to_string(problem.line) + ":";
    }
    return text + " " + problem.message;
}

std::string quoteFound(const std::string& text) {
    std::string shown = text.substr(0, kMaxQuotedCharacters);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') {
            c = '?';
        }
    }
    if (text.size() > kMaxQuotedCharacters) {
        shown += "...";
    }
    return "\"" + shown + "\"";
}

std::string whyUnreadable(const std::string& file_name) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file_name, error);
    if (!std::filesystem::exists(status)) {
        return "no such file";
    }
    if (std::filesystem::is_directory(status)) {
        return "a folder, not a file";
    }
    if (!std::ifstream(file_name).is_open()) {
        return "the file cannot be read";
    }
    return "";
}

}  // namespace vl
