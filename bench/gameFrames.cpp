#include <iomanip>
#include <sstream>
#include <string>

#include "Samples.h"
#include "ScriptedPlayer.h"
#include "benchSupport.h"
#include "figures.h"
#include "velloc.h"

namespace {

constexpr int kFinishedGames = 300;
constexpr int kFrameLimit = 30000;

bool ended() {
    return countOf("GameWin") + countOf("GameOver") > 0;
}

// Times every whole frame (input, step, update, drawing, presenting) of one
// won game, from the title screen to its win screen.
bool timeGame(Samples& frames) {
    vl::GameManager& game = vl::GameManager::getInstance();
    ScriptedPlayer player(ScriptedPlayer::Goal::Win);
    if (!player.playUntil([] { return currentLevel() == 1; }, kFrameLimit)) {
        return false;
    }
    for (int i = 0; i < kFrameLimit && !ended(); ++i) {
        player.sendInput();
        const BenchClock::time_point start = BenchClock::now();
        game.runFrame();
        frames.add(millisecondsBetween(start, BenchClock::now()));
    }
    return countOf("GameWin") == 1;
}

// Runs frames without drawing them until done() holds; false when the
// frame limit came first.
template <typename Done>
bool runHeadlessUntil(ScriptedPlayer& player, Done done) {
    for (int i = 0; i < kFrameLimit; ++i) {
        if (done()) {
            return true;
        }
        player.sendInput();
        const vl::EventStep step;
        vl::Manager::broadcast(&step);
        vl::WorldManager::getInstance().update();
    }
    return false;
}

// Plays games without drawing them, every third one lost, as a long session
// does; each leaves its frozen displays in the world.
bool playHeadless(int games) {
    for (int game = 0; game < games; ++game) {
        ScriptedPlayer player(game % 3 == 0 ? ScriptedPlayer::Goal::Die
                                            : ScriptedPlayer::Goal::Win);
        if (!runHeadlessUntil(player, [] { return currentLevel() > 0; }) ||
            !runHeadlessUntil(player, ended)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool benchGameFrames() {
    if (!startRealGame()) {
        return false;
    }
    Samples first;
    Samples later;
    const bool measured = timeGame(first) && playHeadless(kFinishedGames) && timeGame(later);
    const int objects = vl::WorldManager::getInstance().allObjects().count();
    stopRealGame();
    if (!measured) {
        return false;
    }
    std::ostringstream ratio;
    ratio << std::fixed << std::setprecision(2) << later.median() / first.median();
    printFigure("frame_game1_ms", first, "ms", "the first won game after start-up");
    printFigure("frame_game300_ms", later, "ms",
                "a won game after " + std::to_string(kFinishedGames + 1) + " finished games, " +
                    ratio.str() + " x game 1, " + std::to_string(objects) +
                    " objects on its win screen");
    return true;
}
