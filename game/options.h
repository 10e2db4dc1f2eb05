#pragma once

#include <string>

// What the player asked for on the command line and in the environment.
struct Options {
    int scale = 1;
    bool show_help = false;
    bool show_version = false;
    // The file to record the session into, or empty.
    std::string record_file;
    // The recording to replay instead of reading the keyboard and mouse, or empty.
    std::string replay_file;
    // Replay as fast as the machine goes rather than at the recorded pace.
    bool fast = false;
    // Replay with no window.
    bool headless = false;
    // Play in the terminal instead of a window.
    bool terminal = false;
};

// Reads the arguments after the program's name, then VL_SCALE (null or empty
// when unset), which --scale overrides. --help and --version need nothing
// else: with either, VL_SCALE and the rules between options are not looked
// at, so they answer whatever the environment holds.
// Returns false, with problem set to a line naming what is wrong, for an
// option the game does not know, any argument that is not an option, a scale
// that is not a whole number from 1 to the largest the display opens at, a
// file missing after --record or --replay, both of these, --fast or
// --headless without --replay, or --terminal with --headless.
bool readOptions(int argc, const char* const argv[], const char* scale_variable, Options& options,
                 std::string& problem);

// What --help prints.
std::string helpText();

// What --version prints: the program's name and version.
std::string versionText();
