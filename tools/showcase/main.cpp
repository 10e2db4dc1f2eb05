// Plays the game in its real window with the scripted player and saves
// screenshots of the title screen, a level with zombies and turrets, the
// win screen and the game-over screen.
//
// Usage: velloc-showcase <run folder> <output folder>

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "ScriptedPlayer.h"
#include "velloc.h"

namespace {

// Draws the world as a frame of the game does, saves what the window shows,
// then presents it.
bool captureTo(const std::string& path) {
    const vl::EventStep step;
    vl::Manager::broadcast(&step);
    vl::WorldManager::getInstance().update();
    vl::WorldManager::getInstance().drawAll();
    const bool saved = vl::DisplayManager::getInstance().captureFrame().saveToFile(path);
    vl::DisplayManager::getInstance().presentFrame();
    if (saved) {
        std::cout << "wrote " << path << '\n';
    }
    return saved;
}

int countOf(const char* type) {
    return vl::WorldManager::getInstance().collectByType(type).count();
}

int levelNumber() {
    const vl::ObjectList levels = vl::WorldManager::getInstance().collectByType("Level");
    return levels.count() > 0 ? static_cast<Level*>(levels[0])->getLevelNumber() : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: velloc-showcase <run folder> <output folder>\n";
        return 2;
    }
    // The output folder is named from where the tool starts, before it moves
    // into the run folder.
    char* absolute_output = realpath(argv[2], nullptr);
    if (absolute_output == nullptr) {
        std::cerr << "velloc-showcase: no output folder at " << argv[2] << '\n';
        return 1;
    }
    const std::string output = absolute_output;
    free(absolute_output);
    if (chdir(argv[1]) != 0) {
        std::cerr << "velloc-showcase: no run folder at " << argv[1] << '\n';
        return 1;
    }
    std::string reason;
    if (startGame(reason) != 0) {
        std::cerr << "velloc-showcase: " << reason << '\n';
        return 1;
    }
    constexpr int kFrameLimit = 20000;
    bool ok = captureTo(output + "/title.png");

    ScriptedPlayer winner(ScriptedPlayer::Goal::Win);
    ok = ok && winner.playUntil([] { return levelNumber() == 6; }, kFrameLimit);
    // Far enough into level 6 for the turrets to have fired.
    ok = ok &&
         winner.playUntil([] { return countOf("Bullet") >= 3 || levelNumber() != 6; }, kFrameLimit);
    ok = ok && captureTo(output + "/level.png");
    ok = ok && winner.playUntil([] { return countOf("GameWin") == 1; }, kFrameLimit);
    ok = ok && captureTo(output + "/win.png");

    ScriptedPlayer loser(ScriptedPlayer::Goal::Die);
    ok = ok && loser.playUntil([] { return countOf("Level") == 1; }, kFrameLimit);
    ok = ok && loser.playUntil([] { return countOf("GameOver") == 1; }, kFrameLimit);
    ok = ok && captureTo(output + "/gameover.png");

    vl::GameManager::getInstance().shutDown();
    return ok ? 0 : 1;
}
