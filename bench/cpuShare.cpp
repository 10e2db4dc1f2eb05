#include <cstdio>
#include <functional>
#include <string>

#include "LoopProbe.h"
#include "Samples.h"
#include "ScriptedPlayer.h"
#include "benchSupport.h"
#include "figures.h"
#include "sendInput.h"

namespace {

constexpr double kMeasuredSeconds = 10;
constexpr int kFrameLimit = 5000;

// Runs the real game loop with a probe that, at every step, decides whether
// the coming frame counts, then drives the game. The CPU share of one core is
// taken over the counted frames, from step to step, leaving out the driving.
bool measureShare(const std::string& name, const std::string& what,
                  const std::function<bool()>& counts, const std::function<void()>& drive) {
    if (!startRealGame()) {
        return false;
    }
    Samples frames;
    double counted_wall = 0;
    double counted_cpu = 0;
    int loop_frames = 0;
    bool counting = false;
    BenchClock::time_point wall_mark;
    double cpu_mark = 0;
    // The sound threads' share is taken over the whole span of the counted
    // frames: they work at the same pace whatever the frames hold.
    BenchClock::time_point first_counted;
    double sound_at_first = -1;
    new LoopProbe([&] {
        const BenchClock::time_point wall = BenchClock::now();
        const double cpu = processCpuSeconds();
        if (counting && sound_at_first < 0) {
            first_counted = wall_mark;
            sound_at_first = soundThreadsCpuSeconds();
        }
        if (counting) {
            const double wall_ms = millisecondsBetween(wall_mark, wall);
            const double cpu_ms = (cpu - cpu_mark) * 1000;
            frames.add(100 * cpu_ms / wall_ms);
            counted_wall += wall_ms;
            counted_cpu += cpu_ms;
        }
        counting = counts();
        drive();
        wall_mark = BenchClock::now();
        cpu_mark = processCpuSeconds();
        return counted_wall < kMeasuredSeconds * 1000 && ++loop_frames < kFrameLimit;
    });
    vl::GameManager::getInstance().run();
    const double sound_share = 100 * (soundThreadsCpuSeconds() - sound_at_first) /
                               (millisecondsBetween(first_counted, BenchClock::now()) / 1000);
    stopRealGame();
    char note[200];
    std::snprintf(note, sizeof note,
                  "%s: %.2f s of CPU in %.2f s = %.2f %% of one core, %.2f %% of it on the "
                  "sound threads",
                  what.c_str(), counted_cpu / 1000, counted_wall / 1000,
                  100 * counted_cpu / counted_wall, sound_share);
    printFigure(name, frames, "%", note);
    return counted_wall >= kMeasuredSeconds * 1000;
}

}  // namespace

bool benchCpuTitle() {
    return measureShare(
        "cpu_pct_title", "title screen", [] { return countOf("GameStart") > 0; }, [] {});
}

// The same with every frame drawn and presented, as before the display left
// out unchanged frames: what skipping them saves.
bool benchCpuTitleFull() {
    vl::DisplayManager::getInstance().setSkipUnchangedFrames(false);
    return measureShare(
        "cpu_pct_title_full", "title screen, every frame drawn",
        [] { return countOf("GameStart") > 0; }, [] {});
}

// Level 1 is cleared within a few seconds, so the player leaves each game with
// Escape on level 2 and plays level 1 again from the title screen; only the
// frames of level 1 count.
bool benchCpuLevel() {
    ScriptedPlayer player(ScriptedPlayer::Goal::Win);
    return measureShare(
        "cpu_pct_level", "level 1", [] { return currentLevel() == 1; },
        [&player] {
            player.sendInput();
            if (currentLevel() >= 2 && countOf("Player") > 0) {
                sendKey(vl::Key::Escape, vl::KeyAction::Pressed);
            }
        });
}
