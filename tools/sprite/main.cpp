// vl-sprite: checks sprite files against the format and shows a sprite on the
// cell grid.
//
// Usage: vl-sprite check FILE...   prints FILE:LINE: message for each problem
//        vl-sprite show FILE       plays the sprite until Escape

#include <SFML/System/Err.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "checkSprites.h"
#include "showSprite.h"

namespace {

constexpr int kUsageError = 2;

int usage() {
    std::cerr << "usage: vl-sprite check FILE...\n"
                 "       vl-sprite show FILE\n";
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() >= 2 && arguments[0] == "check") {
        return checkSprites({arguments.begin() + 1, arguments.end()}, std::cout);
    }
    if (arguments.size() == 2 && arguments[0] == "show") {
        // The window library's own messages are not the tool's.
        sf::err().rdbuf(nullptr);
        return showSprite(arguments[1], std::cerr);
    }
    return usage();
}
