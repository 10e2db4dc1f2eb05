#include <SFML/System/Err.hpp>
#include <iostream>
#include <string>

#include "velloc.h"

// The program takes no arguments and ignores any it is given.
int main() {
    // The audio and graphics library's own messages are not the game's: the
    // program says in one line what keeps it from starting, and in one line
    // per broken asset what is wrong with it, and nothing else.
    sf::err().rdbuf(nullptr);
    std::string reason;
    if (startGame(reason) != 0) {
        std::cerr << "velloc: " << reason << '\n';
        return 1;
    }
    playGame();
    return 0;
}
