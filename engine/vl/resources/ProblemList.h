#pragma once

#include <string>
#include <vector>

#include "vl/resources/Problem.h"

namespace vl {

/// The most problems kept for one file; a file can be broken on every line.
constexpr int kMaxProblemsPerFile = 20;

/// The problems found in one file, in the order they were found. It keeps at
/// most kMaxProblemsPerFile of them and then one entry saying that more were
/// left out, so a hostile file costs bounded memory.
class ProblemList {
  public:
    /// An empty list for the file named file.
    explicit ProblemList(std::string file = "");

    /// Records a problem at line (0 for the whole file), or counts it when the
    /// list is full.
    void add(int line, std::string message);
    /// The problems kept, each naming this list's file.
    const std::vector<Problem>& getProblems() const { return problems; }
    /// Every problem added, those left out included.
    int getCount() const { return count; }
    /// Whether no problem was added.
    bool empty() const { return count == 0; }
    /// True once the list keeps no more problems and only counts them.
    bool isFull() const { return count > kMaxProblemsPerFile; }
    /// The file the problems are about.
    const std::string& getFile() const { return file; }

  private:
    std::string file;
    std::vector<Problem> problems;
    int count = 0;
};

}  // namespace vl
