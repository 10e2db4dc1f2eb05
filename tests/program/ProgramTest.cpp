#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "options.h"
#include "support/PixelChecks.h"
#include "support/TestFolder.h"

// After the test library, whose names Xlib's macros would replace.
#include <X11/Xlib.h>

// The real Velloc and vl-sprite, run as a user runs them: from a shell, in a
// run folder, played and ended with xdotool on their windows.

namespace {

namespace fs = std::filesystem;

const std::string kRunFolder = VL_RUN_DIR;
const std::string kVelloc = kRunFolder + "/velloc";
const std::string kTool = VL_SPRITE_TOOL;

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
// A program that did not end well after no Escape could be pressed (no such
// window showed in time) has "no Escape pressed" before its status.
// Both waits have a deadline. The key goes to whatever has the focus, not to
// the window found: xdotool would send the release of a key meant for a
// window that has closed on the press as a plain event, and the server would
// go on holding the key down; its next press, in the next test, would then
// come as a repeat, which the window library drops.
std::string runToEscape(const std::string& folder, const std::string& program,
                        const std::string& title) {
    return outputOf("cd " + folder + " && { timeout 60 " + program +
                    " 2>&1 >/dev/null & timeout 30 xdotool search --sync --onlyvisible --name '" +
                    title + "' windowfocus --sync >/dev/null 2>&1 && xdotool key Escape; " +
                    "pressed=$?; wait $!; status=$?; [ $status = 0 ] || [ $pressed = 0 ] || " +
                    "echo no Escape pressed; echo exit $status; }");
}

// Reads the window until its picture passes the check or the deadline (10 s
// unless given) passes, and saves the last picture in the test's folder.
bool showsSoon(const std::string& window, const std::string& name,
               const std::function<bool(const sf::Image&)>& shows,
               std::chrono::milliseconds within = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + within;
    const sf::IntRect whole(0, 0, 1024, 768);
    sf::Image image = readShownPixels(std::stoul(window), whole);
    while (!shows(image) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        image = readShownPixels(std::stoul(window), whole);
    }
    savePicture(image, name + ".png");
    return shows(image);
}

bool litIn(const sf::Image& image, int left, int top, int width, int height) {
    return countLitPixels(image, sf::IntRect(left, top, width, height)) > 50;
}

bool drawnWhole(const sf::Image& image) {
    return countLitPixels(image, sf::IntRect(0, 0, 1024, 768)) > 5000;
}

TEST(Program, PlaysFromTitleToGameOverAndQuits) {
    // Bounded: a failed check leaves the program to its timeout.
    const std::unique_ptr<FILE, int (*)(FILE*)> program(
        popen(("cd " + kRunFolder + " && timeout 30 ./velloc 2>&1; " + "echo exit $?").c_str(),
              "r"),
        pclose);
    ASSERT_NE(program, nullptr);
    const std::string window = outputOf(
        "timeout 10 xdotool search --sync --name '^Velloc$' 2>/dev/null | head -n1 | tr -d '\\n'");
    ASSERT_FALSE(window.empty()) << "no window titled Velloc: run under xvfb-run";
    EXPECT_EQ(outputOf("xdotool getwindowgeometry " + window + " | grep Geometry"),
              "  Geometry: 1024x768\n");
    outputOf("xdotool mousemove --window " + window + " 512 384");
    const auto press = [&](const std::string& key) {
        outputOf("xdotool windowfocus --sync " + window + " 2>/dev/null; xdotool key " + key);
    };

    EXPECT_TRUE(showsSoon(window, "title", drawnWhole)) << "the title screen is not drawn";
    // "Level 1" at the top centre, the player around cell (5, 12), a zombie
    // around (70, 3); then the game-over screen in the player's place.
    press("p");
    EXPECT_TRUE(showsSoon(window, "level", [](const sf::Image& image) {
        return litIn(image, 41 * 12 - 60, 0, 120, 32) && litIn(image, 24, 9 * 32, 96, 160) &&
               litIn(image, 60 * 12, 0, 180, 192);
    })) << "no level display, player or zombie";
    press("Escape");
    EXPECT_TRUE(showsSoon(window, "game-over", [&](const sf::Image& image) {
        return countLitPixels(image, sf::IntRect(24, 10 * 32, 96, 128)) == 0 && drawnWhole(image);
    })) << "no game-over screen in place of the player";
    press("Escape");

    std::string output;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, program.get()) != nullptr) {
        output += buffer;
    }
    EXPECT_EQ(output, "exit 0\n");
}

