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

}  // namespace

bool readOptions(int argc, const char* const argv[], const char* scale_variable, Options& options,
                 std::string& problem) {
    if (scale_variable != nullptr && !readScale(scale_variable, options.scale)) {
        problem = scaleProblem("VL_SCALE", scale_variable);
        return false;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.show_help = true;
        } else if (argument == "--scale") {
            const std::string value = i + 1 < argc ? argv[++i] : "";
            if (!readScale(value, options.scale)) {
                problem = scaleProblem("--scale", value);
                return false;
            }
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
        }
    }
    if (!options.record_file.empty() && !options.replay_file.empty()) {
        problem = "--record and --replay cannot go together";
        return false;
    }
    if ((options.fast || options.headless) && options.replay_file.empty()) {
        problem = "--fast and --headless go with --replay";
        return false;
    }
    return true;
}

std::string helpText() {
    return "Usage: velloc [--scale N] [--record FILE | --replay FILE [--fast] [--headless]] "
           "[--help]\n"
           "  --scale N      open the window N times 1024 x 768, N from 1 to " +
           std::to_string(vl::kMaxWindowScale) +
           " (VL_SCALE=N does the same)\n"
           "  --record FILE  record the session's input into FILE, to replay it or to\n"
           "                 attach to a report of a problem\n"
           "  --replay FILE  play a recording back, checking every frame against it;\n"
           "                 ends with one line: ok, or the first frame that differs\n"
           "  --fast         replay as fast as the machine goes\n"
           "  --headless     replay with no window\n"
           "  --help         show this and quit\n"
           "Keys: P plays, Escape quits, W A S D walk, the mouse aims, a held mouse button\n"
           "fires, F11 switches fullscreen on and off.\n";
}
