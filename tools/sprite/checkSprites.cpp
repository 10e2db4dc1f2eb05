#include "checkSprites.h"

#include <vl/resources/SpriteFile.h>

int checkSprites(const std::vector<std::string>& files, std::ostream& out) {
    int status = 0;
    for (const std::string& file : files) {
        vl::ProblemList problems(file);
        vl::readSpriteFile(file, problems);
        for (const vl::Problem& problem : problems.getProblems()) {
            out << vl::formatProblem(problem) << '\n';
        }
        if (!problems.empty()) {
            status = 1;
        }
    }
    return status;
}
