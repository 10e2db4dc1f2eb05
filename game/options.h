#pragma once

#include <string>

// What the player asked for on the command line and in the environment.
struct Options {
    int scale = 1;
    bool show_help = false;
};

// Reads the arguments after the program's name, and VL_SCALE (null when
// unset), which --scale overrides. Arguments it does not know are ignored.
// Returns false, with problem set to a line naming the bad value, when a
// scale is not a whole number from 1 to the largest the display opens at.
bool readOptions(int argc, const char* const argv[], const char* scale_variable, Options& options,
                 std::string& problem);

// What --help prints.
std::string helpText();
