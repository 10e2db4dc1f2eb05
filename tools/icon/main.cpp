// vl-icon: draws the first frame of a sprite file as a square PNG picture.
//
// Usage: vl-icon SPRITE-FILE FONT-FILE SIZE PNG-FILE

#include <SFML/System/Err.hpp>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include <vl/resources/SpriteFile.h>
#include "renderIcon.h"

namespace {

constexpr int kUsageError = 2;
constexpr unsigned long kSmallestSize = 16;
constexpr unsigned long kLargestSize = 1024;

// The size in pixels, or 0 when text is not a whole number in range.
unsigned parseSize(const char* text) {
    char* end = nullptr;
    const unsigned long size = std::strtoul(text, &end, 10);
    if (*end != '\0' || size < kSmallestSize || size > kLargestSize) {
        return 0;
    }
    return static_cast<unsigned>(size);
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned size = argc == 5 ? parseSize(argv[3]) : 0;
    if (size == 0) {
        std::cerr << "usage: vl-icon SPRITE-FILE FONT-FILE SIZE PNG-FILE\n"
                     "       SIZE in pixels, "
                  << kSmallestSize << " to " << kLargestSize << '\n';
        return kUsageError;
    }
    vl::ProblemList problems(argv[1]);
    const std::unique_ptr<vl::Sprite> sprite = vl::readSpriteFile(argv[1], problems);
    for (const vl::Problem& problem : problems.getProblems()) {
        std::cerr << vl::formatProblem(problem) << '\n';
    }
    if (sprite == nullptr || sprite->getFrameCount() == 0 || !problems.empty()) {
        return 1;
    }
    sf::Image icon;
    std::string reason;
    if (!renderIcon(sprite->frameAt(0), sprite->getColor(), argv[2], size, icon, reason)) {
        std::cerr << "vl-icon: " << reason << '\n';
        return 1;
    }
    // The image library's own message would not name the file.
    sf::err().rdbuf(nullptr);
    if (!icon.saveToFile(argv[4])) {
        std::cerr << "vl-icon: cannot write " << argv[4] << '\n';
        return 1;
    }
    return 0;
}
