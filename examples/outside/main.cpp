// Starts the engine from the run folder, shows a sprite for a few frames in a
// window titled "Outside", and exits: 0 when the window, the font and the
// sprite were all there.
#include <vl/vl.h>

int main() {
    vl::DisplayManager::getInstance().setTitle("Outside");
    vl::GameManager& game = vl::GameManager::getInstance();
    const bool started = game.startUp() == 0;
    const bool loaded =
        vl::ResourceManager::getInstance().loadSprite("sprites/star-spr.txt", "star") == 0;
    auto* star = new vl::Object;
    const bool shown = star->setSprite("star") == 0;
    star->setPosition(vl::Vector(41, 12));
    for (int frame = 0; frame < 10; ++frame) {
        game.runFrame();
    }
    game.shutDown();
    return started && loaded && shown ? 0 : 1;
}
