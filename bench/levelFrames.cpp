#include <array>
#include <iostream>
#include <string>

#include "Samples.h"
#include "ScriptedPlayer.h"
#include "benchSupport.h"
#include "figures.h"
#include "velloc.h"

namespace {

constexpr int kFramesPerLevel = 300;
// Enough for several whole games: a won game ends on the win screen and the
// scripted player starts the next one from there.
constexpr int kFrameLimit = 60000;

bool everyLevelHasEnough(const std::array<Samples, kLastLevel>& levels) {
    for (const Samples& level : levels) {
        if (level.count() < kFramesPerLevel) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool benchLevelFrames() {
    if (!startRealGame()) {
        return false;
    }
    vl::GameManager& game = vl::GameManager::getInstance();
    ScriptedPlayer player(ScriptedPlayer::Goal::Win);
    std::array<Samples, kLastLevel> levels;
    int frames = 0;
    int games = 0;
    // Frames run back to back: only their work is timed, and the scripted
    // player's choice of input is made before the clock starts. A frame
    // belongs to the level it drew: the one that clears level 10 draws the
    // win screen and belongs to none.
    for (; frames < kFrameLimit && !everyLevelHasEnough(levels); ++frames) {
        const int level_before = currentLevel();
        player.sendInput();
        const BenchClock::time_point start = BenchClock::now();
        game.runFrame();
        const BenchClock::time_point end = BenchClock::now();
        const int level = currentLevel();
        if (level >= 1 && level <= kLastLevel) {
            levels[static_cast<std::size_t>(level - 1)].add(millisecondsBetween(start, end));
        }
        games += level_before == 0 && level == 1 ? 1 : 0;
    }
    stopRealGame();
    int worst = 0;
    for (int i = 0; i < kLastLevel; ++i) {
        const Samples& level = levels[static_cast<std::size_t>(i)];
        printFigure("frame_level_ms_" + std::to_string(i + 1), level, "ms");
        if (level.percentile(0.99) > levels[static_cast<std::size_t>(worst)].percentile(0.99)) {
            worst = i;
        }
    }
    printFigure("frame_level_ms_worst", levels[static_cast<std::size_t>(worst)], "ms",
                "level " + std::to_string(worst + 1) + " by p99, " + std::to_string(frames) +
                    " frames in " + std::to_string(games) + " games");
    if (!everyLevelHasEnough(levels)) {
        std::cerr << "velloc-bench: fewer than " << kFramesPerLevel << " frames on some level\n";
        return false;
    }
    return true;
}
