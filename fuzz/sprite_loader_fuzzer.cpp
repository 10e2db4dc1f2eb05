#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include <vl/resources/SpriteFile.h>

// Any bytes at all are a sprite file to the loader: it must neither crash,
// hang nor allocate out of proportion to them, and neither must the problems
// it finds in them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    vl::ProblemList problems("fuzz");
    vl::readSprite(in, problems);
    for (const vl::Problem& problem : problems.getProblems()) {
        vl::formatProblem(problem);
    }
    return 0;
}
