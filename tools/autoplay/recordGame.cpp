// Records a whole game as the tests replay it: the title, ten levels won, the
// win screen and Escape. The scripted players
// send their input through the input manager, which the recording taps, and
// the game runs without a window at frame time.
//
// Usage: velloc-record-game FILE   (from any folder: the game finds its files)

#include <iostream>
#include <string>

#include "ScriptedPlayer.h"
#include "sendInput.h"
#include "velloc.h"

namespace {

constexpr int kFrameLimit = 30000;

bool any(const char* type) {
    return vl::WorldManager::getInstance().collectByType(type).count() > 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: velloc-record-game FILE\n";
        return 2;
    }
    vl::GameManager& game = vl::GameManager::getInstance();
    std::string reason;
    if (game.startRecording(argv[1], "Velloc") != 0) {
        std::cerr << "velloc-record-game: cannot write " << argv[1] << '\n';
        return 1;
    }
    if (startGame(reason, true) != 0) {
        std::cerr << "velloc-record-game: " << reason << '\n';
        return 1;
    }
    ScriptedPlayer winner(ScriptedPlayer::Goal::Win);
    const bool won =
        winner.playUntil([] { return any("GameWin") || any("GameOver"); }, kFrameLimit) &&
        any("GameWin");
    sendKey(vl::Key::Escape, vl::KeyAction::Pressed);
    game.runFrame();
    int final_score = 0;
    playGame(final_score);
    std::cout << argv[1] << ": " << game.getRecordedFrames() << " frames, final score "
              << final_score << '\n';
    return won && game.isFinished() ? 0 : 1;
}
