#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SFML/Graphics/Image.hpp>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "support/DisplayScreen.h"
#include "support/PixelChecks.h"
#include "support/TestFolder.h"

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

constexpr auto kDeadline = std::chrono::seconds(10);
constexpr auto kPollPause = std::chrono::milliseconds(20);

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
        const auto deadline = std::chrono::steady_clock::now() + kDeadline;
        std::string id;
        while (id.empty() && std::chrono::steady_clock::now() < deadline) {
            id = runCommand("xdotool search --name '^Velloc$' 2>/dev/null | head -n1");
            std::this_thread::sleep_for(kPollPause);
        }
        return id;
    }

    // The exit status once the program has ended, or -1 if it is still running
    // after the timeout.
    int waitForExit() {
        const auto deadline = std::chrono::steady_clock::now() + kDeadline;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                exited = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(kPollPause);
        }
        return -1;
    }

  private:
    pid_t pid = -1;
    bool exited = false;
};

// What the window shows; saved in the test's folder to be looked at.
sf::Image capture(const std::string& window, const std::string& name) {
    const sf::Image image = readShownPixels(std::stoul(window), sf::IntRect(0, 0, 1024, 768));
    image.saveToFile(testFolder() + "/" + name + ".png");
    return image;
}

// Captures the window until the picture passes the check or the deadline
// passes; the last capture either way.
sf::Image captureWhen(const std::string& window, const std::string& name,
                      const std::function<bool(const sf::Image&)>& shows) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    sf::Image image = capture(window, name);
    while (!shows(image) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollPause);
        image = capture(window, name);
    }
    return image;
}

void pressKey(const std::string& window, const std::string& key) {
    runCommand("xdotool windowfocus --sync " + window + " 2>/dev/null; xdotool key " + key);
}

}  // namespace

TEST(Program, PlaysFromTitleToGameOverAndQuits) {
    ASSERT_TRUE(haveDisplay()) << "no X display: run under xvfb-run";
    Program program(VL_RUN_DIR);
    const std::string window = program.findWindow();
    ASSERT_FALSE(window.empty()) << "no window titled Velloc";
    EXPECT_EQ(runCommand("xdotool getwindowgeometry " + window + " | grep Geometry"),
              "  Geometry: 1024x768");
    runCommand("xdotool mousemove --window " + window + " 512 384");

    const auto drawn = [](const sf::Image& image) {
        return countLitPixels(image, sf::IntRect(0, 0, 1024, 768)) > 5000;
    };
    const sf::Image title = captureWhen(window, "program-title", drawn);
    ASSERT_EQ(title.getSize().x, 1024u);
    EXPECT_TRUE(drawn(title)) << "the title screen is not drawn";

    // "Level 1" at the top centre, the player around cell (5, 12), a zombie
    // around (70, 3).
    const auto level_shown = [](const sf::Image& image) {
        return countLitPixels(image, sf::IntRect(41 * 12 - 60, 0, 120, 32)) > 50 &&
               countLitPixels(image, sf::IntRect(2 * 12, 9 * 32, 8 * 12, 5 * 32)) > 50 &&
               countLitPixels(image, sf::IntRect(60 * 12, 0, 15 * 12, 6 * 32)) > 50;
    };
    pressKey(window, "p");
    EXPECT_TRUE(level_shown(captureWhen(window, "program-level", level_shown)))
        << "no level display, player or zombie";

    const auto game_over = [&](const sf::Image& image) {
        return countLitPixels(image, sf::IntRect(2 * 12, 10 * 32, 8 * 12, 4 * 32)) == 0 &&
               drawn(image);
    };
    pressKey(window, "Escape");
    EXPECT_TRUE(game_over(captureWhen(window, "program-gameover", game_over)))
        << "no game-over screen in place of the player";

    pressKey(window, "Escape");
    EXPECT_EQ(program.waitForExit(), 0);
}

TEST(Program, ExplainsAMissingFontAndFails) {
    ASSERT_TRUE(haveDisplay()) << "no X display: run under xvfb-run";
    const std::string empty = testFolder();
    const std::string output =
        runCommand("cd " + empty + " && " + VL_RUN_DIR + "/velloc 2>&1; echo \"status=$?\"");
    EXPECT_NE(output.find("velloc: cannot load font \"vl-font.ttf\" from " + empty),
              std::string::npos)
        << output;
    EXPECT_NE(output.find("status=1"), std::string::npos) << output;
    EXPECT_EQ(output.find("Failed to load"), std::string::npos) << "only the program's own line";
}

TEST(Program, ExplainsAMissingDisplayAndFails) {
    const std::string output = runCommand(std::string("cd ") + VL_RUN_DIR +
                                          " && DISPLAY=:987 ./velloc 2>&1; echo \"status=$?\"");
    EXPECT_NE(output.find("velloc: cannot open a window"), std::string::npos) << output;
    EXPECT_NE(output.find("status=1"), std::string::npos) << output;
}
