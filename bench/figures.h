#pragma once

#include <string>

// Each figure prints its lines and returns false when it could not be
// measured. The benchmark runs each in a process of its own, in the run folder.

// draw_full_screen_ms, draw_full_screen_reference_ms and their ratio.
bool benchDrawFullScreen();
// world_update_100_ms, world_update_1000_ms and world_update_1000_scan_ms.
bool benchWorldUpdate();
// frame_game1_ms and frame_game300_ms.
bool benchGameFrames();
// frame_level_ms for each level and the worst level.
bool benchLevelFrames();
// loop_period_ms.
bool benchLoopPeriod();
// cpu_pct_level, cpu_pct_title and cpu_pct_title_full (unchanged frames drawn).
bool benchCpuLevel();
bool benchCpuTitle();
bool benchCpuTitleFull();
// terminal_bytes_title, terminal_bytes_level and cpu_pct_level_terminal: the
// game in a pseudo-terminal.
bool benchTerminal();
// startup_ms of the program in the run folder.
bool benchStartup();
// sprite_load_us.
bool benchSpriteLoad();
