#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// What the real programs say on stderr about the assets they load: each is
// started in a run folder and ended with Escape on its window.

namespace {

namespace fs = std::filesystem;

struct Ended {
    int status = -1;
    std::string errors;
};

// Runs command in folder until a window whose title matches title shows,
// presses Escape there, and collects stderr until the program ends.
Ended runToEscape(const std::string& folder, std::vector<std::string> command,
                  const std::string& title) {
    int errors[2];
    if (pipe(errors) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (std::string& word : command) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        if (chdir(folder.c_str()) == 0 && dup2(errors[1], STDERR_FILENO) >= 0) {
            execv(argv[0], argv.data());
        }
        _exit(127);
    }
    close(errors[1]);
    const std::string escape = "timeout 30 xdotool search --sync --onlyvisible --name '" + title +
                               "' windowfocus --sync key Escape >/dev/null 2>&1";
    EXPECT_EQ(std::system(escape.c_str()), 0) << "no window titled " << title;
    Ended ended;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    bool closed = false;
    while (!closed && std::chrono::steady_clock::now() < deadline) {
        pollfd readable{errors[0], POLLIN, 0};
        if (poll(&readable, 1, 100) > 0) {
            char buffer[256];
            const ssize_t got = read(errors[0], buffer, sizeof buffer);
            closed = got <= 0;
            ended.errors.append(buffer, closed ? 0 : static_cast<size_t>(got));
        }
    }
    close(errors[0]);
    if (!closed) {
        ADD_FAILURE() << "still running 30 s after Escape";
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return ended;
}

// A copy of Velloc's run folder without the program, removed with the test.
struct RunFolder {
    RunFolder() {
        std::string pattern = (fs::temp_directory_path() / "vl-run-XXXXXX").string();
        path = mkdtemp(pattern.data()) != nullptr ? pattern : "";
        for (const char* part : {"sprites", "sounds", "music", "vl-font.ttf"}) {
            fs::copy(fs::path(VL_RUN_DIR) / part, fs::path(path) / part,
                     fs::copy_options::recursive);
        }
    }
    ~RunFolder() { fs::remove_all(path); }
    std::string path;
};

const std::string kVelloc = std::string(VL_RUN_DIR) + "/velloc";

TEST(AssetReport, ACleanRunFolderStartsInSilence) {
    const RunFolder folder;
    const Ended ended = runToEscape(folder.path, {kVelloc}, "^Velloc$");
    EXPECT_EQ(ended.errors, "");
    EXPECT_EQ(ended.status, 0);
}

TEST(AssetReport, EachBrokenAssetGetsOneLineAndTheGameStillRuns) {
    const RunFolder folder;
    std::ofstream(folder.path + "/sprites/player-spr.txt")
        << "frames 1\nwidth 3\nheight 2\ncolor cyan\nslowdown 1\n O \n/|\nend\neof\n";
    fs::remove(folder.path + "/sounds/pew.wav");
    const std::string row = "player-spr.txt:7: row 2 of frame 1 is 2 characters wide, expected 3\n";
    const Ended game = runToEscape(folder.path, {kVelloc}, "^Velloc$");
    EXPECT_EQ(game.errors, "velloc: sprites/" + row + "velloc: sounds/pew.wav: no such file\n");
    EXPECT_EQ(game.status, 0);

    // The tool finds its font beside itself when the working folder has none.
    const Ended tool =
        runToEscape(folder.path + "/sprites", {VL_SPRITE_TOOL, "show", "player-spr.txt"},
                    "^vl-sprite player-spr.txt$");
    EXPECT_EQ(tool.errors, row);
    EXPECT_EQ(tool.status, 0);
}

}  // namespace