// The title never changes, so the game presents no frame of it until the
// window system says its picture was spoilt, or a quarter of a second has
// passed. A window laid over the whole screen and taken away again leaves the
// server nothing of the picture to show: the game must draw it again. The
// deadline allows for the loop's frame and the screen reads on a busy machine.
TEST(Program, DrawsTheTitleAgainOnceUncovered) {
    const std::unique_ptr<FILE, int (*)(FILE*)> program(
        popen(("cd " + kRunFolder + " && timeout 30 ./velloc 2>&1; echo exit $?").c_str(), "r"),
        pclose);
    ASSERT_NE(program, nullptr);
    const std::string window = outputOf(
        "timeout 10 xdotool search --sync --name '^Velloc$' 2>/dev/null | head -n1 | tr -d '\\n'");
    ASSERT_FALSE(window.empty()) << "no window titled Velloc: run under xvfb-run";
    const sf::IntRect whole(0, 0, 1024, 768);
    ASSERT_TRUE(showsSoon(window, "title", [&](const sf::Image& image) {
        return countLitPixels(image, whole) > 5000;
    }));
    const sf::Image title = readShownPixels(std::stoul(window), whole);

    const std::unique_ptr<Display, decltype(&XCloseDisplay)> x(XOpenDisplay(nullptr),
                                                               XCloseDisplay);
    const int screen = DefaultScreen(x.get());
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = WhitePixel(x.get(), screen);
    const ::Window cover =
        XCreateWindow(x.get(), RootWindow(x.get(), screen), 0, 0,
                      static_cast<unsigned>(DisplayWidth(x.get(), screen)),
                      static_cast<unsigned>(DisplayHeight(x.get(), screen)), 0, CopyFromParent,
                      InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(x.get(), cover);
    XSync(x.get(), False);
    EXPECT_GT(comparePixels(readShownPixels(std::stoul(window), whole), title).count, 0);
    XDestroyWindow(x.get(), cover);
    XSync(x.get(), False);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(750);
    sf::Image shown = readShownPixels(std::stoul(window), whole);
    while (comparePixels(shown, title).count > 0 && std::chrono::steady_clock::now() < deadline) {
        shown = readShownPixels(std::stoul(window), whole);
    }
    savePicture(shown, "uncovered.png");
    EXPECT_EQ(comparePixels(shown, title).count, 0);

    outputOf("xdotool windowfocus --sync " + window + " key Escape 2>/dev/null");
    char buffer[256];
    std::string output;
    while (fgets(buffer, sizeof buffer, program.get()) != nullptr) {
        output += buffer;
    }
    EXPECT_EQ(output, "exit 0\n");
}

TEST(Program, FindsItsFilesFromAnyFolderAndExplainsWhatKeepsItFromStarting) {
    const fs::path folder = testFolder();
    EXPECT_EQ(runToEscape(folder, kVelloc, "^Velloc$"), "exit 0\n");
    fs::create_directory(folder / "bin");
    fs::copy(kVelloc, folder / "bin");
    EXPECT_EQ(outputOf("cd " + folder.string() + " && bin/velloc 2>&1; echo $?"),
              "velloc: cannot find the game's files (vl-font.ttf and 14 files in sprites/, sounds/ "
              "and music/) in " +
                  folder.string() + ", " + (folder / "bin").string() + " or " +
                  (folder / "share/velloc").string() + "\n1\n");
    EXPECT_EQ(outputOf("cd " + kRunFolder + " && DISPLAY=:987 ./velloc 2>&1; echo $?"),
              "velloc: cannot open a window: no X display could be opened\n1\n");
}

// Without an X display: what the command line and VL_SCALE ask for is settled
// before a window is needed. A run that gets as far as the window shows that
// its options and VL_SCALE were taken.
TEST(Program, FollowsTheCommandLineOrSaysInOneLineWhyNot) {
    const std::string no_window = "velloc: cannot open a window: no X display could be opened\n";
    const std::string scale_range = "takes a whole number from 1 to 4, not ";
    const struct {
        std::string environment;
        std::string arguments;
        std::string output;
        int status;
    } kCommands[] = {
        {"", "--bogus", "velloc: unknown option \"--bogus\"; see velloc --help\n", 2},
        {"", "-x foo", "velloc: unknown option \"-x\"; see velloc --help\n", 2},
        {"", "--help --bogus", "velloc: unknown option \"--bogus\"; see velloc --help\n", 2},
        {"", "play",
         "velloc: unexpected argument \"play\": velloc takes only options; see velloc --help\n", 2},
        {"", "--version", std::string("velloc ") + VL_PROJECT_VERSION + "\n", 0},
        {"", "--help", helpText(), 0},
        {"VL_SCALE=0", "-h", helpText(), 0},
        {"VL_SCALE=x", "--version --fast", std::string("velloc ") + VL_PROJECT_VERSION + "\n", 0},
        {"VL_SCALE=0", "", "velloc: VL_SCALE " + scale_range + "\"0\"\n", 2},
        {"VL_SCALE=", "", no_window, 1},
        {"VL_SCALE=0", "--scale 2", no_window, 1},
        {"", "--scale 5", "velloc: --scale " + scale_range + "\"5\"\n", 2},
        {"", "--scale -1", "velloc: --scale " + scale_range + "\"-1\"\n", 2},
        {"", "--scale 2x", "velloc: --scale " + scale_range + "\"2x\"\n", 2},
        {"", "--scale", "velloc: --scale " + scale_range + "\"\"\n", 2},
        {"", "--replay", "velloc: --replay needs a file\n", 2},
        {"", "--fast", "velloc: --fast and --headless go with --replay\n", 2},
        {"", "--record a --headless", "velloc: --fast and --headless go with --replay\n", 2},
        {"", "--record a --replay b", "velloc: --record and --replay cannot go together\n", 2},
    };
    for (const auto& command : kCommands) {
        EXPECT_EQ(
            outputOf("cd " + kRunFolder + " && env -u DISPLAY -u VL_SCALE " + command.environment +
                     " ./velloc " + command.arguments + " 2>&1; echo exit $?"),
            command.output + "exit " + std::to_string(command.status) + "\n")
            << command.environment << " velloc " << command.arguments;
    }
}

// Starts Velloc in its run folder with the shell words before it, checks that
// its title is drawn within a second of its window showing, waits for its
// stderr to hold the line (at most 10 s), presses Escape and returns its
// stderr and "exit STATUS".
std::string playTitleUntil(const std::string& environment, const std::string& line) {
    const std::string errors = testFolder() + "/stderr";
    const std::unique_ptr<FILE, int (*)(FILE*)> program(
        popen(("cd " + kRunFolder + " && " + environment + " timeout 60 ./velloc 2>" + errors +
               " >/dev/null; echo exit $?")
                  .c_str(),
              "r"),
        pclose);
    const std::string window = outputOf(
        "timeout 30 xdotool search --sync --name '^Velloc$' 2>/dev/null | head -n1 | tr -d '\\n'");
    if (program == nullptr || window.empty()) {
        return "no window";
    }
    EXPECT_TRUE(showsSoon(window, "title", drawnWhole, std::chrono::seconds(1)))
        << "the title waits for the sound device";
    const auto said = [&] {
        std::ifstream file(errors);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (said().find(line) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    outputOf("xdotool windowfocus --sync " + window + " 2>/dev/null; xdotool key Escape");
    char status[64] = "";
    const bool ended = fgets(status, sizeof status, program.get()) != nullptr;
    return said() + (ended ? status : "no end\n");
}

// The audio library set to a sound device that is not there, as on a machine
// without a sound card: the library and the sound system below it both fail
// to open it, loudly. A game with sounds says so in one line and plays in
// silence; a program with none never asks for the device and says nothing.
// A device that never opens (here an output file nobody reads) is given up
// after five seconds, and the game plays on in silence. Either way the title
// shows at once, without waiting for the device.
TEST(Program, WithoutAnAudioDeviceSaysSoInOneLineOnlyWhenSoundIsUsed) {
    const std::string fifo = testFolder() + "/unread.wav";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string settings;
        std::string line;
        bool blocks;
    } kDevices[] = {
        {"drivers = alsa\n[alsa]\ndevice = vl-no-such-device\n",
         "vl: no audio device; playing without sound\n", false},
        {"drivers = wave\n[wave]\nfile = " + fifo + "\n",
         "vl: the audio device did not open within 5 seconds; playing without sound\n", true},
    };
    // Every process of the test's runs carries this in its environment.
    const std::string mark = "VL_TEST_RUN=" + testFolder();
    for (const auto& device : kDevices) {
        const std::string environment =
            "env -u ALSOFT_DRIVERS -u ALSOFT_LOGLEVEL " + mark +
            " ALSOFT_CONF=" + writeTestFile("alsoft.conf", device.settings) + " ";
        EXPECT_EQ(playTitleUntil(environment, device.line), device.line + "exit 0\n");
        if (device.blocks) {
            // Quit before the device answers: the child asking for it goes too.
            EXPECT_EQ(playTitleUntil(environment, ""), "exit 0\n");
            EXPECT_EQ(outputOf("grep -ls '" + mark + "' /proc/[0-9]*/environ"), "");
        }
        EXPECT_EQ(runToEscape(kRunFolder + "/sprites", environment + kTool + " show player-spr.txt",
                              "^vl-sprite player-spr.txt$"),
                  "exit 0\n");
    }
}

// A copy of Velloc's run folder without the program, in the test's folder.
fs::path copyRunFolder() {
    const fs::path folder = testFolder();
    fs::copy(kRunFolder + "/sprites", folder / "sprites");
    fs::copy(kRunFolder + "/sounds", folder / "sounds");
    fs::create_symlink(kRunFolder + "/music", folder / "music");
    fs::create_symlink(kRunFolder + "/vl-font.ttf", folder / "vl-font.ttf");
    return folder;
}

TEST(AssetReport, StartUpIsSilentUntilAnAssetBreaksThenGivesItOneLine) {
    const fs::path folder = copyRunFolder();
    std::ofstream(folder / "sprites/player-spr.txt")
        << "frames 1\nwidth 3\nheight 2\ncolor cyan\nslowdown 1\n O \n/|\nend\neof\n";
    // Broken rather than missing: a folder without one of the game's files is
    // not taken as its run folder.
    std::ofstream(folder / "sounds/pew.wav") << "not a sound\n";
    const std::string row =
        "player-spr.txt:7: row 2 of frame 1 is 2 characters wide, expected 3; frame 1 loads "
        "empty\n";
    EXPECT_EQ(runToEscape(folder, kVelloc, "^Velloc$"),
              "velloc: sprites/" + row +
                  "velloc: sounds/pew.wav: not a sound file that can be decoded (WAV, OGG or "
                  "FLAC)\nexit 0\n");
    // Without a font in the working folder, the tool finds the one beside it.
    EXPECT_EQ(runToEscape(folder / "sprites", kTool + " show player-spr.txt",
                          "^vl-sprite player-spr.txt$"),
              row + "exit 0\n");
}

TEST(AssetReport, SpriteCheckPrintsFileLineMessageAndFailsOnAnyProblem) {
    const std::string header = "frames 1\nwidth 1\nheight 1\ncolor ";
    const std::string clean = writeTestFile("clean", header + "red\nslowdown 1\n*\nend\neof\n");
    const std::string grey = writeTestFile("grey", header + "grey\nslowdown 1\n*\nend\neof\n");
    const std::string open = writeTestFile("open", header + "red\nslowdown 1\n*\n");
    const std::string gone = testFolder() + "/gone";
    // The clean file last: one broken file anywhere fails the whole check.
    EXPECT_EQ(outputOf(kTool + " check " + clean + " " + grey + " " + open + " " + gone + " " +
                       clean + " 2>&1; echo exit $?"),
              grey +
                  ":4: unknown colour \"grey\": use black, red, green, yellow, blue, magenta, "
                  "cyan or white\n" +
                  open +
                  ":7: the file ends inside frame 1: expected \"end\"; frame 1 loads empty\n" +
                  gone + ": no such file\nexit 1\n");
    EXPECT_EQ(outputOf(kTool + " check " + clean + "; echo exit $?"), "exit 0\n");
    for (const char* wrong : {"", "check", "show", "show a b", "draw a"}) {
        EXPECT_EQ(outputOf(kTool + " " + wrong + " 2>&1; echo exit $?"),
                  "usage: vl-sprite check FILE...\n       vl-sprite show FILE\nexit 2\n")
            << wrong;
    }
}

}  // namespace
