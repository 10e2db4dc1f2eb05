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
    // A command line the game cannot follow is the caller's mistake, not a
    // failure to play: it gets the usage status, 2, as other commands give.
    if (!readOptions(argc, argv, std::getenv("VL_SCALE"), options, reason)) {
        std::cerr << "velloc: " << reason << '\n';
        return 2;
    }
    if (options.show_help || options.show_version) {
        std::cout << (options.show_help ? helpText() : versionText());
        return 0;
    }
    vl::DisplayManager::getInstance().setScale(options.scale);
    if (options.terminal) {
        vl::DisplayManager::getInstance().setTerminal(true);
    }
    vl::GameManager& game = vl::GameManager::getInstance();
    if (!options.record_file.empty() && game.startRecording(options.record_file, "Velloc") != 0) {
        std::cerr << "velloc: cannot write the recording " << options.record_file << '\n';
        return 1;
    }
    if (!options.replay_file.empty() &&
        game.startReplay(options.replay_file, "Velloc", !options.fast) != 0) {
        std::cerr << "velloc: " << game.getReplayProblem() << '\n';
        return 1;
    }
    if (startGame(reason, options.headless) != 0) {
        std::cerr << "velloc: " << reason << '\n';
        return 1;
    }
    int final_score = 0;
    const int result = playGame(final_score);
    if (options.replay_file.empty()) {
        return result == 0 ? 0 : 1;
    }
    if (!game.getReplayStop().empty()) {
        std::cout << "velloc: " << game.getReplayStop() << '\n';
        return 0;
    }
    // A replay ends with one line: how far it went and whether it held.
    (result == 0 ? std::cout : std::cerr)
        << "velloc: " << game.getRecordedFrames() << " frames, final score " << final_score << ", "
        << (result == 0 ? "ok" : game.getReplayProblem()) << '\n';
    return result == 0 ? 0 : 1;
}
