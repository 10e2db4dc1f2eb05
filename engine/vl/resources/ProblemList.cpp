#include "vl/resources/ProblemList.h"

#include <limits>

namespace vl {

ProblemList::ProblemList(std::string file_name) : file(std::move(file_name)) {}

void ProblemList::add(int line, std::string message) {
    if (count < std::numeric_limits<int>::max()) {
        ++count;
    }
    if (count <= kMaxProblemsPerFile) {
        problems.push_back({file, line, std::move(message)});
    } else if (count == kMaxProblemsPerFile + 1) {
        problems.push_back({file, line,
                            "more problems follow; only the first " +
                                std::to_string(kMaxProblemsPerFile) + " are listed"});
    }
}

}  // namespace vl
