#include "options.h"

#include <cstdlib>
#include <string>

#include <vl/vl.h>

namespace {

bool readScale(const std::string& text, int& scale) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 2) {
        return false;
    }
    const int value = std::atoi(text.c_str());
    if (value < 1 || value > vl::kMaxWindowScale) {
        return false;
    }
    scale = value;
    return true;
}

std::string scaleProblem(const std::string& source, const std::string& value) {
    return source + " takes a whole number from 1 to " + std::to_string(vl::kMaxWindowScale) +
           ", not \"" + value + "\"";
}

// Reads the argument at i, and the value after it for options that take one.
bool readArgument(int argc, const char* const argv[], int& i, bool& scale_given, Options& options,
                  std::string& problem) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
        options.show_help = true;
    } else if (argument == "--version") {
        options.show_version = true;
    } else if (argument == "--scale") {
        const std::string value = i + 1 < argc ? argv[++i] : "";
        if (!readScale(value, options.scale)) {
            problem = scaleProblem("--scale", value);
            return false;
        }
        scale_given = true;
    } else if (argument == "--record" || argument == "--replay") {
        std::string& file = argument == "--record" ? options.record_file : options.replay_file;
        file = i + 1 < argc ? argv[++i] : "";
        if (file.empty()) {
            problem = argument + " needs a file";
            return false;
        }
    } else if (argument == "--fast") {
        options.fast = true;
    } else if (argument == "--headless") {
        options.headless = true;
    } else if (argument == "--terminal") {
        options.terminal = true;
    } else if (argument.empty() || argument[0] != '-') {
        problem = "unexpected argument \"" + argument + "\": velloc takes only options; see " +
                  "velloc --help";
        return false;
    } else {
        problem = "unknown option \"" + argument + "\"; see velloc --help";
        return false;
    }
    return true;
}

}  // namespace

bool readOptions(int argc, const char* const argv[], const char* scale_variable, Options& options,
                 std::string& problem) {
    bool scale_given = false;
    for (int i = 1; i < argc; ++i) {
        if (!readArgument(argc, argv, i, scale_given, options, problem)) {
            return false;
        }
    }
    if (options.show_help || options.show_version) {
        return true;
    }
    if (!options.record_file.empty() && !options.replay_file.empty()) {
        problem = "--record and --replay cannot go together";
        return false;
    }
    if ((options.fast || options.headless) && options.replay_file.empty()) {
        problem = "--fast and --headless go with --replay";
        return false;
    }
    if (options.terminal && options.headless) {
        problem = "--terminal and --headless cannot go together";
        return false;
    }
    const bool scale_set = scale_variable != nullptr && scale_variable[0] != '\0';
    if (scale_set && !scale_given && !readScale(scale_variable, options.scale)) {
        problem = scaleProblem("VL_SCALE", scale_variable);
        return false;
    }
    return true;
}

std::string helpText() {
    return "Usage: velloc [--scale N | --terminal]\n"
           "              [--record FILE | --replay FILE [--fast] [--headless]]\n"
           "       velloc --help | --version\n"
           "  --scale N      open the window N times 1024 x 768, N from 1 to " +
           std::to_string(vl::kMaxWindowScale) +
           "\n"
           "                 (VL_SCALE=N does the same; --scale wins over it)\n"
           "  --terminal     play in this text terminal instead of a window; it needs\n"
           "                 82 x 24 cells (VL_BACKEND=terminal does the same)\n"
           "  --record FILE  record the session's input into FILE, to replay it or to\n"
           "                 attach to a report of a problem\n"
           "  --replay FILE  play a recording back, checking every frame against it;\n"
           "                 ends with one line: ok, or the first frame that differs\n"
           "  --fast         replay as fast as the machine goes\n"
           "  --headless     replay with no window\n"
           "  -h, --help     show this and quit\n"
           "  --version      show the version and quit\n"
           "Keys: P plays, Escape quits, W A S D walk, the mouse aims, a held mouse button\n"
           "fires, F11 switches fullscreen on and off.\n";
}

std::string versionText() {
    return std::string("velloc ") + VELLOC_VERSION + "\n";
}
