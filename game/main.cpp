#include <SFML/System/Err.hpp>
#include <cstdlib>
#include <iostream>
#include <string>

#include "options.h"
#include "velloc.h"

int main(int argc, char* argv[]) {
    // The audio and graphics library's own messages are not the game's: the
    // program says in one line what keeps it from starting, and in one line
    // per broken asset what is wrong with it, and nothing else.
    sf::err().rdbuf(nullptr);
    Options options;
    std::string reason;
    if (!readOptions(argc, argv, std::getenv("VL_SCALE"), options, reason)) {
        std::cerr << "velloc: " << reason << '\n';
        return 1;
    }
    if (options.show_help) {
        std::cout << helpText();
        return 0;
    }
    vl::DisplayManager::getInstance().setScale(options.scale);
    if (startGame(reason) != 0) {
        std::cerr << "velloc: " << reason << '\n';
        return 1;
    }
    playGame();
    return 0;
}
