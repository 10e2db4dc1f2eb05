#include "showSprite.h"

#include <unistd.h>

#include <SFML/Window/Event.hpp>
#include <chrono>
#include <fstream>
#include <thread>

#include <vl/core/Clock.h>
#include <vl/core/GameManager.h>
#include <vl/core/framePacing.h>
#include <vl/display/DisplayManager.h>
#include <vl/platform/programFiles.h>
#include <vl/resources/SpriteFile.h>
#include "spriteStage.h"

namespace {

bool hasFont(const std::string& folder) {
    return std::ifstream(folder + "/" + vl::kFontFile).is_open();
}

// The display reads its font from the working directory. Unless that holds
// one, the tool moves to the folder beside it that does: its own folder in
// the build tree, the engine's data folder once installed.
bool moveToFont() {
    if (hasFont(".")) {
        return true;
    }
    const std::string own_folder = vl::programFolder();
    if (own_folder.empty()) {
        return false;
    }
    for (const std::string& folder : {own_folder, own_folder + "/" + VL_SPRITE_FONT_FOLDER}) {
        if (hasFont(folder)) {
            return chdir(folder.c_str()) == 0;
        }
    }
    return false;
}

// True once Escape is pressed or the window is asked to close.
bool quitRequested(sf::RenderWindow& window) {
    sf::Event event;
    bool quit = false;
    while (window.pollEvent(event)) {
        quit = quit || event.type == sf::Event::Closed ||
               (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape);
    }
    return quit;
}

}  // namespace

int showSprite(const std::string& file, std::ostream& out) {
    vl::ProblemList problems(file);
    const std::unique_ptr<vl::Sprite> sprite = vl::readSpriteFile(file, problems);
    for (const vl::Problem& problem : problems.getProblems()) {
        out << vl::formatProblem(problem) << '\n';
    }
    if (sprite == nullptr) {
        return 1;
    }
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    display.setTitle("vl-sprite " + file);
    if (!moveToFont() || display.startUp() != 0 || display.getWindow() == nullptr) {
        out << "vl-sprite: cannot open a window with the font " << vl::kFontFile << '\n';
        return 1;
    }
    const vl::Vector position = stagePosition(*sprite);
    int frame_index = 0;
    int draws_of_frame = 0;
    vl::Clock clock;
    while (!quitRequested(*display.getWindow())) {
        drawStage(*sprite, file, frame_index, position);
        display.presentFrame();
        // Each frame stays for slowdown draws, as on an object of the game.
        if (++draws_of_frame >= sprite->getSlowdown()) {
            draws_of_frame = 0;
            frame_index =
                sprite->getFrameCount() > 0 ? (frame_index + 1) % sprite->getFrameCount() : 0;
        }
        const int rest = vl::sleepMillisecondsAfter(clock.restart(), vl::kFrameMilliseconds);
        std::this_thread::sleep_for(std::chrono::milliseconds(rest));
        clock.restart();
    }
    display.shutDown();
    return 0;
}
