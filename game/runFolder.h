#pragma once

#include <string>

// The game opens its font, sprites/, sounds/ and music/ by paths relative to
// the working directory. Moves into the first folder that holds them: the
// working directory, the program's own folder (a build's run folder), then
// the data folder of an installation, found from the program's folder so that
// a moved installation still finds it. When none holds them, stays where it
// is, sets reason to one line naming every folder looked at and returns false.
bool enterRunFolder(std::string& reason);
