#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// What Velloc and vl-sprite say about the assets they read, run as a user
// runs them: from a shell, in a run folder, ended with Escape on their window.

namespace {

namespace fs = std::filesystem;

// Everything the shell command writes to stdout.
std::string outputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[256];
    while (pipe != nullptr && fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    if (pipe != nullptr) {
        pclose(pipe);
    }
    return output;
}

// Starts program in folder, presses Escape on its window as soon as one
// titled title shows, and returns the program's stderr and "exit STATUS".
// Both waits have a deadline.
std::string runToEscape(const std::string& folder, const std::string& program,
                        const std::string& title) {
    return outputOf("cd " + folder + " && { timeout 60 " + program +
                    " 2>&1 >/dev/null & timeout 30 xdotool search --sync --onlyvisible --name '" +
                    title + "' windowfocus --sync key Escape >/dev/null 2>&1; wait $!; " +
                    "echo exit $?; }");
}

// A copy of Velloc's run folder without the program, removed with the test.
struct RunFolder {
    RunFolder() {
        std::string pattern = (fs::temp_directory_path() / "vl-run-XXXXXX").string();
        path = mkdtemp(pattern.data()) != nullptr ? pattern : "/nonexistent";
        for (const char* part : {"sprites", "sounds", "music", "vl-font.ttf"}) {
            fs::copy(fs::path(VL_RUN_DIR) / part, path / part, fs::copy_options::recursive);
        }
    }
    ~RunFolder() { fs::remove_all(path); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path / name) << text;
        return (path / name).string();
    }
    fs::path path;
};

const std::string kVelloc = std::string(VL_RUN_DIR) + "/velloc";
const std::string kTool = VL_SPRITE_TOOL;

TEST(AssetReport, StartUpIsSilentUntilAnAssetBreaksThenGivesItOneLine) {
    const RunFolder folder;
    EXPECT_EQ(runToEscape(folder.path, kVelloc, "^Velloc$"), "exit 0\n");
    folder.write("sprites/player-spr.txt",
                 "frames 1\nwidth 3\nheight 2\ncolor cyan\nslowdown 1\n O \n/|\nend\neof\n");
    fs::remove(folder.path / "sounds/pew.wav");
    const std::string row = "player-spr.txt:7: row 2 of frame 1 is 2 characters wide, expected 3\n";
    EXPECT_EQ(runToEscape(folder.path, kVelloc, "^Velloc$"),
              "velloc: sprites/" + row + "velloc: sounds/pew.wav: no such file\nexit 0\n");
    // Without a font in the working folder, the tool finds the one beside it.
    EXPECT_EQ(runToEscape(folder.path / "sprites", kTool + " show player-spr.txt",
                          "^vl-sprite player-spr.txt$"),
              row + "exit 0\n");
}

TEST(AssetReport, SpriteCheckPrintsFileLineMessageAndFailsOnAnyProblem) {
    const RunFolder folder;
    const std::string header = "frames 1\nwidth 1\nheight 1\ncolor ";
    const std::string clean = folder.write("clean", header + "red\nslowdown 1\n*\nend\neof\n");
    const std::string grey = folder.write("grey", header + "grey\nslowdown 1\n*\nend\neof\n");
    const std::string open = folder.write("open", header + "red\nslowdown 1\n*\n");
    const std::string gone = (folder.path / "gone").string();
    EXPECT_EQ(outputOf(kTool + " check " + clean + " " + grey + " " + open + " " + gone +
                       " 2>&1; echo exit $?"),
              grey +
                  ":4: unknown colour \"grey\": use black, red, green, yellow, blue, magenta, "
                  "cyan or white\n" +
                  open + ":7: the file ends inside frame 1: expected \"end\"\n" + gone +
                  ": no such file\nexit 1\n");
    EXPECT_EQ(outputOf(kTool + " check " + clean + "; echo exit $?"), "exit 0\n");
    for (const char* wrong : {"", "check", "show", "show a b", "draw a"}) {
        EXPECT_EQ(outputOf(kTool + " " + wrong + " 2>&1; echo exit $?"),
                  "usage: vl-sprite check FILE...\n       vl-sprite show FILE\nexit 2\n")
            << wrong;
    }
}

}  // namespace
