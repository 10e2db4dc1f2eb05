#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <csignal>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "FullscreenKey.h"
#include "GameStart.h"
#include "support/GameFixture.h"
#include "support/PtyTerminal.h"

namespace {

constexpr int kColumns = 82;
constexpr int kRows = 24;
constexpr int kDeadline = 10000;

// A key as a terminal speaking the keyboard protocol sends it.
std::string press(int code) {
    return "\x1b[" + std::to_string(code) + "u";
}
std::string release(int code) {
    return "\x1b[" + std::to_string(code) + ";1:3u";
}
std::string tap(int code) {
    return press(code) + release(code);
}

struct Cell {
    char ch = ' ';
    int color = vl::kDefaultColor;
};
using Grid = std::array<Cell, kColumns * kRows>;

// The picture a frame drew, as the terminal is to show it.
Grid gridOf(const std::vector<vl::FrameCell>& cells) {
    Grid grid;
    for (const vl::FrameCell& cell : cells) {
        const float x = std::floor(cell.view_position.x);
        const float y = std::floor(cell.view_position.y);
        if (x >= 0 && x < kColumns && y >= 0 && y < kRows) {
            // A control character, a tab in a value display say, shows as a blank.
            const char ch = static_cast<unsigned char>(cell.ch) < 0x20 ? ' ' : cell.ch;
            grid[static_cast<std::size_t>(y * kColumns + x)] = Cell{ch, cell.color};
        }
    }
    return grid;
}

// Velloc in a terminal of its own, started in its run folder.
class TerminalGame : public GameFixture {
  protected:
    bool start(bool protocol, int columns = 100, int rows = 30) {
        pty = std::make_unique<PtyTerminal>();
        pty->setAnswersKeyboardQuery(protocol);
        return pty->start({"/bin/sh", "-c",
                           "cd " VL_RUN_DIR " && ./velloc --terminal; echo \"status $?\"; "
                           "stty -a"},
                          columns, rows, {"ALSOFT_DRIVERS=null"});
    }
    bool showsTitle() {
        return pty->waitFor([&] { return pty->contains("ten levels of zombies"); }, kDeadline);
    }
    // Whether the screen, the picture centred in it, shows the grid.
    bool shows(const Grid& grid) const {
        const int left = (pty->columns() - kColumns) / 2;
        const int top = (pty->rows() - kRows) / 2;
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kColumns; ++x) {
                const Cell& cell = grid[static_cast<std::size_t>(y * kColumns + x)];
                if (pty->glyphAt(left + x, top + y) != static_cast<char32_t>(cell.ch) ||
                    (cell.ch != ' ' && pty->colorAt(left + x, top + y) != cell.color)) {
                    return false;
                }
            }
        }
        return true;
    }
    // Where the first glyph in the colour is, or (-1, -1).
    std::pair<int, int> find(char32_t glyph, int color) const {
        for (int y = 0; y < pty->rows(); ++y) {
            for (int x = 0; x < pty->columns(); ++x) {
                if (pty->glyphAt(x, y) == glyph && pty->colorAt(x, y) == color) {
                    return {x, y};
                }
            }
        }
        return {-1, -1};
    }
    // The velloc the shell runs, as a child of it.
    pid_t game() const {
        std::ifstream children("/proc/" + std::to_string(pty->pid()) + "/task/" +
                               std::to_string(pty->pid()) + "/children");
        pid_t pid = -1;
        children >> pid;
        return pid;
    }

    std::unique_ptr<PtyTerminal> pty;
};

// The title and the first frames of a level are the cells the game draws
// without a window, frame for frame.
TEST_F(TerminalGame, ShowsTheCellsTheGameDraws) {
    new FullscreenKey;
    new GameStart;
    std::vector<Grid> title;
    std::vector<Grid> level;
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    for (int frame = 0; frame < 120; ++frame) {
        if (frame == 60 || frame == 61) {
            sendKey(vl::Key::P, frame == 60 ? vl::KeyAction::Pressed : vl::KeyAction::Released);
        }
        stepFrame();
        (frame < 60 ? title : level).push_back(gridOf(display.getPictureCells()));
        display.presentFrame();
    }
    const auto showsOne = [&](const std::vector<Grid>& grids) {
        return pty->waitFor(
            [&] {
                for (const Grid& grid : grids) {
                    if (shows(grid)) {
                        return true;
                    }
                }
                return false;
            },
            kDeadline);
    };
    ASSERT_TRUE(start(true));
    EXPECT_TRUE(showsOne(title)) << pty->row(10);
    ASSERT_TRUE(pty->send(tap('p')));
    EXPECT_TRUE(showsOne(level)) << pty->row(20);
}

