#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "TempFolder.h"

// vl-sprite as an author runs it from a shell: its output and exit status.

namespace {

struct ToolRun {
    int status;
    std::string output;
};

ToolRun runTool(const std::string& arguments) {
    FILE* pipe = popen((std::string(VL_SPRITE_TOOL) + " " + arguments + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return {-1, ""};
    }
    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(SpriteTool, CheckPrintsFileLineMessageAndFailsOnAnyProblem) {
    TempFolder folder;
    const std::string clean = folder.write("clean-spr.txt",
                                           "frames 1\nwidth 1\nheight 1\ncolor red\n"
                                           "slowdown 1\n*\nend\neof\n");
    const std::string grey = folder.write("grey-spr.txt",
                                          "frames 1\nwidth 1\nheight 1\n"
                                          "color grey\nslowdown 1\n*\nend\neof\n");
    const std::string no_end = folder.write("end-spr.txt",
                                            "frames 1\nwidth 1\nheight 1\ncolor red\n"
                                            "slowdown 1\n*\n");
    const ToolRun run =
        runTool("check " + clean + " " + grey + " " + no_end + " " + folder.path("gone-spr.txt"));
    EXPECT_EQ(run.output, grey +
                              ":4: unknown colour \"grey\": use black, red, green, yellow, "
                              "blue, magenta, cyan or white\n" +
                              no_end + ":7: the file ends inside frame 1: expected \"end\"\n" +
                              folder.path("gone-spr.txt") + ": no such file\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(runTool("check " + clean).status, 0);

    EXPECT_EQ(runTool("show " + folder.path("gone-spr.txt")).status, 1);
    for (const char* wrong : {"", "check", "show", "show a b", "draw a"}) {
        const ToolRun usage = runTool(wrong);
        EXPECT_EQ(usage.status, 2) << wrong;
        EXPECT_EQ(usage.output.rfind("usage: vl-sprite check FILE...", 0), 0u) << wrong;
    }
}

}  // namespace
