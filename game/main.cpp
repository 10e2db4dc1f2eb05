#include <iostream>
#include <string>

#include "velloc.h"

// The program takes no arguments and ignores any it is given.
int main() {
    std::string reason;
    if (startGame(reason) != 0) {
        std::cerr << "velloc: " << reason << '\n';
        return 1;
    }
    playGame();
    return 0;
}
