#include "startGame.h"

#include <unistd.h>

#include <climits>

#include <vl/vl.h>
#include "FullscreenKey.h"
#include "GameStart.h"
#include "Score.h"
#include "loadResources.h"
#include "runFolder.h"

namespace {

std::string workingDirectory() {
    char path[PATH_MAX];
    return getcwd(path, sizeof path) != nullptr ? std::string(path) : std::string("?");
}

}  // namespace

int startGame(std::string& reason, bool headless) {
    if (!enterRunFolder(reason)) {
        return -1;
    }
    vl::GameManager& game = vl::GameManager::getInstance();
    if (headless) {
        if (game.startUpHeadless() != 0) {
            reason = "cannot start the engine";
            return -1;
        }
    } else if (game.startUp() != 0) {
        // Without a window, or with a window that can draw no text, the game
        // could be neither seen nor closed: say why and stop.
        if (vl::DisplayManager::getInstance().isTerminal()) {
            reason = "cannot play in the terminal: " +
                     vl::DisplayManager::getInstance().getStartUpProblem();
        } else if (vl::DisplayManager::getInstance().getWindow() == nullptr) {
            reason =
                "cannot open a window: " + vl::DisplayManager::getInstance().getStartUpProblem();
        } else {
            reason = std::string("cannot load font \"") + vl::kFontFile + "\" from " +
                     workingDirectory();
        }
        return -1;
    }
    // A program without its icon still plays; the desktop shows its own.
    sf::Image icon;
    if (icon.loadFromFile("icon.png")) {
        vl::DisplayManager::getInstance().setIcon(icon);
    }
    loadResources();
    new FullscreenKey;
    new GameStart;
    vl::playMusic("music", true);
    return 0;
}

int playGame(int& final_score) {
    vl::GameManager& game = vl::GameManager::getInstance();
    const int result = game.run();
    // The newest score display holds the last game's score until the next
    // game starts.
    final_score = 0;
    for (vl::Object* score : vl::WorldManager::getInstance().collectByType("Score")) {
        final_score = static_cast<Score*>(score)->getValue();
    }
    vl::stopMusic("music");
    game.shutDown();
    return result;
}
