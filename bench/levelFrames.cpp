#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
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

struct LevelTimes {
    std::array<Samples, kLastLevel> levels;
    int frames = 0;
    int games = 0;
};

// Plays whole games with the scripted player until every level has enough
// frames. Frames run back to back: only their work is timed, and the scripted
// player's choice of input is made before the clock starts. A frame belongs
// to the level it drew: the one that clears level 10 draws the win screen and
// belongs to none.
bool playLevels(LevelTimes& times) {
    vl::GameManager& game = vl::GameManager::getInstance();
    ScriptedPlayer player(ScriptedPlayer::Goal::Win);
    for (; times.frames < kFrameLimit && !everyLevelHasEnough(times.levels); ++times.frames) {
        const int level_before = currentLevel();
        player.sendInput();
        const BenchClock::time_point start = BenchClock::now();
        game.runFrame();
        const BenchClock::time_point end = BenchClock::now();
        const int level = currentLevel();
        if (level >= 1 && level <= kLastLevel) {
            times.levels[static_cast<std::size_t>(level - 1)].add(millisecondsBetween(start, end));
        }
        times.games += level_before == 0 && level == 1 ? 1 : 0;
    }
    if (!everyLevelHasEnough(times.levels)) {
        std::cerr << "velloc-bench: fewer than " << kFramesPerLevel << " frames on some level\n";
        return false;
    }
    return true;
}

// The level whose frames are slowest at the 99th percentile, counted from 0.
std::size_t worstLevel(const LevelTimes& times) {
    std::size_t worst = 0;
    for (std::size_t i = 0; i < times.levels.size(); ++i) {
        if (times.levels[i].percentile(0.99) > times.levels[worst].percentile(0.99)) {
            worst = i;
        }
    }
    return worst;
}

std::string describe(const LevelTimes& times, std::size_t level) {
    return "level " + std::to_string(level + 1) + " by p99, " + std::to_string(times.frames) +
           " frames in " + std::to_string(times.games) + " games";
}

}  // namespace

bool benchLevelFrames() {
    if (!startRealGame()) {
        return false;
    }
    LevelTimes plain;
    if (!playLevels(plain)) {
        stopRealGame();
        return false;
    }
    for (std::size_t i = 0; i < plain.levels.size(); ++i) {
        printFigure("frame_level_ms_" + std::to_string(i + 1), plain.levels[i], "ms");
    }
    const std::size_t worst = worstLevel(plain);
    printFigure("frame_level_ms_worst", plain.levels[worst], "ms", describe(plain, worst));

    // As many games again, recorded into a file of the bench's own folder.
    char folder[] = "/tmp/velloc-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        stopRealGame();
        return false;
    }
    const std::string file = std::string(folder) + "/levels.vlrec";
    LevelTimes recorded;
    const bool played =
        vl::GameManager::getInstance().startRecording(file, "Velloc") == 0 && playLevels(recorded);
    std::remove(file.c_str());
    rmdir(folder);
    if (!played) {
        return false;
    }
    const std::size_t recorded_worst = worstLevel(recorded);
    printFigure("frame_level_ms_recording", recorded.levels[recorded_worst], "ms",
                describe(recorded, recorded_worst) + ", recorded");
    return true;
}
