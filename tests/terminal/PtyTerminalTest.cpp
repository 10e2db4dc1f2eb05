#include <gtest/gtest.h>
#include <sys/wait.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/PtyTerminal.h"

namespace {

constexpr int kTimeoutMs = 5000;

struct Case {
    const char* name;
    std::string script;
    std::function<bool(const PtyTerminal&)> shows;  // waited for after drive
    std::function<void(PtyTerminal&)> drive = nullptr;
    bool answers_keyboard_query = false;
    std::vector<std::string> env = {};
    int exit_code = 0;
};

// Sends a line, which the script waits for, once the output ends with text.
void continueAfter(PtyTerminal& terminal, const std::string& text) {
    const std::string& out = terminal.output();
    EXPECT_TRUE(terminal.waitFor(
        [&] { return out.size() >= text.size() && out.substr(out.size() - text.size()) == text; },
        kTimeoutMs));
    terminal.send("\n");
}

std::string describe(const PtyTerminal& t) {
    std::ostringstream text;
    for (int y = 0; y < t.rows(); ++y) {
        text << "|" << t.row(y) << "|\n";
    }
    const TerminalModes m = t.modes();
    text << "alternate " << m.alternate_screen << " cursor " << m.cursor_visible << " motion "
         << m.mouse_any_motion << " sgr " << m.mouse_sgr << " focus " << m.focus_reporting
         << " keys " << m.keyboard_stack_depth << "/" << t.keyboardFlags() << " sync "
         << t.synchronizedUpdates();
    return text.str();
}

// Each case runs a shell script in a 40 x 6 terminal, waits for what the
// terminal should show or have followed, then for the script's end.
TEST(PtyTerminal, ShowsFollowsAndAnswersWhatAProgramWrites) {
    const std::vector<Case> cases = {
        {"basic colours only, at their cells",
         R"(printf '\033[2;3H\033[31mred\033[1;34mblue\033[0m \033[38;5;196mx\033[38;2;0;0;255my\033[92mz\033[0mdé\033[38;5;2mg')",
         [](const PtyTerminal& t) {
             std::vector<int> colours;
             for (int x = 2; x < 16; ++x) {
                 colours.push_back(t.colorAt(x, 1));
             }
             return t.row(1) == "  redblue xyzdég" + std::string(24, ' ') &&
                    t.glyphAt(14, 1) == U'é' && t.glyphAt(40, 1) == 0 &&
                    colours == std::vector<int>{1, 1, 1, 4, 4, 4, 4, -1, -1, -1, -1, -1, -1, 2};
         }},
        {"modes set",
         R"(printf 'before\033[?2026l\033[?1047h\033[?25l\033[?1003;1006h\033[?1004h\033[>5u\033[>1u\033[<u\033[?2026hA\033[?2026l\033[?2026hB\033[?2026l')",
         [](const PtyTerminal& t) {
             const TerminalModes m = t.modes();
             return m.alternate_screen && !m.cursor_visible && m.mouse_any_motion && m.mouse_sgr &&
                    m.focus_reporting && m.keyboard_stack_depth == 1 && t.keyboardFlags() == 5 &&
                    t.synchronizedUpdates() == 2 && t.contains("AB") && !t.contains("before");
         }},
        {"modes reset by sequences split across reads",
         R"(stty -echo; printf 'before\033[?1049h\033[?25l\033[?1003;1006;1004h\033[>5u\033[?2026h\033[?10'; read x; printf '49l\033[?25h\033[?1003l\033[?1006;1004l\033[<'; read x; printf 'u\033[?2026hdone')",
         [](const PtyTerminal& t) {
             const TerminalModes m = t.modes();
             return !m.alternate_screen && m.cursor_visible && !m.mouse_any_motion &&
                    !m.mouse_sgr && !m.focus_reporting && m.keyboard_stack_depth == 0 &&
                    t.keyboardFlags() == 0 && t.synchronizedUpdates() == 0 &&
                    t.contains("beforedone");
         },
         [](PtyTerminal& t) {
             continueAfter(t, "\033[?10");
             continueAfter(t, "\033[<");
         }},
        // The answers come in the order of the queries: the keyboard flags
        // pushed, then libvterm's device attributes.
        {"keyboard query answered",
         R"(stty -icanon -echo min 12 time 5; printf '\033[>3u\033[?u\033[c'; r=$(dd bs=12 count=1 2>/dev/null | tr '\033' E); echo "read $r.")",
         [](const PtyTerminal& t) { return t.contains("read E[?3uE[?1;2c."); }, nullptr, true},
        {"keyboard query unanswered",
         R"(stty -icanon -echo min 12 time 5; printf '\033[?u\033[c'; r=$(dd bs=12 count=1 2>/dev/null | tr '\033' E); echo "read $r.")",
         [](const PtyTerminal& t) { return t.contains("read E[?1;2c."); }},
        {"environment and exit status",
         R"(echo "$TERM H=${HOME-unset} V=$V"; exit 3)",
         [](const PtyTerminal& t) { return t.contains("xterm-256color H=unset V=a b"); },
         nullptr,
         false,
         {"HOME=", "V=a b"},
         3},
        {"resize", R"(trap 'stty size; exit 0' WINCH; echo ready; while :; do sleep 0.1; done)",
         [](const PtyTerminal& t) { return t.contains("8 50") && t.row(7).size() == 50; },
         [](PtyTerminal& t) {
             EXPECT_TRUE(t.waitFor([&] { return t.contains("ready"); }, kTimeoutMs));
             t.resize(50, 8);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyTerminal terminal;
        terminal.setAnswersKeyboardQuery(c.answers_keyboard_query);
        ASSERT_TRUE(terminal.start({"/bin/sh", "-c", c.script}, 40, 6, c.env));
        if (c.drive) {
            c.drive(terminal);
        }
        EXPECT_TRUE(terminal.waitFor([&] { return c.shows(terminal); }, kTimeoutMs))
            << describe(terminal);
        int status = 0;
        ASSERT_TRUE(terminal.waitForExit(kTimeoutMs, status)) << describe(terminal);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == c.exit_code)
            << "wait status " << status;
    }
}

}  // namespace
