#include "velloc.h"
#include "vl.h"

int main() {
    vl::GameManager& game = vl::GameManager::getInstance();
    game.startUp();
    loadResources();
    game.run();
    game.shutDown();
    return 0;
}
