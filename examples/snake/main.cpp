#include <vl/vl.h>

#include "assets.h"
#include "round.h"

// Snake on the vl engine, run from its run folder: arrow keys or W A S D
// steer, R plays again after a crash, Escape or a close request quits.
int main() {
    vl::DisplayManager::getInstance().setTitle("Snake");
    vl::GameManager& game = vl::GameManager::getInstance();
    game.setFinishOnClose(true);
    if (game.startUp() != 0 || loadAssets() != 0) {
        game.shutDown();
        return 1;
    }
    startGame();
    game.run();
    game.shutDown();
    return 0;
}
