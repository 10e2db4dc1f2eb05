#pragma once

#include <string>

// The game opens its font and the files of its asset manifest (sprites/,
// sounds/, music/) by paths relative to the working directory. Moves into the
// first folder that holds every one of them: the working directory, the
// program's own folder (a build's run folder), then the data folder of an
// installation, found from the program's folder so that a moved installation
// still finds it. A folder with some of them, such as another game's run
// folder with a font and sprites/ of its own, is passed over. When none holds
// them all, stays where it is, sets reason to one line naming every folder
// looked at and returns false.
bool enterRunFolder(std::string& reason);