// W, A, S and D move the player while held and stop once let go: with the
// keyboard protocol from press to release, without it while the key repeats.
TEST_F(TerminalGame, HeldKeysMoveAndLettingGoStops) {
    for (const bool protocol : {true, false}) {
        SCOPED_TRACE(protocol ? "with the keyboard protocol" : "without");
        ASSERT_TRUE(start(protocol));
        ASSERT_TRUE(showsTitle());
        pty->send(protocol ? tap('p') : "p");
        // Down, away from the zombies, which come from the right.
        const auto player = [&] { return find(U'O', vl::Cyan).second; };
        ASSERT_TRUE(pty->waitFor([&] { return player() >= 0; }, kDeadline));
        const int start_row = player();
        pty->send(protocol ? press('s') : "s");
        ASSERT_TRUE(pty->waitFor(
            [&] {
                if (!protocol) {
                    pty->send("s");  // as a terminal repeats a held key
                }
                return player() >= start_row + 2;
            },
            kDeadline));
        pty->send(protocol ? release('s') : "");
        // Stopped: the same row for a second, however slowly the game runs.
        int stopped = player();
        EXPECT_TRUE(pty->waitFor(
            [&] {
                const int before = player();
                pty->pump(1000);
                stopped = player();
                return stopped == before;
            },
            kDeadline));
        // Well before the field's bottom edge, where a key that stayed down would take it.
        EXPECT_LE(stopped, start_row + 6) << "from row " << start_row;
        EXPECT_TRUE(pty->modes().mouse_any_motion && pty->modes().mouse_sgr);
        EXPECT_EQ(pty->keyboardStackDepth(), protocol ? 1 : 0);
        pty->send(protocol ? "\x1b[99;5u" : "\x03");
        int status = 0;
        ASSERT_TRUE(pty->waitForExit(kDeadline, status));
    }
}

// The pointer over a cell puts the reticle in that cell.
TEST_F(TerminalGame, ThePointerPlacesTheReticle) {
    ASSERT_TRUE(start(true));
    ASSERT_TRUE(showsTitle());
    pty->send(tap('p'));
    ASSERT_TRUE(pty->waitFor([&] { return pty->contains("Level 1"); }, kDeadline));
    for (const auto& [x, y] : {std::pair{30, 12}, std::pair{60, 20}}) {
        pty->send("\x1b[<35;" + std::to_string(x + 1) + ";" + std::to_string(y + 1) + "M");
        EXPECT_TRUE(pty->waitFor(
            [&] {
                return find(U'+', vl::Green) == std::pair{x, y};
            },
            kDeadline))
            << x << "," << y;
    }
}

// A terminal too small for the picture says what it needs, and shows the
// picture once it is made large enough.
TEST_F(TerminalGame, ASmallTerminalSaysWhatItNeeds) {
    ASSERT_TRUE(start(true, 60, 20));
    EXPECT_TRUE(pty->waitFor(
        [&] { return pty->contains("vl needs 82 x 24 cells; this terminal has 60 x 20"); },
        kDeadline));
    pty->resize(82, 24);
    EXPECT_TRUE(showsTitle());
}

// However the game ends, the terminal is given back as it was: modes,
// keyboard flags and settings, the shell's own output after it.
TEST_F(TerminalGame, EveryWayOutGivesTheTerminalBack) {
    const struct {
        const char* way;
        bool protocol;
        std::string keys;
        int signal;
        std::string status;
    } ways[] = {
        {"Escape", true, tap(27), 0, "status 0"},
        {"Ctrl+C with the protocol", true, "\x1b[99;5u", 0, "status 0"},
        {"Ctrl+C without", false, "\x03", 0, "status 0"},
        {"SIGTERM", true, "", SIGTERM, "status 143"},
        {"SIGHUP", true, "", SIGHUP, "status 129"},
        {"SIGINT", false, "", SIGINT, "status 130"},
        {"a crash", true, "", SIGSEGV, "status 139"},
        {"an abort", true, "", SIGABRT, "status 134"},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        ASSERT_TRUE(start(way.protocol));
        ASSERT_TRUE(showsTitle());
        const TerminalModes taken = pty->modes();
        EXPECT_TRUE(taken.alternate_screen && !taken.cursor_visible && taken.focus_reporting);
        EXPECT_EQ(pty->keyboardStackDepth(), way.protocol ? 1 : 0);
        if (way.signal != 0) {
            ASSERT_EQ(::kill(game(), way.signal), 0);
        }
        pty->send(way.keys);
        int status = 0;
        ASSERT_TRUE(pty->waitForExit(kDeadline, status));
        const TerminalModes given = pty->modes();
        EXPECT_FALSE(given.alternate_screen || given.mouse_any_motion || given.mouse_sgr ||
                     given.focus_reporting);
        EXPECT_TRUE(given.cursor_visible);
        EXPECT_EQ(pty->keyboardStackDepth(), 0);
        EXPECT_TRUE(pty->contains(way.status)) << pty->row(0);
        EXPECT_TRUE(pty->contains("isig icanon") && pty->contains(" echo ") &&
                    !pty->contains("-isig") && !pty->contains("-icanon") &&
                    !pty->contains("-echo "))
            << "stty -a shows the settings";
    }
}

}  // namespace
