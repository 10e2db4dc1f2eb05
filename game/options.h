#pragma once

#include <string>

// What the player asked for on the command line and in the environment.
struct Options {
    int scale = 1;
    bool show_help = false;
    // The file to record the session into, or empty.
    std::string record_file;
    // The recording to replay instead of reading the keyboard and mouse, or empty.
    std::string replay_file;
    // Replay as fast as the machine goes rather than at the recorded pace.
    bool fast = false;
    // Replay with no window.
    bool headless = false;
};

// Reads the arguments after the program's name, and VL_SCALE (null when
// unset), which --scale overrides. Arguments it does not know are ignored.
// Returns false, with problem set to a line naming what is wrong, when a scale
// is not a whole number from 1 to the largest the display opens at, a file is
// missing after --record or --replay, both are given, or --fast or
// --headless comes without --replay.
bool readOptions(int argc, const char* const argv[], const char* scale_variable, Options& options,
                 std::string& problem);

// What --help prints.
std::string helpText();
