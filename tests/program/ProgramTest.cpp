#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SFML/Graphics/Image.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

// The real program, started in its run folder and played with xdotool.

namespace {

std::string runCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) {
        output += buffer;
    }
    pclose(pipe);
    while (!output.empty() && (output.back() == '\n' || output.back() == ' ')) {
        output.pop_back();
    }
    return output;
}

bool haveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0' && std::system("xdpyinfo >/dev/null 2>&1") == 0;
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Counts the pixels of a rectangle of the window that are not black.
int litPixels(const sf::Image& image, unsigned left, unsigned top, unsigned width,
              unsigned height) {
    int lit = 0;
    for (unsigned y = top; y < top + height && y < image.getSize().y; ++y) {
        for (unsigned x = left; x < left + width && x < image.getSize().x; ++x) {
            const sf::Color c = image.getPixel(x, y);
            if (c.r > 40 || c.g > 40 || c.b > 40) {
                ++lit;
            }
        }
    }
    return lit;
}

class Program {
  public:
    explicit Program(const std::string& folder) {
        pid = fork();
        if (pid == 0) {
            if (chdir(folder.c_str()) != 0) {
                _exit(127);
            }
            execl("./velloc", "velloc", "--ignored-argument", static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~Program() {
        if (pid > 0 && !exited) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    // The window's id, once the program shows one titled "Velloc".
    std::string findWindow() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string id =
                runCommand("xdotool search --name '^Velloc$' 2>/dev/null | head -n1");
            if (!id.empty()) {
                return id;
            }
            pause(100);
        }
        return "";
    }

    // The exit status once the program has ended, or -1 if it is still running
    // after the timeout.
    int waitForExit(int timeout_ms) {
        for (int waited = 0; waited < timeout_ms; waited += 50) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                exited = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            pause(50);
        }
        return -1;
    }

  private:
    pid_t pid = -1;
    bool exited = false;
};

sf::Image capture(const std::string& window, const std::string& name) {
    const std::string path = std::string(VL_RUN_DIR) + "/../" + name + ".png";
    runCommand("import -window " + window + " " + path);
    sf::Image image;
    image.loadFromFile(path);
    return image;
}

void pressKey(const std::string& window, const std::string& key) {
    runCommand("xdotool windowfocus --sync " + window + " 2>/dev/null; xdotool key " + key);
}

}  // namespace

TEST(Program, PlaysFromTitleToGameOverAndQuits) {
    if (!haveDisplay()) {
        GTEST_SKIP() << "no X display";
    }
    Program program(VL_RUN_DIR);
    const std::string window = program.findWindow();
    ASSERT_FALSE(window.empty()) << "no window titled Velloc";
    EXPECT_EQ(runCommand("xdotool getwindowgeometry " + window + " | grep Geometry"),
              "  Geometry: 1024x768");
    runCommand("xdotool mousemove --window " + window + " 512 384");
    pause(500);

    const sf::Image title = capture(window, "program-title");
    ASSERT_EQ(title.getSize().x, 1024u);
    EXPECT_GT(litPixels(title, 0, 0, 1024, 768), 5000) << "the title screen is not drawn";

    pressKey(window, "p");
    pause(700);
    const sf::Image level = capture(window, "program-level");
    // "Level 1" at the top centre, the player around cell (5, 12), a zombie
    // around (70, 3).
    EXPECT_GT(litPixels(level, 41 * 12 - 60, 0, 120, 32), 50) << "no level display";
    EXPECT_GT(litPixels(level, 2 * 12, 9 * 32, 8 * 12, 5 * 32), 50) << "no player";
    EXPECT_GT(litPixels(level, 60 * 12, 0, 15 * 12, 6 * 32), 50) << "no zombie";

    pressKey(window, "Escape");
    pause(700);
    const sf::Image over = capture(window, "program-gameover");
    EXPECT_EQ(litPixels(over, 2 * 12, 10 * 32, 8 * 12, 4 * 32), 0) << "the player is still there";
    EXPECT_GT(litPixels(over, 0, 0, 1024, 768), 5000) << "no game-over screen";

    pressKey(window, "Escape");
    EXPECT_EQ(program.waitForExit(5000), 0);
}

TEST(Program, ExplainsAMissingFontAndFails) {
    if (!haveDisplay()) {
        GTEST_SKIP() << "no X display";
    }
    const std::string empty = runCommand("mktemp -d");
    const std::string output =
        runCommand("cd " + empty + " && " + VL_RUN_DIR + "/velloc 2>&1; echo \"status=$?\"");
    EXPECT_NE(output.find("velloc: cannot load font \"vl-font.ttf\" from " + empty),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("status=1"), std::string::npos) << output;
    EXPECT_EQ(output.find("Failed to load"), std::string::npos) << "only the program's own line";
    runCommand("rmdir " + empty);
}

TEST(Program, ExplainsAMissingDisplayAndFails) {
    const std::string output = runCommand(std::string("cd ") + VL_RUN_DIR +
                                          " && DISPLAY=:987 ./velloc 2>&1; echo \"status=$?\"");
    EXPECT_NE(output.find("velloc: cannot open a window"), std::string::npos) << output;
    EXPECT_NE(output.find("status=1"), std::string::npos) << output;
}
